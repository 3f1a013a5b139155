// Half characters in UTF-16 text, for tests of what a box may hold.
#pragma once

#include <cstddef>
#include <cstdio>
#include <string>

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

// The text's units for a test's message: printable ASCII as it is, a whole
// pair as "[U+20000]", and every other unit, a lone half among them, as
// "<D840>".
template <typename Text>
std::string DescribedUnits(const Text& text) {
  std::string described;
  char buffer[16];
  for (std::size_t i = 0; i < text.size(); ++i) {
    const auto unit = static_cast<char16_t>(text[i]);
    if (unit >= 0x20 && unit < 0x7F) {
      described += static_cast<char>(unit);
    } else if (IsHighSurrogate(unit) && i + 1 < text.size() && IsLowSurrogate(static_cast<char16_t>(text[i + 1]))) {
      const auto low = static_cast<char16_t>(text[i + 1]);
      const unsigned long code = 0x10000ul + ((unit - 0xD800ul) << 10) + (low - 0xDC00ul);
      std::snprintf(buffer, sizeof buffer, "[U+%lX]", code);
      described += buffer;
      ++i;
    } else {
      std::snprintf(buffer, sizeof buffer, "<%04X>", static_cast<unsigned>(unit));
      described += buffer;
    }
  }
  return described;
}

}  // namespace tavrel::testing
