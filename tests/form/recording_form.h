// A toolkit that records what the handlers ask of it and keeps the
// visibility of the six images, as the real window does.
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "tavrel/form/window_design.h"
#include "tavrel/form/window_toolkit.h"
#include "tests/support/utf8.h"

namespace tavrel::form::testing {

using tavrel::testing::Utf8;

class RecordingForm final : public WindowToolkit {
 public:
  RecordingForm() {
    for (const ImageDesign& image : kImages) visible_[IndexOf(image.image)] = image.visible_at_start;
  }

  void SetHeight(int twips) override { Record("Height " + std::to_string(twips)); }
  void SetWidth(int twips) override { Record("Width " + std::to_string(twips)); }

  NamedControl& ControlNamed(std::string_view name) override {
    Record("Find " + std::string(name));
    found_.form = this;
    found_.name = name;
    return found_;
  }

  std::u16string Text(Box box) const override { return texts_[static_cast<int>(box)]; }
  void SetText(Box box, const std::u16string& text) override {
    texts_[static_cast<int>(box)] = text;
    Record("Text" + std::to_string(static_cast<int>(box) + 1) + " = '" + Utf8(text) + "'");
  }

  bool IsImageVisible(Image image) const override { return visible_[IndexOf(image)]; }
  void SetImageVisible(Image image, bool visible) override {
    visible_[IndexOf(image)] = visible;
    Record(std::string(visible ? "Show " : "Hide ") + "Image" + std::to_string(IndexOf(image) + 1));
  }

  void Minimize() override { Record("Minimize"); }
  void Unload() override { Record("Unload"); }
  void PutOnClipboard(const std::u16string& text) override { Record("Clipboard '" + Utf8(text) + "'"); }
  void BeginSystemMove() override { Record("SystemMove"); }
  void MoveWithPointerWhileHeld(MouseButton button) override {
    static constexpr const char* kNames[] = {"Left", "Right", "Middle"};
    Record(std::string("MoveWhileHeld ") + kNames[static_cast<int>(button)]);
  }
  void OpenHomePage() override { Record("OpenHomePage"); }

  // The calls that are not about images, in order.
  std::vector<std::string> Actions() const {
    std::vector<std::string> actions;
    for (const std::string& call : calls)
      if (call.rfind("Show ", 0) != 0 && call.rfind("Hide ", 0) != 0) actions.push_back(call);
    return actions;
  }

  // The visible images as "Image1 Image5".
  std::string VisibleImages() const {
    std::string names;
    for (int i = 0; i < kImageCount; ++i)
      if (visible_[i]) names += (names.empty() ? "Image" : " Image") + std::to_string(i + 1);
    return names;
  }

  void SetVisible(const std::vector<Image>& images) {
    visible_.fill(false);
    for (Image image : images) visible_[IndexOf(image)] = true;
  }

  void Forget() { calls.clear(); }

  std::vector<std::string> calls;

 private:
  struct Found final : NamedControl {
    void SetFontName(const std::u16string& font) override {
      form->Record("FontName " + name + " " + Utf8(font));
    }
    void SetFontSize(int points) override { form->Record("FontSize " + name + " " + std::to_string(points)); }
    RecordingForm* form = nullptr;
    std::string name;
  };

  void Record(std::string call) { calls.push_back(std::move(call)); }

  Found found_;
  std::array<std::u16string, kTextBoxCount> texts_;
  std::array<bool, kImageCount> visible_{};
};

}  // namespace tavrel::form::testing
