// Half characters in UTF-16 text, for tests of what a box may hold.
#pragma once

#include <cstddef>

#include "lookup/surrogates.h"

namespace tavrel::testing {

// Whether the text (a std::u16string or a std::wstring of UTF-16) holds a
// surrogate half without its other half.
template <typename Text>
bool HoldsHalfCharacter(const Text& text) {
  const auto is_high = [](auto unit) { return IsHighSurrogate(static_cast<char16_t>(unit)); };
  const auto is_low = [](auto unit) { return IsLowSurrogate(static_cast<char16_t>(unit)); };
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (is_low(text[i])) return true;
    if (!is_high(text[i])) continue;
    if (i + 1 == text.size() || !is_low(text[i + 1])) return true;
    ++i;
  }
  return false;
}

}  // namespace tavrel::testing
