#include "tests/support/message_box_reader.h"

namespace win32_testing {
namespace {

std::wstring TextOf(HWND window) {
  wchar_t text[512] = {};
  GetWindowTextW(window, text, 512);
  return text;
}

// Counts the buttons and looks for a shown icon among the box's children.
// Wine draws the icon into a static control of its own, with no fixed id.
BOOL CALLBACK ReadChild(HWND child, LPARAM param) {
  auto* seen = reinterpret_cast<SeenMessageBox*>(param);
  wchar_t name[32] = {};
  GetClassNameW(child, name, 32);
  const std::wstring kind = name;
  if (kind == L"Button") {
    ++seen->buttons;
    if (GetDlgCtrlID(child) == IDOK) seen->has_ok = true;
  }
  const LONG style = GetWindowLongW(child, GWL_STYLE);
  if (kind == L"Static" && (style & SS_TYPEMASK) == SS_ICON && IsWindowVisible(child) &&
      SendMessageW(child, STM_GETICON, 0, 0) != 0)
    seen->has_icon = true;
  return TRUE;
}

}  // namespace

SeenMessageBox ReadMessageBox(HWND box) {
  SeenMessageBox seen;
  seen.caption = TextOf(box);
  wchar_t text[512] = {};
  GetDlgItemTextW(box, 0xFFFF, text, 512);  // the message
  seen.text = text;
  seen.owner = GetWindow(box, GW_OWNER);
  EnumChildWindows(box, ReadChild, reinterpret_cast<LPARAM>(&seen));
  return seen;
}

}  // namespace win32_testing
