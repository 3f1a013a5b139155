#include "tavrel/win32/whole_character_box.h"

#include <windowsx.h>

#include <algorithm>
#include <optional>
#include <string>
#include <string_view>

#include "lookup/surrogates.h"
#include "tavrel/form/limited_insertion.h"
#include "tavrel/form/whole_character_editing.h"
#include "tavrel/win32/box_insertion.h"
#include "tavrel/win32/box_text.h"
#include "tavrel/win32/pair_on_screen.h"

namespace tavrel::win32 {
namespace {

using form::Heading;
using form::Selection;
using form::SelectionStep;
using form::UnitSpan;

// Whether the key is down, as the keyboard stood at the message in hand.
bool IsKeyDown(int key) { return GetKeyState(key) < 0; }

// The way a caret key sends the caret; nothing for any other key.
std::optional<Heading> HeadingOfCaretKey(WPARAM key) {
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

// What the message does to the selection as the control handles it, told
// before the control has it: a drag goes on while the control has the mouse.
SelectionStep StepOf(HWND box, UINT message, WPARAM wparam) {
  switch (message) {
    case WM_KEYDOWN:
      return HeadingOfCaretKey(wparam) && IsKeyDown(VK_SHIFT) ? SelectionStep::kCaretMoves : SelectionStep::kOther;
    case WM_LBUTTONDOWN:
      return (wparam & MK_SHIFT) != 0 ? SelectionStep::kCaretMoves : SelectionStep::kOther;
    case WM_LBUTTONDBLCLK:
      return SelectionStep::kMadeFromItsStart;
    case WM_MOUSEMOVE:
    case WM_TIMER:  // a drag past the box's edge goes on while the text scrolls
      return GetCapture() == box ? SelectionStep::kCaretMoves : SelectionStep::kOther;
    default:
      return SelectionStep::kOther;
  }
}

// Whether the control puts the caret where the pointer is, at the place the
// message carries: a press, and a step of a drag. A double click selects a
// word instead, and a release moves nothing.
bool PlacesTheCaretAtThePointer(UINT message, SelectionStep step) {
  return message == WM_LBUTTONDOWN || (message == WM_MOUSEMOVE && step == SelectionStep::kCaretMoves);
}

// The messages after which the control is gone, or no longer has a text.
bool EndsTheControl(UINT message) { return message == WM_DESTROY || message == WM_NCDESTROY; }

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
  const UnitSpan span = ControlSelection();
  selection_ = {span.start, span.end};
}

UnitSpan WholeCharacterBox::ControlSelection() const {
  DWORD start = 0, end = 0;
  Control(EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
  return {start, end};
}

// Through the control's own procedure, which does not come back here.
void WholeCharacterBox::Select(Selection selection) {
  Control(EM_SETSEL, selection.anchor, static_cast<LPARAM>(selection.caret));
  selection_ = selection;
}

LRESULT WholeCharacterBox::Call(UINT message, WPARAM wparam, LPARAM lparam) {
  if (EndsTheControl(message)) return Control(message, wparam, lparam);
  return CallKeepingTheSelectionWhole(message, wparam, lparam);
}

// Calls the control, tells the selection it made with its anchor from what
// the message is, and moves an end that the message left between the halves
// of a pair over the whole character.
LRESULT WholeCharacterBox::CallKeepingTheSelectionWhole(UINT message, WPARAM wparam, LPARAM lparam) {
  const UnitSpan shown_before = ControlSelection();
  const Selection before = selection_;
  const SelectionStep step = StepOf(box_, message, wparam);
  const bool at_the_pointer = PlacesTheCaretAtThePointer(message, step);
  std::optional<Selection> asked;
  if (message == EM_SETSEL)  // its places as the control reads them, in 32 bits
    asked = form::SelectionAskedFor(static_cast<int>(wparam), static_cast<int>(lparam), before,
                                    static_cast<std::size_t>(GetWindowTextLengthW(box_)));

  const LRESULT result = CallDeletingWholeCharacters(message, wparam, lparam);

  // A message that changed nothing tells nothing, also one that comes while
  // the control is in the middle of another, which tells the change whole.
  const UnitSpan shown = ControlSelection();
  if (shown == shown_before && !asked && step != SelectionStep::kMadeFromItsStart && !at_the_pointer)
    return result;
  // The messages that the control sent itself meanwhile have told theirs.
  const Selection made = asked && asked->Span() == shown ? *asked : form::SelectionMade(selection_, shown, step);
  selection_ = made;
  if (made == before && !at_the_pointer) return result;

  const std::u16string text = TextOf(box_);
  // Beside a pair, or between its halves, the pointer says where it goes.
  form::CaretAtThePointer caret_at_pointer;
  if (at_the_pointer)
    caret_at_pointer = [&, x = GET_X_LPARAM(lparam)](std::size_t caret) {
      return form::CaretNearerThePointer(text, caret, x,
                                         [&](std::size_t start) { return PairOnScreen(box_, text, start); });
    };
  const std::optional<Heading> key_heading =
      message == WM_KEYDOWN ? HeadingOfCaretKey(wparam) : std::nullopt;
  const Selection whole =
      form::SelectionOnWholeCharacters(text, before, made, step, key_heading, caret_at_pointer);
  if (whole != made) Select(whole);
  return result;
}

// Backspace and Delete with nothing selected take one unit, and so does
// Shift+Delete, which takes the character before the caret as Backspace does
// (with a selection it cuts, and Ctrl+Delete takes the rest of the line:
// whole characters). Where that unit is half of a pair, Backspace and Delete
// find the whole pair selected, and the control takes it in the one change it
// makes of its text. Shift+Delete would cut a selection to the clipboard: the
// box takes that pair itself, as the control clears a selection. With Ctrl,
// Backspace takes nothing, beside a pair as beside any other character.
LRESULT WholeCharacterBox::CallDeletingWholeCharacters(UINT message, WPARAM wparam, LPARAM lparam) {
  if (!typed_into_) return Control(message, wparam, lparam);
  const bool backspace = message == WM_CHAR && wparam == VK_BACK && !IsKeyDown(VK_CONTROL);
  const bool del = message == WM_KEYDOWN && wparam == VK_DELETE && !IsKeyDown(VK_CONTROL);
  if (!backspace && !del) return CallInsertingWholeCharacters(message, wparam, lparam);
  const UnitSpan selection = ControlSelection();
  if (!selection.Collapsed()) return Control(message, wparam, lparam);
  const bool backwards = backspace || IsKeyDown(VK_SHIFT);
  const std::u16string text = TextOf(box_);
  const UnitSpan character = backwards ? form::CharacterBefore(text, selection.start)
                                       : form::CharacterAfter(text, selection.start);
  if (character.end - character.start < 2) return Control(message, wparam, lparam);
  Select({character.start, character.end});
  if (del && backwards) return Control(WM_CLEAR, 0, 0);
  return Control(message, wparam, lparam);
}

// Passes the message on, and for one that puts text in place of the
// selection keeps the insertion whole.
LRESULT WholeCharacterBox::CallInsertingWholeCharacters(UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == WM_IME_CHAR) {
    // An input method's character is typed at once, where the system would
    // post it on as a WM_CHAR for later, so that a pair's low half finds its
    // high half already in place.
    message = WM_CHAR;
  }
  if (message == WM_CHAR) {
    // Only a half of a pair can be left half: the box is read for no other.
    const auto unit = static_cast<char16_t>(wparam);
    if (IsSurrogate(unit) && form::TypedUnitLeavesHalf(unit, UnitBeforeTheSelection(), Room())) return 0;
    return Control(message, wparam, lparam);
  }

  const std::optional<Insertion> insertion = InsertionOf(box_, message, wparam, lparam);
  if (!insertion || insertion->text.empty()) return Control(message, wparam, lparam);
  // A lone half is no character: the box puts in the rest itself, in place
  // of the selection, as the control would have put in all of it. An input
  // method's text goes in as the control takes it from the input context,
  // where it keeps its composition.
  const std::u16string whole =
      insertion->from_an_input_method ? insertion->text : form::WithoutLoneHalves(insertion->text);
  const int room = Room();
  // Not one whole character fits: the text and the selection stay as they
  // are, where the control would take the selection away for nothing.
  if (form::UnitsThatFit(whole, room) == 0) return 0;
  const auto insert = [&] {
    if (whole.size() == insertion->text.size()) return Control(message, wparam, lparam);
    Control(EM_REPLACESEL, message == EM_REPLACESEL ? wparam : TRUE, reinterpret_cast<LPARAM>(whole.c_str()));
    return LRESULT{0};
  };
  if (!WouldSplitAPair(whole, room)) return insert();

  // For this message alone the limit is one unit lower: the control ends the
  // insertion before the pair, in the one change it makes of its text.
  const int limit = Limit();
  Control(EM_LIMITTEXT, static_cast<WPARAM>(limit - 1), 0);
  const LRESULT result = insert();
  Control(EM_LIMITTEXT, static_cast<WPARAM>(limit), 0);
  return result;
}

int WholeCharacterBox::Limit() const { return static_cast<int>(Control(EM_GETLIMITTEXT, 0, 0)); }

int WholeCharacterBox::Room() const {
  const UnitSpan selection = ControlSelection();
  return form::RoomLeft(Limit(), GetWindowTextLengthW(box_), static_cast<int>(selection.end - selection.start));
}

char16_t WholeCharacterBox::UnitBeforeTheSelection() const {
  const std::size_t start = ControlSelection().start;
  const std::u16string text = TextOf(box_);
  return start > 0 && start <= text.size() ? text[start - 1] : u'\0';
}

}  // namespace tavrel::win32
