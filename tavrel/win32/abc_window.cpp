#include "tavrel/win32/abc_window.h"

#include <commctrl.h>
#include <windowsx.h>

#include <algorithm>
#include <cstdlib>
#include <optional>

#include "tavrel/win32/box_text.h"
#include "tavrel/win32/clipboard.h"
#include "tavrel/win32/offscreen_canvas.h"
#include "tavrel/win32/resource_ids.h"
#include "tavrel/win32/screen_font.h"
#include "tavrel/win32/system_move.h"
#include "tavrel/win32/tray_shell.h"
#include "tavrel/win32/url_mail.h"
#include "tavrel/form/form_abc.h"
#include "windows/wide_text.h"

namespace tavrel::win32 {
namespace {

using form::Box;
using form::DesignOf;
using form::Image;
using form::kImages;
using form::kLabels;
using form::kTextBoxes;
using windows::WideUnits;

constexpr char kClassName[] = "TavrelAbc";
constexpr int kFirstBoxId = 101;  // Text1; Text2 and Text3 follow

COLORREF ColourOf(form::Rgb rgb) { return RGB(rgb.red, rgb.green, rgb.blue); }

// The pointing-hand icon of the link as a pointer whose hot spot is the
// fingertip.
HCURSOR PointerFromIcon(HINSTANCE instance, int resource) {
  HICON icon = static_cast<HICON>(
      LoadImageW(instance, MAKEINTRESOURCEW(resource), IMAGE_ICON, 32, 32, LR_DEFAULTCOLOR));
  if (icon == nullptr) return LoadCursorW(nullptr, IDC_HAND);
  ICONINFO info{};
  GetIconInfo(icon, &info);
  info.fIcon = FALSE;
  info.xHotspot = 5;
  info.yHotspot = 0;
  HCURSOR pointer = CreateIconIndirect(&info);
  if (info.hbmMask != nullptr) DeleteObject(info.hbmMask);
  if (info.hbmColor != nullptr) DeleteObject(info.hbmColor);
  DestroyIcon(icon);
  return pointer;
}

form::PixelPoint PointOf(LPARAM position) { return {GET_X_LPARAM(position), GET_Y_LPARAM(position)}; }

RECT RectOf(const form::PixelRect& r) { return {r.left, r.top, r.Right(), r.Bottom()}; }

}  // namespace

AbcWindow::AbcWindow(HINSTANCE instance, const LookupServices& services, tray::FormR& tray)
    : instance_(instance), services_(services), tray_(tray), layout_(ScreenDotsPerInch()) {
  for (const form::ImageDesign& image : kImages) visible_[IndexOf(image.image)] = image.visible_at_start;
}

AbcWindow::~AbcWindow() {
  if (window_ != nullptr) DestroyWindow(window_);
  for (StyledControl& control : labels_)
    if (control.font != nullptr) DeleteObject(control.font);
  for (StyledControl& control : box_styles_)
    if (control.font != nullptr) DeleteObject(control.font);
  if (link_hand_ != nullptr) DestroyCursor(link_hand_);
  if (output_brush_ != nullptr) DeleteObject(output_brush_);
  if (icon_ != nullptr) DestroyIcon(icon_);
}

void AbcWindow::Create() {
  background_.Load(instance_, TAVREL_BACKGROUND);
  for (int i = 0; i < form::kImageCount; ++i) images_[i].Load(instance_, TAVREL_IMAGE1 + i);
  icon_ = static_cast<HICON>(LoadImageA(instance_, MAKEINTRESOURCEA(TAVREL_ICON), IMAGE_ICON, 32, 32, 0));
  hand_ = LoadCursorA(instance_, MAKEINTRESOURCEA(TAVREL_HAND_CURSOR));
  link_hand_ = PointerFromIcon(instance_, TAVREL_LINK_HAND);
  input_brush_ = GetSysColorBrush(COLOR_WINDOW);
  output_brush_ = CreateSolidBrush(ColourOf(form::kPanel));

  WNDCLASSEXA form_class{};
  form_class.cbSize = sizeof form_class;
  form_class.lpfnWndProc = WindowProcedure;
  form_class.hInstance = instance_;
  form_class.hIcon = icon_;
  form_class.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  form_class.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
  form_class.lpszClassName = kClassName;
  RegisterClassExA(&form_class);

  // No border and no caption: the whole window is its client area, at the
  // size it was designed with until Form_Load sets its own.
  const form::PixelSize designed = layout_.DesignedWindow();
  CreateWindowExA(WS_EX_APPWINDOW, kClassName, std::string(form::kWindow.title).c_str(),
                  WS_POPUP | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN, 0, 0, designed.width,
                  designed.height, nullptr, nullptr, instance_, this);
  AttachTrayModule(window_, tray_);

  for (int i = 0; i < form::kLabelCount; ++i)
    labels_[i].Start(this, kLabels[i].name, true, i, kLabels[i].font);
  CreateBoxes();
}

void AbcWindow::CreateBoxes() {
  // Created in their tab order, which Tab and Shift+Tab follow.
  std::array<form::TextBoxDesign, form::kTextBoxCount> in_tab_order = kTextBoxes;
  std::ranges::sort(in_tab_order, {}, &form::TextBoxDesign::tab_index);
  for (const form::TextBoxDesign& design : in_tab_order) {
    const int i = static_cast<int>(design.box);
    DWORD style = WS_CHILD | WS_VISIBLE | WS_TABSTOP | ES_CENTER | ES_AUTOHSCROLL;
    if (design.read_only) style |= ES_READONLY;
    const form::PixelRect place = layout_.PlaceOf(design.box);
    HWND box = CreateWindowExW(0, L"EDIT", L"", style, place.left, place.top, place.width, place.height, window_,
                               reinterpret_cast<HMENU>(static_cast<INT_PTR>(kFirstBoxId + i)), instance_,
                               nullptr);
    boxes_[i] = box;
    if (design.box == Box::Text1) SendMessageW(box, EM_LIMITTEXT, form::kText1MaxLength, 0);
    SetWindowLongPtrW(box, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    box_controls_[i].Attach(box,
                            reinterpret_cast<WNDPROC>(
                                SetWindowLongPtrW(box, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(BoxProcedure))),
                            !design.read_only);

    box_styles_[i].Start(this, design.name, false, i, design.font);
  }
}

void AbcWindow::Load() {
  form::Form_Load(*this);
  AddTooltips();

  // First shown at its design position.
  const form::PixelPoint position = layout_.FirstPosition();
  SetWindowPos(window_, nullptr, position.x, position.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void AbcWindow::ShowFirstTime(int show_command) {
  ShowWindow(window_, show_command);
  UpdateWindow(window_);
  SetFocus(BoxWindow(Box::Text1));
}

void AbcWindow::AddTooltips() {
  tooltip_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_NOPREFIX | TTS_ALWAYSTIP,
                             CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, window_, nullptr,
                             instance_, nullptr);
  for (int i = 0; i < form::kLabelCount; ++i) {
    if (kLabels[i].tooltip.empty()) continue;
    const form::PixelRect bounds = layout_.Bounds(kLabels[i].label);
    TTTOOLINFOW tool{};
    tool.cbSize = TTTOOLINFOW_V2_SIZE;
    tool.hwnd = window_;
    tool.uId = static_cast<UINT_PTR>(i + 1);
    tool.rect = RectOf(bounds);
    tool.hinst = instance_;
    // The tooltip reads its text up to a null, and keeps a copy.
    const std::u16string tip(kLabels[i].tooltip);
    tool.lpszText = const_cast<wchar_t*>(windows::WideString(tip));
    SendMessageW(tooltip_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
  }
}

// ---- fonts

void AbcWindow::StyledControl::Start(AbcWindow* window, std::string_view control, bool label, int position,
                                     const form::FontDesign& design) {
  owner = window;
  name = control;
  is_label = label;
  index = position;
  font_name = design.name;
  points = design.points;
  weight = design.weight;
  character_set = design.character_set;
  Apply();
}

void AbcWindow::StyledControl::SetFontName(const std::u16string& new_name) {
  font_name = new_name;
  Apply();
}

void AbcWindow::StyledControl::SetFontSize(int new_points) {
  points = new_points;
  Apply();
}

void AbcWindow::StyledControl::Apply() {
  HFONT old = font;
  font = MakeFont(font_name, points, weight, character_set, owner->layout_.DotsPerInch());
  owner->FontChanged(*this);
  if (old != nullptr) DeleteObject(old);
}

void AbcWindow::FontChanged(StyledControl& control) {
  if (!control.is_label) {
    SendMessageW(boxes_[control.index], WM_SETFONT, reinterpret_cast<WPARAM>(control.font), TRUE);
    FitBoxesAroundLabels();
    return;
  }
  // A label is as large as its caption in its font.
  const form::LabelDesign& design = kLabels[control.index];
  HDC dc = GetDC(window_);
  HGDIOBJ previous = SelectObject(dc, control.font);
  SIZE extent{};
  GetTextExtentPoint32W(dc, WideUnits(design.caption), static_cast<int>(design.caption.size()), &extent);
  SelectObject(dc, previous);
  ReleaseDC(window_, dc);

  const form::PixelRect old_bounds = layout_.Bounds(design.label);
  layout_.SetCaptionSize(design.label, extent.cx, extent.cy);
  const form::PixelRect bounds = layout_.Bounds(design.label);
  for (const form::PixelRect& r : {old_bounds, bounds}) {
    const RECT area = RectOf(r);
    InvalidateRect(window_, &area, FALSE);
  }
  FitBoxesAroundLabels();
}

// A box keeps its text clear of the captions that run on into it.
void AbcWindow::FitBoxesAroundLabels() {
  for (int i = 0; i < form::kTextBoxCount; ++i) {
    if (boxes_[i] == nullptr) continue;
    const int margin = layout_.LeftMarginOf(static_cast<Box>(i));
    if (margin == 0) continue;
    SendMessageW(boxes_[i], EM_SETMARGINS, EC_LEFTMARGIN, MAKELPARAM(margin, 0));
    InvalidateRect(boxes_[i], nullptr, TRUE);
  }
}

// The control draws itself straight onto the screen, not only when it paints:
// on the focus, a click, the caret, a selection, its text. So the ends of the
// captions are drawn again after whatever it has done, and drawn whole: the
// box's left margin, which its text never enters, is filled with the box's
// own background and the captions drawn over it, off screen first, so that
// the pixels come out the same every time and nothing flickers.
void AbcWindow::DrawLabelEndsOver(int box_index) const {
  const Box box = static_cast<Box>(box_index);
  const int margin = layout_.LeftMarginOf(box);
  if (margin == 0) return;
  const form::PixelRect place = layout_.PlaceOf(box);
  const RECT strip{0, 0, margin, place.height};
  HDC dc = GetDC(boxes_[box_index]);
  {
    const OffscreenCanvas canvas(dc, strip.right, strip.bottom);
    FillRect(canvas.Dc(), &strip, BrushOf(box));
    for (int i = 0; i < form::kLabelCount; ++i)
      if (layout_.RunsInto(kLabels[i].label, box)) DrawLabel(canvas.Dc(), i, {place.left, place.top});
    BitBlt(dc, 0, 0, strip.right, strip.bottom, canvas.Dc(), 0, 0, SRCCOPY);
  }
  ReleaseDC(boxes_[box_index], dc);
}

// The input box is white; the read-only boxes lie flat on the panel.
HBRUSH AbcWindow::BrushOf(Box box) const { return DesignOf(box).read_only ? output_brush_ : input_brush_; }

form::NamedControl& AbcWindow::ControlNamed(std::string_view name) {
  for (StyledControl& control : labels_)
    if (control.name == name) return control;
  for (StyledControl& control : box_styles_)
    if (control.name == name) return control;
  std::abort();  // the handlers ask only for names the window has
}

// ---- the window's operations

void AbcWindow::SetClientSize(int width, int height) {
  SetWindowPos(window_, nullptr, 0, 0, width, height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void AbcWindow::SetHeight(int twips) {
  RECT frame{};
  GetWindowRect(window_, &frame);
  SetClientSize(frame.right - frame.left, layout_.Pixels(twips));
}

void AbcWindow::SetWidth(int twips) {
  RECT frame{};
  GetWindowRect(window_, &frame);
  SetClientSize(layout_.Pixels(twips), frame.bottom - frame.top);
}

std::u16string AbcWindow::Text(Box box) const { return TextOf(BoxWindow(box)); }

void AbcWindow::SetText(Box box, const std::u16string& text) { SetWindowTextW(BoxWindow(box), windows::WideString(text)); }

bool AbcWindow::IsImageVisible(Image image) const { return visible_[IndexOf(image)]; }

void AbcWindow::SetImageVisible(Image image, bool visible) {
  bool& shown = visible_[IndexOf(image)];
  if (shown == visible) return;
  shown = visible;
  const RECT area = RectOf(layout_.PlaceOf(image));
  InvalidateRect(window_, &area, FALSE);
}

// A window that is minimized already stays as it is: minimizing it again
// would show it, where it lies hidden behind its tray icon.
void AbcWindow::Minimize() {
  if (!IsIconic(window_)) ShowWindow(window_, SW_MINIMIZE);
}

// ---- the window as the tray icon sees it

tray::Handle AbcWindow::WindowHandle() const { return reinterpret_cast<tray::Handle>(window_); }

tray::Handle AbcWindow::IconHandle() const { return reinterpret_cast<tray::Handle>(icon_); }

bool AbcWindow::IsMinimizedState() const { return IsIconic(window_) != FALSE; }

// The normal state, and shown again: a hidden window that is restored shows.
void AbcWindow::SetNormal() { ShowWindow(window_, SW_RESTORE); }

void AbcWindow::Show() {
  ShowWindow(window_, SW_SHOW);
  SetForegroundWindow(window_);
}

// A hidden window lets go of the mouse it took at a press: the button's
// release comes wherever the pointer is then, and no longer to the window.
void AbcWindow::Hide() {
  if (holds_mouse_) ReleaseCapture();
  ShowWindow(window_, SW_HIDE);
}

void AbcWindow::Unload() { DestroyWindow(window_); }

void AbcWindow::PutOnClipboard(const std::u16string& text) { PutTextOnClipboard(window_, text); }

// The system's move lets go of the mouse the window took and takes it
// itself; it returns once the left button is up.
void AbcWindow::BeginSystemMove() {
  if (DragRuns()) return;
  in_system_move_ = true;
  win32::BeginSystemMove(window_);
  in_system_move_ = false;
}

// The window keeps the mouse it took at the press while a button is held.
void AbcWindow::MoveWithPointerWhileHeld(form::MouseButton button) {
  if (DragRuns()) return;
  drag_.Begin(window_, button);
}

void AbcWindow::OpenHomePage() { win32::OpenHomePage(); }

// ---- painting

void AbcWindow::DrawLine(HDC dc, const form::LineDesign& line) const {
  const form::PixelPoint from = layout_.Pixels(line.x1, line.y1);
  const form::PixelPoint to = layout_.Pixels(line.x2, line.y2);
  MoveToEx(dc, from.x, from.y, nullptr);
  LineTo(dc, to.x, to.y);
  SetPixel(dc, to.x, to.y, GetSysColor(COLOR_WINDOWTEXT));  // a line includes its end
}

void AbcWindow::DrawLabel(HDC dc, int label, form::PixelPoint origin) const {
  const form::LabelDesign& design = kLabels[label];
  const form::PixelRect bounds = layout_.Bounds(design.label);
  HGDIOBJ previous = SelectObject(dc, labels_[label].font);
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, ColourOf(form::kBlack));
  TextOutW(dc, bounds.left - origin.x, bounds.top - origin.y, WideUnits(design.caption),
           static_cast<int>(design.caption.size()));
  SelectObject(dc, previous);
}

void AbcWindow::Paint() {
  PAINTSTRUCT paint{};
  HDC dc = BeginPaint(window_, &paint);
  RECT client{};
  GetClientRect(window_, &client);
  {
    const OffscreenCanvas offscreen(dc, client.right, client.bottom);
    HDC canvas = offscreen.Dc();
    FillRect(canvas, &client, GetSysColorBrush(COLOR_WINDOW));
    // The skin covers the window as Form_Load sizes it.
    const form::PixelSize skin = layout_.LoadedWindow();
    background_.Draw(canvas, 0, 0, skin.width, skin.height);
    HPEN pen = CreatePen(PS_SOLID, 1, GetSysColor(COLOR_WINDOWTEXT));
    HGDIOBJ old_pen = SelectObject(canvas, pen);
    for (const form::DrawnItem& item : form::kDrawingOrder) {
      switch (item.kind) {
        case form::DrawnItem::Kind::Line:
          DrawLine(canvas, form::kLines[item.index]);
          break;
        case form::DrawnItem::Kind::Label:
          DrawLabel(canvas, item.index);
          break;
        case form::DrawnItem::Kind::Image:
          if (visible_[item.index]) {
            const form::PixelRect r = layout_.PlaceOf(kImages[item.index].image);
            images_[item.index].Draw(canvas, r.left, r.top, r.width, r.height);
          }
          break;
      }
    }
    SelectObject(canvas, old_pen);
    DeleteObject(pen);

    BitBlt(dc, paint.rcPaint.left, paint.rcPaint.top, paint.rcPaint.right - paint.rcPaint.left,
           paint.rcPaint.bottom - paint.rcPaint.top, canvas, paint.rcPaint.left, paint.rcPaint.top, SRCCOPY);
  }
  EndPaint(window_, &paint);
}

// ---- the mouse

namespace {

// Whether a mouse message's wParam, the state of its buttons and keys, says
// that the button is down.
bool IsDownIn(WPARAM buttons, form::MouseButton button) {
  switch (button) {
    case form::MouseButton::Left:
      return (buttons & MK_LBUTTON) != 0;
    case form::MouseButton::Right:
      return (buttons & MK_RBUTTON) != 0;
    case form::MouseButton::Middle:
      return (buttons & MK_MBUTTON) != 0;
  }
  return false;
}

}  // namespace

// While the system's move runs, the presses and releases of the other
// buttons reach the window from inside its loop, which holds the mouse: they
// begin nothing, and the left drag goes on to the left release. The window
// lets go only of the mouse it took itself.
void AbcWindow::OnPress(form::MouseButton button, LPARAM position) {
  if (in_system_move_) return;
  if (!holds_mouse_) {
    SetCapture(window_);
    holds_mouse_ = true;
  }
  mouse_.Press(button, PointOf(position));
}

void AbcWindow::OnRelease(form::MouseButton button, LPARAM position) {
  if (in_system_move_) return;
  drag_.Release(button);
  mouse_.Release(button, PointOf(position));
  if (window_ != nullptr && !mouse_.ButtonsHeld() && holds_mouse_) ReleaseCapture();
}

// A move that says the drag's button is up ends the drag as that button's
// release would have: the release itself may have gone elsewhere, and the
// window does not follow a pointer whose button is no longer held.
void AbcWindow::OnMouseMove(WPARAM buttons, LPARAM position) {
  const std::optional<form::MouseButton> dragging = drag_.Button();
  if (dragging && !IsDownIn(buttons, *dragging)) {
    OnRelease(*dragging, position);
    if (window_ == nullptr) return;
  }
  drag_.Follow();
  mouse_.Move(PointOf(position));
}

void AbcWindow::OnBoxClicked(int box) {
  switch (static_cast<Box>(box)) {
    case Box::Text1:
      form::Text1_Click(*this);
      break;
    case Box::Text2:
      form::Text2_Click(*this);
      break;
    case Box::Text3:
      form::Text3_Click(*this);
      break;
  }
}

// ---- window procedures

LRESULT CALLBACK AbcWindow::WindowProcedure(HWND handle, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == WM_NCCREATE) {
    auto* self = static_cast<AbcWindow*>(reinterpret_cast<CREATESTRUCTA*>(lparam)->lpCreateParams);
    self->window_ = handle;
    SetWindowLongPtrA(handle, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
  }
  auto* self = reinterpret_cast<AbcWindow*>(GetWindowLongPtrA(handle, GWLP_USERDATA));
  if (self == nullptr || self->window_ != handle) return DefWindowProcA(handle, message, wparam, lparam);
  return self->OnMessage(message, wparam, lparam);
}

LRESULT AbcWindow::OnMessage(UINT message, WPARAM wparam, LPARAM lparam) {
  if (tooltip_ != nullptr && message >= WM_MOUSEFIRST && message <= WM_MBUTTONUP) {
    MSG relayed{window_, message, wparam, lparam, static_cast<DWORD>(GetMessageTime()), {}};
    SendMessageW(tooltip_, TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(&relayed));
  }
  switch (message) {
    case WM_MOUSEMOVE:
      OnMouseMove(wparam, lparam);
      return 0;
    case WM_LBUTTONDOWN:
      OnPress(form::MouseButton::Left, lparam);
      return 0;
    case WM_RBUTTONDOWN:
      OnPress(form::MouseButton::Right, lparam);
      return 0;
    case WM_MBUTTONDOWN:
      OnPress(form::MouseButton::Middle, lparam);
      return 0;
    case WM_LBUTTONUP:
      OnRelease(form::MouseButton::Left, lparam);
      return 0;
    case WM_RBUTTONUP:
      OnRelease(form::MouseButton::Right, lparam);
      return 0;
    case WM_MBUTTONUP:
      OnRelease(form::MouseButton::Middle, lparam);
      return 0;
    case WM_CAPTURECHANGED:
      holds_mouse_ = false;
      drag_.End();
      mouse_.CaptureLost();
      return 0;
    case WM_SETCURSOR:
      if (reinterpret_cast<HWND>(wparam) == window_ && LOWORD(lparam) == HTCLIENT) {
        POINT cursor{};
        GetCursorPos(&cursor);
        ScreenToClient(window_, &cursor);
        switch (mouse_.PointerAt({cursor.x, cursor.y})) {
          case form::Pointer::Hand:
            SetCursor(hand_);
            return TRUE;
          case form::Pointer::LinkHand:
            SetCursor(link_hand_);
            return TRUE;
          case form::Pointer::Default:
            break;
        }
      }
      break;
    case WM_COMMAND:
      if (HIWORD(wparam) == EN_CHANGE && LOWORD(wparam) == kFirstBoxId) {
        Text1_Change(*this, services_);
        return 0;
      }
      if (HIWORD(wparam) == EN_SETFOCUS) last_focus_ = reinterpret_cast<HWND>(lparam);
      break;
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORSTATIC:
      for (int i = 0; i < form::kTextBoxCount; ++i) {
        if (reinterpret_cast<HWND>(lparam) != boxes_[i]) continue;
        const Box box = static_cast<Box>(i);
        HDC dc = reinterpret_cast<HDC>(wparam);
        SetTextColor(dc, ColourOf(DesignOf(box).colour));
        SetBkColor(dc, DesignOf(box).read_only ? ColourOf(form::kPanel) : GetSysColor(COLOR_WINDOW));
        return reinterpret_cast<LRESULT>(BrushOf(box));
      }
      break;
    case WM_SETFOCUS:
      SetFocus(last_focus_ != nullptr ? last_focus_ : BoxWindow(Box::Text1));
      return 0;
    case WM_SIZE:
      // On minimize the notification-area icon takes the window's place.
      tray::Form_Resize(*this, tray_);
      return 0;
    case WM_ERASEBKGND:
      return 1;
    case WM_PAINT:
      Paint();
      return 0;
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
    case WM_NCDESTROY: {
      DetachTrayModule(window_);
      const LRESULT result = DefWindowProcA(window_, message, wparam, lparam);
      window_ = nullptr;
      tooltip_ = nullptr;
      return result;
    }
    default:
      break;
  }
  return DefWindowProcA(window_, message, wparam, lparam);
}

LRESULT CALLBACK AbcWindow::BoxProcedure(HWND box, UINT message, WPARAM wparam, LPARAM lparam) {
  auto* self = reinterpret_cast<AbcWindow*>(GetWindowLongPtrW(box, GWLP_USERDATA));
  return self->OnBoxMessage(GetDlgCtrlID(box) - kFirstBoxId, message, wparam, lparam);
}

LRESULT AbcWindow::OnBoxMessage(int box, UINT message, WPARAM wparam, LPARAM lparam) {
  const HWND handle = boxes_[box];
  if (message == WM_LBUTTONDOWN) box_pressed_[box] = true;
  static_assert(form::kText1MaxLength > 1, "a limit one unit lower is still a limit");
  ++box_messages_in_progress_[box];
  const LRESULT result = box_controls_[box].Call(message, wparam, lparam);
  // The captions' ends once the box is done with a message, with the ones
  // it sent itself on the way (its selection, its text). A message may go on
  // for as long as the user likes, its context menu's loop running inside
  // it, while the box takes the focus and paints within: so the ends are
  // also drawn after every message the box draws itself on, at any depth.
  const bool outermost = --box_messages_in_progress_[box] == 0;
  const bool drew_itself = message == WM_PAINT || message == WM_NCPAINT || message == WM_ERASEBKGND ||
                           message == WM_PRINTCLIENT || message == WM_SETFOCUS;
  if ((outermost || drew_itself) && message != WM_DESTROY && message != WM_NCDESTROY && IsWindowVisible(handle))
    DrawLabelEndsOver(box);
  // A click is a left press in the box and its release; it copies the text
  // on every click, the one that only places the caret as well.
  if (message == WM_LBUTTONUP && box_pressed_[box]) {
    box_pressed_[box] = false;
    OnBoxClicked(box);
  }
  return result;
}

}  // namespace tavrel::win32
