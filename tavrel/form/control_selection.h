// The selection of an EDIT control as the user makes it: the end that stays
// where it began (the anchor) and the end with the caret, which moves. The
// control tells only the span between them; which end is which follows from
// the message that made it, so a box keeps its selection as its own state,
// told at each message from what that message is, and never guessed from
// which end kept its place.
#pragma once

#include <cstddef>
#include <cstdint>

namespace tavrel::form {

// Units of a box's text from start up to end, start <= end, as a box tells
// its selection.
struct UnitSpan {
  std::size_t start = 0, end = 0;
  bool Collapsed() const { return start == end; }
  friend bool operator==(const UnitSpan&, const UnitSpan&) = default;
};

struct Selection {
  std::size_t anchor = 0, caret = 0;
  bool Collapsed() const { return anchor == caret; }
  UnitSpan Span() const { return anchor <= caret ? UnitSpan{anchor, caret} : UnitSpan{caret, anchor}; }
  friend bool operator==(const Selection&, const Selection&) = default;
};

// What a message does to the selection, as the control handles it.
enum class SelectionStep {
  // The anchor stays and the caret goes where the control puts it: a caret
  // key or a press with Shift, and every step of a drag.
  kCaretMoves,
  // A selection made anew from its start to its end: a double click's word.
  kMadeFromItsStart,
  // Everything else: a press or a caret key without Shift, a release, a text
  // change. Where the span is the one the box knew, nothing moved; else the
  // control collapsed it at the caret, or made it anew from its start (all
  // of the text, an undone change).
  kOther,
};

// The selection the control made, the span `made`, out of the one the box
// knew: its anchor and its caret.
Selection SelectionMade(Selection known, UnitSpan made, SelectionStep step);

// The selection that EM_SETSEL asks for, with its arguments as signed
// values, in a text of that length: the anchor at the start and the caret at
// the end, where a negative end and any place past the text stand for the
// end of the text; a negative start keeps no selection, and leaves the caret
// where it was.
Selection SelectionAskedFor(std::intptr_t start, std::intptr_t end, Selection known, std::size_t length);

}  // namespace tavrel::form
