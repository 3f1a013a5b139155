// A text repeated, for tests of what fits in a field or a box.
#pragma once

#include <string>
#include <string_view>

namespace tavrel::testing {

template <typename Char>
std::basic_string<Char> Repeated(std::basic_string_view<Char> text, int times) {
  std::basic_string<Char> repeated;
  for (int i = 0; i < times; ++i) repeated += text;
  return repeated;
}

inline std::u16string Repeated(std::u16string_view text, int times) { return Repeated<char16_t>(text, times); }
inline std::string Repeated(std::string_view bytes, int times) { return Repeated<char>(bytes, times); }

}  // namespace tavrel::testing
