// Stand-ins for system code pages other than 936, each given by its two
// conversions as the system makes them, so that the core's rules
// (ConvertingCodePage) turn them into ANSI values and bytes.
#pragma once

#include <algorithm>
#include <cstddef>
#include <span>
#include <string>
#include <string_view>

#include "lookup/code_page_text.h"

namespace tavrel::testing {

// The contract of a conversion: the whole converted text into out, or its
// length when out is empty, or 0 when out is too short.
template <typename Unit>
std::size_t CopyConverted(std::basic_string_view<Unit> converted, std::span<Unit> out) {
  if (out.empty()) return converted.size();
  if (out.size() < converted.size()) return 0;
  std::copy(converted.begin(), converted.end(), out.begin());
  return converted.size();
}

// UTF-8 (65001) as Windows converts it: one to three bytes for a code unit,
// four for a surrogate pair, and U+FFFD's three bytes EF BF BD for a lone
// half of a pair; back, every byte that begins no well-formed sequence
// becomes U+FFFD. A Chinese character takes three bytes.
class Utf8CodePage final : public ConvertingCodePage {
 private:
  std::size_t ConvertToBytes(std::u16string_view text, std::span<char> out) const override;
  std::size_t ConvertFromBytes(std::string_view bytes, std::span<char16_t> out) const override;
};

// A Western code page such as 1252: one byte for every character, U+0000 to
// U+00FF as that byte (Latin-1, close enough to 1252 for the lookup), and the
// default character "?" for every other one, as Windows converts it.
class WesternCodePage final : public ConvertingCodePage {
 private:
  std::size_t ConvertToBytes(std::u16string_view text, std::span<char> out) const override;
  std::size_t ConvertFromBytes(std::string_view bytes, std::span<char16_t> out) const override;
};

}  // namespace tavrel::testing
