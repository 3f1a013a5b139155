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

#include "tavrel/form/control_selection.h"

namespace tavrel::form {

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

// Where the pointer puts a caret that the control left at a unit, on a press
// or a step of a drag (CaretNearerThePointer).
using CaretAtThePointer = std::function<std::size_t(std::size_t caret)>;

// The selection to show in place of `made`, which the control made out of
// the box's `known` one in a step of that kind. A caret that the pointer
// placed goes where the pointer says, the anchor with it where the step
// collapses the selection (a press without Shift); then an end that still
// splits a pair goes over the whole character, the caret the way the key
// names when one is given (Left, Home, ...), else the way it went from its
// known place.
Selection SelectionOnWholeCharacters(std::u16string_view text, Selection known, Selection made, SelectionStep step,
                                     std::optional<Heading> key_heading,
                                     const CaretAtThePointer& caret_at_pointer = nullptr);

}  // namespace tavrel::form
