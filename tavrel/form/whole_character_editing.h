// A box whose control moves its caret and deletes by UTF-16 unit, as Wine's
// EDIT does, can split the two halves of a surrogate pair on keys and clicks
// that know nothing of them: Backspace and Delete take half a character, the
// caret lands between the halves, a selection ends inside a character. These
// say what the box does instead, so that it always works on whole characters.
#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <string_view>

namespace tavrel::form {

// Units of a box's text from start up to end, start <= end, as a box tells
// its selection.
struct UnitSpan {
  std::size_t start = 0, end = 0;
  friend bool operator==(const UnitSpan&, const UnitSpan&) = default;
};

// A selection as the user makes it: the end that stays where it began, and
// the end with the caret, which moves.
struct Selection {
  std::size_t anchor = 0, caret = 0;
  friend bool operator==(const Selection&, const Selection&) = default;
};

// Which way the caret went: back towards the start of the text, or on towards
// its end.
enum class Heading { Back, On };

// Whether a place in the text lies between the two halves of a pair.
bool SplitsAPair(std::u16string_view text, std::size_t at);

// The whole character just before the caret, which Backspace removes, and the
// one just after it, which Delete removes; empty at the start and at the end
// of the text.
UnitSpan CharacterBefore(std::u16string_view text, std::size_t caret);
UnitSpan CharacterAfter(std::u16string_view text, std::size_t caret);

// The selection the control made, `after`, out of the one it had, `before`:
// which of its ends is the anchor, and which way the caret went. The anchor
// is the one given where the caller knows it (a drag's is where its button
// went down) and it is an end of `after`; else the end that kept its place.
struct CaretMove {
  Selection selection;
  Heading heading;
  friend bool operator==(const CaretMove&, const CaretMove&) = default;
};
CaretMove MoveOf(UnitSpan before, UnitSpan after, std::optional<std::size_t> anchor = std::nullopt);

// The selection on whole characters, nothing when neither end splits a pair:
// a caret between the halves of a pair goes over the whole character the
// heading's way; an anchor there widens the selection to take the whole
// character in; a collapsed selection stays collapsed.
std::optional<Selection> OnWholeCharacters(std::u16string_view text, Selection selection, Heading heading);

// Where the caret goes that a press or a drag of the pointer, at x in the
// box, put at `caret`. A control that knows nothing of pairs can put it
// between the halves of the one under the pointer, or beside it on the far
// side: where the caret splits a pair or touches one that lies under the
// pointer, it goes to that pair's boundary nearer the pointer; elsewhere it
// stays. pair_at tells where the pair that starts at a unit lies in the box.
struct PixelSpan {
  int left = 0, width = 0;
};
std::size_t CaretNearerThePointer(std::u16string_view text, std::size_t caret, int x,
                                  const std::function<PixelSpan(std::size_t)>& pair_at);

// The selection with its caret elsewhere: a collapsed one stays collapsed,
// the anchor of another stays where it is.
Selection WithCaretAt(Selection selection, std::size_t caret);

// Where the pointer puts a caret that the control left at a unit, on a press
// or a drag (CaretNearerThePointer).
using CaretAtThePointer = std::function<std::size_t(std::size_t caret)>;

// All in one: the selection to show in place of `after`, which the control
// made out of `before`; nothing when the control's own is whole. The anchor
// is told as MoveOf tells it; a caret that the pointer placed goes where the
// pointer says; then an end that still splits a pair goes over the whole
// character, the caret the way the key names when one is given (Left, Home,
// ...), else the way it went from `before`.
std::optional<Selection> SelectionOnWholeCharacters(std::u16string_view text, UnitSpan before, UnitSpan after,
                                                    std::optional<Heading> key_heading,
                                                    std::optional<std::size_t> anchor = std::nullopt,
                                                    const CaretAtThePointer& caret_at_pointer = nullptr);

}  // namespace tavrel::form
