#include "tavrel/form/limited_insertion.h"

#include <algorithm>

#include "lookup/surrogates.h"

namespace tavrel::form {

std::u16string WithoutLoneHalves(std::u16string_view insertion) {
  std::u16string whole;
  whole.reserve(insertion.size());
  for (std::size_t at = 0; at < insertion.size(); at += CharacterLength(insertion, at)) {
    if (CharacterLength(insertion, at) == 2)
      whole.append(insertion.substr(at, 2));
    else if (!IsSurrogate(insertion[at]))
      whole += insertion[at];
  }
  return whole;
}

int RoomLeft(int limit, int text_length, int selection_length) {
  return std::max(0, limit - (text_length - selection_length));
}

std::size_t UnitsThatFit(std::u16string_view insertion, int room) {
  const auto fit = static_cast<std::size_t>(std::max(0, room));
  if (insertion.size() <= fit) return insertion.size();
  if (fit > 0 && IsHighSurrogate(insertion[fit - 1]) && IsLowSurrogate(insertion[fit])) return fit - 1;
  return fit;
}

bool TypedUnitLeavesHalf(char16_t unit, char16_t before_caret, int room) {
  if (room <= 0) return false;
  if (IsHighSurrogate(unit)) return room == 1;
  if (IsLowSurrogate(unit)) return !IsHighSurrogate(before_caret);
  return false;
}

}  // namespace tavrel::form
