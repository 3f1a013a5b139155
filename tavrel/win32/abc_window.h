// The window abc on Win32: a borderless top-level window painted with its
// skin, which draws its labels, frame lines and images itself and holds the
// three text boxes as standard EDIT controls.
//
// Its window procedure is an ANSI one and may be replaced with
// SetWindowLongPtrA(GWLP_WNDPROC) by a hook that passes every message on with
// CallWindowProcA.
#pragma once

#include <windows.h>

#include <array>
#include <string>
#include <string_view>

#include "lookup/text1_change.h"
#include "tavrel/tray/form_r.h"
#include "tavrel/win32/picture.h"
#include "tavrel/win32/pointer_drag.h"
#include "tavrel/win32/whole_character_box.h"
#include "tavrel/form/mouse_routing.h"
#include "tavrel/form/window_design.h"
#include "tavrel/form/window_layout.h"
#include "tavrel/form/window_toolkit.h"

namespace tavrel::win32 {

class AbcWindow final : public form::WindowToolkit, public LookupBoxes, public tray::TrayForm {
 public:
  // tray: the notification-area icon that stands for the window while it is
  // minimized. The screen's dots per inch are read here, once: the window's
  // places and its fonts follow them.
  AbcWindow(HINSTANCE instance, const LookupServices& services, tray::FormR& tray);
  AbcWindow(const AbcWindow&) = delete;
  AbcWindow& operator=(const AbcWindow&) = delete;
  ~AbcWindow() override;

  // Creates the window from its description, hidden.
  void Create();
  // Runs Form_Load, then places the window at its design position.
  void Load();
  // Shows the window for the first time, with a taskbar button, and gives
  // Text1 the focus.
  void ShowFirstTime(int show_command);

  HWND Handle() const { return window_; }

  // WindowToolkit
  void SetHeight(int twips) override;
  void SetWidth(int twips) override;
  form::NamedControl& ControlNamed(std::string_view name) override;
  std::u16string Text(form::Box box) const override;
  void SetText(form::Box box, const std::u16string& text) override;
  bool IsImageVisible(form::Image image) const override;
  void SetImageVisible(form::Image image, bool visible) override;
  void Minimize() override;
  void Unload() override;
  void PutOnClipboard(const std::u16string& text) override;
  void BeginSystemMove() override;
  void MoveWithPointerWhileHeld(form::MouseButton button) override;
  void OpenHomePage() override;

  // TrayForm
  tray::Handle WindowHandle() const override;
  tray::Handle IconHandle() const override;
  bool IsMinimizedState() const override;
  void SetNormal() override;
  void Show() override;
  void Hide() override;

  // LookupBoxes
  std::u16string Text1() const override { return Text(form::Box::Text1); }
  void SetText2(const std::u16string& code_line) override { SetText(form::Box::Text2, code_line); }
  void SetText3(const std::u16string& reading_line) override { SetText(form::Box::Text3, reading_line); }

 private:
  // A label or a box with the font it shows; the font is made anew on every
  // change of its name or size.
  class StyledControl final : public form::NamedControl {
   public:
    void SetFontName(const std::u16string& name) override;
    void SetFontSize(int points) override;
    // Takes the control's design font and shows it.
    void Start(AbcWindow* window, std::string_view control, bool label, int position,
               const form::FontDesign& design);
    void Apply();

    AbcWindow* owner = nullptr;
    std::string_view name;
    bool is_label = false;
    int index = 0;  // into the labels or the boxes
    std::u16string font_name;
    int points = 0;
    int weight = 400;
    int character_set = 0;
    HFONT font = nullptr;
  };

  static LRESULT CALLBACK WindowProcedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam);
  static LRESULT CALLBACK BoxProcedure(HWND box, UINT message, WPARAM wparam, LPARAM lparam);
  LRESULT OnMessage(UINT message, WPARAM wparam, LPARAM lparam);
  LRESULT OnBoxMessage(int box, UINT message, WPARAM wparam, LPARAM lparam);

  void CreateBoxes();
  void AddTooltips();
  void FontChanged(StyledControl& control);
  void Paint();
  // Draws the label's caption on a drawing surface whose top-left corner
  // lies at origin in the window.
  void DrawLabel(HDC dc, int label, form::PixelPoint origin = {0, 0}) const;
  void FitBoxesAroundLabels();
  void DrawLabelEndsOver(int box) const;
  // The background of the box, in the window's colours.
  HBRUSH BrushOf(form::Box box) const;
  void DrawLine(HDC dc, const form::LineDesign& line) const;
  void OnPress(form::MouseButton button, LPARAM position);
  void OnRelease(form::MouseButton button, LPARAM position);
  void OnMouseMove(WPARAM buttons, LPARAM position);
  // The system's move or the window's own drag.
  bool DragRuns() const { return in_system_move_ || drag_.Runs(); }
  void OnBoxClicked(int box);
  HWND BoxWindow(form::Box box) const { return boxes_[static_cast<int>(box)]; }
  void SetClientSize(int width, int height);

  HINSTANCE instance_;
  const LookupServices& services_;
  tray::FormR& tray_;
  HWND window_ = nullptr;
  HWND tooltip_ = nullptr;
  std::array<HWND, form::kTextBoxCount> boxes_{};  // indexed by Box
  // Each box's control, which its messages go on to; Text1 never holds half
  // a character, and no box selects one.
  std::array<WholeCharacterBox, form::kTextBoxCount> box_controls_{};
  std::array<bool, form::kTextBoxCount> box_pressed_{};
  // The messages each box is handling, one inside another.
  std::array<int, form::kTextBoxCount> box_messages_in_progress_{};
  HWND last_focus_ = nullptr;
  std::array<StyledControl, form::kLabelCount> labels_{};
  std::array<StyledControl, form::kTextBoxCount> box_styles_{};
  std::array<bool, form::kImageCount> visible_{};
  Picture background_;
  std::array<Picture, form::kImageCount> images_;
  HICON icon_ = nullptr;
  HCURSOR hand_ = nullptr;
  HCURSOR link_hand_ = nullptr;
  HBRUSH input_brush_ = nullptr;
  HBRUSH output_brush_ = nullptr;
  form::WindowLayout layout_;
  form::MouseRouter mouse_{*this, layout_};
  PointerDrag drag_;
  // Whether the window holds the mouse it took itself at a press; the
  // capture may be another's, such as the system's move loop's, even when
  // GetCapture() names this window.
  bool holds_mouse_ = false;
  // While the system's move runs, inside BeginSystemMove.
  bool in_system_move_ = false;
};

}  // namespace tavrel::win32
