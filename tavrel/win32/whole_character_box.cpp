#include "tavrel/win32/whole_character_box.h"

#include <imm.h>

#include <algorithm>
#include <optional>
#include <string>
#include <string_view>

#include "lookup/surrogates.h"
#include "tavrel/win32/box_text.h"
#include "tavrel/window/limited_insertion.h"
#include "tavrel/window/whole_character_editing.h"
#include "windows/wide_text.h"

namespace tavrel::win32 {
namespace {

using window::Heading;
using window::UnitSpan;

UnitSpan SelectionOf(HWND box) {
  DWORD start = 0, end = 0;
  SendMessageW(box, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
  return {start, end};
}

int LimitOf(HWND box) { return static_cast<int>(SendMessageW(box, EM_GETLIMITTEXT, 0, 0)); }

int RoomIn(HWND box) {
  const UnitSpan selection = SelectionOf(box);
  return window::RoomLeft(LimitOf(box), GetWindowTextLengthW(box),
                          static_cast<int>(selection.end - selection.start));
}

// The unit just before the place a typed character goes to, 0 at the start.
char16_t UnitBeforeSelection(HWND box) {
  const std::size_t start = SelectionOf(box).start;
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
      // Up to the NUL that ends it, and never past the block that holds it.
      const std::u16string_view block(units, GlobalSize(data) / sizeof(char16_t));
      text = block.substr(0, block.find(u'\0'));
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

// Passes the message on, and for one that puts text in place of the
// selection keeps the insertion whole.
LRESULT CallInsertingWholeCharacters(WNDPROC procedure, HWND box, UINT message, WPARAM wparam, LPARAM lparam) {
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

bool IsHeld(int key) { return GetKeyState(key) < 0; }

// Backspace and Delete with nothing selected take one unit; where that is
// half a pair, the whole pair is selected first, and the control takes it in
// the one change it makes of its text. Shift+Delete cuts and Ctrl+Delete
// takes the rest of the line: neither takes half a character.
void SelectWholeCharacterToDelete(WNDPROC procedure, HWND box, UINT message, WPARAM wparam) {
  const bool backspace = message == WM_CHAR && wparam == VK_BACK;
  const bool del = message == WM_KEYDOWN && wparam == VK_DELETE && !IsHeld(VK_SHIFT) && !IsHeld(VK_CONTROL);
  if (!backspace && !del) return;
  const UnitSpan selection = SelectionOf(box);
  if (selection.start != selection.end) return;
  const std::u16string text = TextOf(box);
  const UnitSpan character =
      backspace ? window::CharacterBefore(text, selection.start) : window::CharacterAfter(text, selection.start);
  if (character.end - character.start > 1)
    CallWindowProcW(procedure, box, EM_SETSEL, character.start, static_cast<LPARAM>(character.end));
}

// The messages on which the control moves its caret or its selection.
bool MovesTheSelection(UINT message) {
  switch (message) {
    case WM_KEYDOWN:
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_MOUSEMOVE:
    case WM_LBUTTONUP:
    case WM_TIMER:  // a drag past the box's edge goes on while the text scrolls
    case EM_SETSEL:
      return true;
    default:
      return false;
  }
}

// The way a caret key sends the caret; nothing for other keys and messages.
std::optional<Heading> HeadingOf(UINT message, WPARAM key) {
  if (message != WM_KEYDOWN) return std::nullopt;
  switch (key) {
    case VK_LEFT:
    case VK_UP:
    case VK_HOME:
    case VK_PRIOR:
      return Heading::Back;
    case VK_RIGHT:
    case VK_DOWN:
    case VK_END:
    case VK_NEXT:
      return Heading::On;
    default:
      return std::nullopt;
  }
}

// Calls the control, then moves an end of the selection that the message
// left between the halves of a pair over the whole character. The selection
// is set through the control's own procedure, which does not come back here.
template <typename Call>
LRESULT KeepingTheSelectionWhole(WNDPROC procedure, HWND box, UINT message, WPARAM wparam, Call call) {
  if (!MovesTheSelection(message)) return call();
  const UnitSpan before = SelectionOf(box);
  const LRESULT result = call();
  const UnitSpan after = SelectionOf(box);
  if (after == before) return result;
  const std::optional<window::Selection> whole =
      window::SelectionOnWholeCharacters(TextOf(box), before, after, HeadingOf(message, wparam));
  if (whole) CallWindowProcW(procedure, box, EM_SETSEL, whole->anchor, static_cast<LPARAM>(whole->caret));
  return result;
}

}  // namespace

LRESULT CallKeepingCharactersWhole(WNDPROC procedure, HWND box, UINT message, WPARAM wparam, LPARAM lparam) {
  SelectWholeCharacterToDelete(procedure, box, message, wparam);
  return KeepingTheSelectionWhole(procedure, box, message, wparam, [&] {
    return CallInsertingWholeCharacters(procedure, box, message, wparam, lparam);
  });
}

LRESULT CallKeepingSelectionWhole(WNDPROC procedure, HWND box, UINT message, WPARAM wparam, LPARAM lparam) {
  return KeepingTheSelectionWhole(procedure, box, message, wparam,
                                  [&] { return CallWindowProcW(procedure, box, message, wparam, lparam); });
}

}  // namespace tavrel::win32
