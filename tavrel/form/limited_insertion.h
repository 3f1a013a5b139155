// Text going into a box whose length is limited, in UTF-16 units: the box
// takes what fits and never half a character, so a cut that would fall
// between the two halves of a surrogate pair falls before the pair.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace tavrel::form {

// The insertion with every lone half of a pair left out: a lone half is no
// character, and the box takes the rest.
std::u16string WithoutLoneHalves(std::u16string_view insertion);

// The units a box can still take when an insertion replaces its selection:
// its limit less the text that stays; 0 when that is as long as the limit or
// longer.
int RoomLeft(int limit, int text_length, int selection_length);

// How many of the insertion's first units go into a box with that room: all
// of them when they fit; otherwise as many as the room holds, or one fewer
// where the last of them would be the high half of a pair.
std::size_t UnitsThatFit(std::u16string_view insertion, int room);

// Whether a unit typed on its own would leave half a character in a box with
// that room, where before_caret is the unit just before the place it goes to
// (0 at the start): a high half when only one unit of room is left, so that
// its low half cannot follow, or a low half that does not follow a high half.
// With no room left the box takes nothing anyway.
bool TypedUnitLeavesHalf(char16_t unit, char16_t before_caret, int room);

}  // namespace tavrel::form
