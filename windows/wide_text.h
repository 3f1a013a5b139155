// UTF-16 text as the system's wide characters, without a copy: on Windows a
// wchar_t is one UTF-16 code unit.
#pragma once

#include <string_view>

namespace windows {

static_assert(sizeof(wchar_t) == sizeof(char16_t));

// A text that ends with a null (std::u16string, or any text with c_str()), as
// a wide string for a call that reads up to the null.
template <typename Text>
const wchar_t* WideString(const Text& text) {
  return reinterpret_cast<const wchar_t*>(text.c_str());
}

// The units of a text as wide characters, for a call that takes the length
// beside them, or that writes them.
inline const wchar_t* WideUnits(std::u16string_view text) { return reinterpret_cast<const wchar_t*>(text.data()); }
inline wchar_t* WideUnits(char16_t* units) { return reinterpret_cast<wchar_t*>(units); }

}  // namespace windows
