#pragma once

#include <string>
#include <string_view>

namespace tavrel {

// Removes U+0020 at both ends, as many as there are. A tab, an ideographic
// space U+3000 and every other character stay.
constexpr std::u16string_view TrimSpaces(std::u16string_view text) {
  const std::size_t first = text.find_first_not_of(u' ');
  if (first == std::u16string_view::npos) return {};
  const std::size_t last = text.find_last_not_of(u' ');
  return text.substr(first, last - first + 1);
}

// The same, in place.
inline void TrimSpacesInPlace(std::u16string& text) {
  const std::u16string_view kept = TrimSpaces(text);
  const std::size_t first = kept.empty() ? 0 : static_cast<std::size_t>(kept.data() - text.data());
  text.erase(first + kept.size());
  text.erase(0, first);
}

}  // namespace tavrel
