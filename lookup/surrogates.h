// The halves of a surrogate pair, which stand together for one character
// beyond the Basic Multilingual Plane in UTF-16 text.
#pragma once

#include <cstddef>
#include <string_view>

namespace tavrel {

constexpr bool IsSurrogate(char16_t unit) { return unit >= 0xD800 && unit <= 0xDFFF; }
constexpr bool IsHighSurrogate(char16_t unit) { return unit >= 0xD800 && unit <= 0xDBFF; }
constexpr bool IsLowSurrogate(char16_t unit) { return unit >= 0xDC00 && unit <= 0xDFFF; }

// How many code units the character at `at` takes: two for a surrogate pair
// (a high half followed by a low half), one for any other unit, a lone half
// included.
constexpr std::size_t CharacterLength(std::u16string_view text, std::size_t at) {
  return at + 1 < text.size() && IsHighSurrogate(text[at]) && IsLowSurrogate(text[at + 1]) ? 2 : 1;
}

}  // namespace tavrel
