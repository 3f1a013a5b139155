#include "tavrel/win32/whole_character_box.h"

#include <imm.h>

#include <algorithm>
#include <string>
#include <string_view>

#include "lookup/surrogates.h"
#include "tavrel/win32/box_text.h"
#include "tavrel/window/limited_insertion.h"
#include "windows/wide_text.h"

namespace tavrel::win32 {
namespace {

using windows::WideUnits;

struct Selection {
  DWORD start = 0, end = 0;
};

Selection SelectionOf(HWND box) {
  Selection selection;
  SendMessageW(box, EM_GETSEL, reinterpret_cast<WPARAM>(&selection.start),
               reinterpret_cast<LPARAM>(&selection.end));
  return selection;
}

int LimitOf(HWND box) { return static_cast<int>(SendMessageW(box, EM_GETLIMITTEXT, 0, 0)); }

int RoomIn(HWND box) {
  const Selection selection = SelectionOf(box);
  return window::RoomLeft(LimitOf(box), GetWindowTextLengthW(box),
                          static_cast<int>(selection.end - selection.start));
}

// The unit just before the place a typed character goes to, 0 at the start.
char16_t UnitBeforeSelection(HWND box) {
  const DWORD start = SelectionOf(box).start;
  const std::u16string text = TextOf(box);
  return start > 0 && start <= text.size() ? text[start - 1] : u'\0';
}

// The Unicode text on the clipboard; empty when there is none or the
// clipboard cannot be opened, and then the control pastes nothing either.
std::u16string ClipboardText(HWND box) {
  if (!OpenClipboard(box)) return {};
  std::u16string text;
  if (HANDLE data = GetClipboardData(CF_UNICODETEXT); data != nullptr) {
    if (const auto* units = static_cast<const char16_t*>(GlobalLock(data)); units != nullptr) {
      text = units;
      GlobalUnlock(data);
    }
  }
  CloseClipboard();
  return text;
}

std::u16string CompositionString(HIMC context, DWORD part) {
  const LONG bytes = ImmGetCompositionStringW(context, part, nullptr, 0);
  if (bytes <= 0) return {};
  std::u16string text(static_cast<std::size_t>(bytes) / sizeof(char16_t), u'\0');
  ImmGetCompositionStringW(context, part, text.data(), static_cast<DWORD>(bytes));
  return text;
}

// What an input method's message puts into the box: its result, then the
// new composition, which the control shows in its text while it lasts.
std::u16string InputMethodText(HWND box, LPARAM parts) {
  HIMC context = ImmGetContext(box);
  if (context == nullptr) return {};
  std::u16string text;
  if (parts & GCS_RESULTSTR) text += CompositionString(context, GCS_RESULTSTR);
  if (parts & GCS_COMPSTR) text += CompositionString(context, GCS_COMPSTR);
  ImmReleaseContext(box, context);
  return text;
}

// Shift+Insert pastes without a WM_PASTE.
bool IsPasteKey(WPARAM key) { return key == VK_INSERT && GetKeyState(VK_SHIFT) < 0; }

// Whether the control, which takes as many units as there is room for, would
// end the insertion with the high half of a pair.
bool WouldSplitAPair(std::u16string_view insertion, int room) {
  return window::UnitsThatFit(insertion, room) < std::min(insertion.size(), static_cast<std::size_t>(room));
}

}  // namespace

LRESULT CallKeepingCharactersWhole(WNDPROC procedure, HWND box, UINT message, WPARAM wparam, LPARAM lparam) {
  std::u16string insertion;  // what the message puts in place of the selection
  switch (message) {
    case WM_PASTE:
      insertion = ClipboardText(box);
      break;
    case WM_KEYDOWN:
      if (IsPasteKey(wparam)) insertion = ClipboardText(box);
      break;
    case EM_REPLACESEL:
      if (lparam != 0) insertion = reinterpret_cast<const char16_t*>(lparam);
      break;
    case WM_IME_COMPOSITION:
      insertion = InputMethodText(box, lparam);
      break;
    case WM_IME_CHAR:
      // An input method's character is typed at once, where the system
      // would post it on as a WM_CHAR for later, so that a pair's low half
      // finds its high half already in place.
      message = WM_CHAR;
      [[fallthrough]];
    case WM_CHAR:
      // Only a half of a pair can be left half: the box is read for no other.
      if (IsSurrogate(static_cast<char16_t>(wparam)) &&
          window::TypedUnitLeavesHalf(static_cast<char16_t>(wparam), UnitBeforeSelection(box), RoomIn(box)))
        return 0;
      break;
    default:
      break;
  }
  if (insertion.empty() || !WouldSplitAPair(insertion, RoomIn(box)))
    return CallWindowProcW(procedure, box, message, wparam, lparam);

  // For this message alone the limit is one unit lower: the control ends the
  // insertion before the pair, in the one change it makes of its text.
  const int limit = LimitOf(box);
  SendMessageW(box, EM_LIMITTEXT, static_cast<WPARAM>(limit - 1), 0);
  const LRESULT result = CallWindowProcW(procedure, box, message, wparam, lparam);
  SendMessageW(box, EM_LIMITTEXT, static_cast<WPARAM>(limit), 0);
  return result;
}

}  // namespace tavrel::win32
