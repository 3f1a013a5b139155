// Text through the system's ANSI code page (CP_ACP), both ways, as the system
// converts it: a character the code page lacks becomes its default character.
#pragma once

#include <cstddef>
#include <span>
#include <string_view>

namespace windows {

// Each writes the converted text into out and returns its length; given an
// empty out, writes nothing and returns the length the whole text needs.
// Returns 0 for an empty text, and when the system cannot convert the text
// or out is too short for it.
std::size_t ConvertFromSystemCodePage(std::string_view bytes, std::span<char16_t> out);
std::size_t ConvertToSystemCodePage(std::u16string_view text, std::span<char> out);

// The whole text converted, as a new text of the caller's type: std::u16string
// or std::string, or any text made from a length and a fill unit that has
// data() and size().
template <typename Text>
Text FromSystemCodePage(std::string_view bytes) {
  Text text(ConvertFromSystemCodePage(bytes, {}), u'\0');
  ConvertFromSystemCodePage(bytes, std::span<char16_t>(text.data(), text.size()));
  return text;
}

template <typename Text>
Text ToSystemCodePage(std::u16string_view text) {
  Text bytes(ConvertToSystemCodePage(text, {}), '\0');
  ConvertToSystemCodePage(text, std::span<char>(bytes.data(), bytes.size()));
  return bytes;
}

}  // namespace windows
