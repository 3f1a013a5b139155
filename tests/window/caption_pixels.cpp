#include "tests/window/caption_pixels.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "tavrel/win32/screen_font.h"
#include "tavrel/window/window_layout.h"
#include "tests/support/pixel_area.h"
#include "windows/wide_text.h"

namespace tavrel::window::testing {
namespace {

using win32_testing::DifferencesFrom;
using win32_testing::PixelArea;
using win32_testing::ReadWindowPixels;

// The caption's size in the font the window gives its labels, made in this
// process on the same screen.
SIZE CaptionSize(const LabelDesign& label, int dpi) {
  HFONT font = win32::MakeFont(std::u16string(kLoadedLabelFont.name), kLoadedLabelFont.points,
                               kLoadedLabelFont.weight, kLoadedLabelFont.character_set, dpi);
  HDC screen = GetDC(nullptr);
  HGDIOBJ previous = SelectObject(screen, font);
  SIZE size{};
  GetTextExtentPoint32W(screen, windows::WideUnits(label.caption), static_cast<int>(label.caption.size()), &size);
  SelectObject(screen, previous);
  ReleaseDC(nullptr, screen);
  DeleteObject(font);
  return size;
}

// Shares rows with the box and starts before it.
bool LiesBeside(const PixelRect& caption, const PixelRect& box) {
  return caption.top < box.Bottom() && box.top < caption.Bottom() && caption.left < box.left;
}

struct Caption {
  std::string_view label;
  RECT bounds;  // client pixels
};

std::vector<Caption> CaptionsBesideBoxes() {
  WindowLayout layout(win32::ScreenDotsPerInch());
  for (const LabelDesign& label : kLabels) {
    const SIZE size = CaptionSize(label, layout.DotsPerInch());
    layout.SetCaptionSize(label.label, size.cx, size.cy);
  }
  std::vector<Caption> captions;
  for (const LabelDesign& label : kLabels) {
    const PixelRect r = layout.Bounds(label.label);
    for (const TextBoxDesign& box : kTextBoxes) {
      if (!LiesBeside(r, layout.PlaceOf(box.box))) continue;
      captions.push_back({label.name, {r.left, r.top, r.Right(), r.Bottom()}});
      break;
    }
  }
  return captions;
}

POINT CentreOf(const RECT& r) { return {(r.left + r.right) / 2, (r.top + r.bottom) / 2}; }

}  // namespace

void ExpectCaptionsKeptWhileTheFocusMoves(TavrelProcess& tavrel) {
  const std::vector<Caption> captions = CaptionsBesideBoxes();
  ASSERT_EQ(captions.size(), 3u) << "Label1 before Text1, Label5 into Text2, Label2 before Text3";

  tavrel.SetText1(L"中行ab好");
  ASSERT_EQ(tavrel.Text(2), L"oi rj abnt");
  Sleep(300);  // the boxes have drawn their new lines
  std::vector<PixelArea> before;
  for (const Caption& caption : captions) {
    before.push_back(ReadWindowPixels(tavrel.Window(), caption.bounds));
    const std::set<win32_testing::Pixel> colours(before.back().Pixels().begin(), before.back().Pixels().end());
    EXPECT_GT(colours.size(), 1u) << caption.label << ": its caption is drawn where it is compared";
  }

  for (int box : {1, 2, 3, 2, 1}) {
    const POINT in_box = CentreOf(ClientRectOf(tavrel.Box(box), tavrel.Window()));
    tavrel.ClickAt(in_box.x, in_box.y);
    Sleep(300);  // the box has drawn itself with the focus
    for (std::size_t i = 0; i < captions.size(); ++i) {
      EXPECT_EQ(DifferencesFrom(before[i], ReadWindowPixels(tavrel.Window(), captions[i].bounds)), "")
          << captions[i].label << " after the click into Text" << box;
    }
  }
}

}  // namespace tavrel::window::testing
