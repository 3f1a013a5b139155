#include "tavrel/win32/whole_character_box.h"

#include <imm.h>
#include <usp10.h>
#include <windowsx.h>

#include <algorithm>
#include <string>
#include <string_view>

#include "lookup/surrogates.h"
#include "tavrel/win32/box_text.h"
#include "tavrel/form/limited_insertion.h"
#include "tavrel/form/whole_character_editing.h"
#include "windows/wide_text.h"

namespace tavrel::win32 {
namespace {

using form::Heading;
using form::Selection;
using form::UnitSpan;

UnitSpan SelectionOf(HWND box) {
  DWORD start = 0, end = 0;
  SendMessageW(box, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
  return {start, end};
}

int LimitOf(HWND box) { return static_cast<int>(SendMessageW(box, EM_GETLIMITTEXT, 0, 0)); }

int RoomIn(HWND box) {
  const UnitSpan selection = SelectionOf(box);
  return form::RoomLeft(LimitOf(box), GetWindowTextLengthW(box),
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

bool IsHeld(int key) { return GetKeyState(key) < 0; }

// Shift+Insert pastes without a WM_PASTE.
bool IsPasteKey(WPARAM key) { return key == VK_INSERT && IsHeld(VK_SHIFT); }

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

// The messages of a drag with the left button, which keep its anchor.
bool GoesOnWithADrag(UINT message) {
  return message == WM_MOUSEMOVE || message == WM_TIMER || message == WM_LBUTTONUP;
}

// The messages on which the control puts the caret where the pointer is, at
// the place they carry: a press, and a move or the release of a drag. A
// double click selects a word instead.
bool PlacesTheCaretAtThePointer(UINT message) {
  return message == WM_LBUTTONDOWN || message == WM_MOUSEMOVE || message == WM_LBUTTONUP;
}

// The way a caret key sends the caret; nothing for other keys and messages.
std::optional<Heading> HeadingOfKey(UINT message, WPARAM key) {
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

// How wide a pair is laid out in the box's font: as the box lays out its
// text, with the fallback fonts that have the character.
int WidthOfPair(HWND box, std::u16string_view pair) {
  HDC dc = GetDC(box);
  HGDIOBJ previous = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(box, WM_GETFONT, 0, 0)));
  int width = 0;
  SCRIPT_STRING_ANALYSIS analysis = nullptr;
  if (SUCCEEDED(ScriptStringAnalyse(dc, pair.data(), static_cast<int>(pair.size()), 16, -1,
                                    SSA_GLYPHS | SSA_FALLBACK | SSA_LINK, 0, nullptr, nullptr, nullptr, nullptr,
                                    nullptr, &analysis))) {
    if (const SIZE* size = ScriptString_pSize(analysis); size != nullptr) width = size->cx;
    ScriptStringFree(&analysis);
  }
  SelectObject(dc, previous);
  ReleaseDC(box, dc);
  return width;
}

int LeftEdgeOf(HWND box, std::size_t unit) {
  return static_cast<short>(LOWORD(SendMessageW(box, EM_POSFROMCHAR, unit, 0)));
}

// Where the pair that starts at a unit of the box's text lies in the box:
// up to the next character's left edge, which the box tells; it tells none
// past the end of its text.
form::PixelSpan PairOnScreen(HWND box, std::u16string_view text, std::size_t start) {
  const int left = LeftEdgeOf(box, start);
  if (start + 2 < text.size()) return {left, LeftEdgeOf(box, start + 2) - left};
  return {left, WidthOfPair(box, text.substr(start, 2))};
}

// Whether the control, which takes as many units as there is room for, would
// end the insertion with the high half of a pair.
bool WouldSplitAPair(std::u16string_view insertion, int room) {
  return form::UnitsThatFit(insertion, room) < std::min(insertion.size(), static_cast<std::size_t>(room));
}

}  // namespace

void WholeCharacterBox::Attach(HWND box, WNDPROC control_procedure, bool typed_into) {
  box_ = box;
  procedure_ = control_procedure;
  typed_into_ = typed_into;
}

LRESULT WholeCharacterBox::Call(UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == WM_CAPTURECHANGED) drag_anchor_.reset();
  if (!MovesTheSelection(message)) return CallEditingWholeCharacters(message, wparam, lparam);
  return CallKeepingTheSelectionWhole(message, wparam, lparam);
}

// Calls the control, then moves an end of the selection that the message
// left between the halves of a pair over the whole character. The selection
// is set through the control's own procedure, which does not come back here.
LRESULT WholeCharacterBox::CallKeepingTheSelectionWhole(UINT message, WPARAM wparam, LPARAM lparam) {
  const std::optional<std::size_t> anchor = GoesOnWithADrag(message) ? drag_anchor_ : std::nullopt;
  // A press puts the caret where the pointer is, and so does a drag, while
  // the control has the mouse.
  const bool at_the_pointer =
      message == WM_LBUTTONDOWN || (PlacesTheCaretAtThePointer(message) && GetCapture() == box_);
  const UnitSpan before = SelectionOf(box_);
  const LRESULT result = CallEditingWholeCharacters(message, wparam, lparam);
  const UnitSpan after = SelectionOf(box_);
  if (message == WM_LBUTTONUP) drag_anchor_.reset();
  if (after == before && !at_the_pointer) return result;

  const std::u16string text = TextOf(box_);
  // Beside a pair, or between its halves, the pointer says where it goes.
  form::CaretAtThePointer caret_at_pointer;
  if (at_the_pointer)
    caret_at_pointer = [&, x = GET_X_LPARAM(lparam)](std::size_t caret) {
      return form::CaretNearerThePointer(text, caret, x,
                                         [&](std::size_t start) { return PairOnScreen(box_, text, start); });
    };
  const std::optional<Selection> whole = form::SelectionOnWholeCharacters(
      text, before, after, HeadingOfKey(message, wparam), anchor, caret_at_pointer);
  if (whole) Control(EM_SETSEL, whole->anchor, static_cast<LPARAM>(whole->caret));
  // A press that the control goes on to drag from: the selection is anchored
  // where it went down.
  if (message == WM_LBUTTONDOWN && GetCapture() == box_)
    drag_anchor_ = whole ? whole->anchor : form::MoveOf(before, after).selection.anchor;
  return result;
}

// Backspace and Delete with nothing selected take one unit, and so does
// Shift+Delete, which takes the character before the caret as Backspace does
// (with a selection it cuts, and Ctrl+Delete takes the rest of the line:
// whole characters). Where that unit is half of a pair, Backspace and Delete
// find the whole pair selected, and the control takes it in the one change it
// makes of its text. Shift+Delete would cut a selection to the clipboard: the
// box takes that pair itself, as the control clears a selection.
LRESULT WholeCharacterBox::CallEditingWholeCharacters(UINT message, WPARAM wparam, LPARAM lparam) {
  if (!typed_into_) return Control(message, wparam, lparam);
  const bool backspace = message == WM_CHAR && wparam == VK_BACK;
  const bool del = message == WM_KEYDOWN && wparam == VK_DELETE && !IsHeld(VK_CONTROL);
  if (!backspace && !del) return CallInsertingWholeCharacters(message, wparam, lparam);
  const UnitSpan selection = SelectionOf(box_);
  if (selection.start != selection.end) return Control(message, wparam, lparam);
  const bool backwards = backspace || IsHeld(VK_SHIFT);
  const std::u16string text = TextOf(box_);
  const UnitSpan character = backwards ? form::CharacterBefore(text, selection.start)
                                       : form::CharacterAfter(text, selection.start);
  if (character.end - character.start < 2) return Control(message, wparam, lparam);
  Control(EM_SETSEL, character.start, static_cast<LPARAM>(character.end));
  if (del && backwards) return Control(WM_CLEAR, 0, 0);
  return Control(message, wparam, lparam);
}

// Passes the message on, and for one that puts text in place of the
// selection keeps the insertion whole.
LRESULT WholeCharacterBox::CallInsertingWholeCharacters(UINT message, WPARAM wparam, LPARAM lparam) {
  std::u16string insertion;  // what the message puts in place of the selection
  switch (message) {
    case WM_PASTE:
      insertion = ClipboardText(box_);
      break;
    case WM_KEYDOWN:
      if (IsPasteKey(wparam)) insertion = ClipboardText(box_);
      break;
    case EM_REPLACESEL:
      if (lparam != 0) insertion = reinterpret_cast<const char16_t*>(lparam);
      break;
    case WM_IME_COMPOSITION:
      insertion = InputMethodText(box_, lparam);
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
          form::TypedUnitLeavesHalf(static_cast<char16_t>(wparam), UnitBeforeSelection(box_), RoomIn(box_)))
        return 0;
      break;
    default:
      break;
  }
  if (insertion.empty()) return Control(message, wparam, lparam);
  const int room = RoomIn(box_);
  // Not one whole character fits: the text and the selection stay as they
  // are, where the control would take the selection away for nothing.
  if (form::UnitsThatFit(insertion, room) == 0) return 0;
  if (!WouldSplitAPair(insertion, room)) return Control(message, wparam, lparam);

  // For this message alone the limit is one unit lower: the control ends the
  // insertion before the pair, in the one change it makes of its text.
  const int limit = LimitOf(box_);
  SendMessageW(box_, EM_LIMITTEXT, static_cast<WPARAM>(limit - 1), 0);
  const LRESULT result = Control(message, wparam, lparam);
  SendMessageW(box_, EM_LIMITTEXT, static_cast<WPARAM>(limit), 0);
  return result;
}

}  // namespace tavrel::win32
