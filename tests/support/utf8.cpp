#include "tests/support/utf8.h"

namespace tavrel::testing {

std::string Utf8(std::u16string_view text) {
  std::string out;
  for (std::size_t i = 0; i < text.size(); ++i) {
    char32_t c = text[i];
    if (c >= 0xD800 && c < 0xDC00 && i + 1 < text.size() && text[i + 1] >= 0xDC00 && text[i + 1] < 0xE000)
      c = 0x10000 + ((c - 0xD800) << 10) + (text[++i] - 0xDC00);
    if (c < 0x80) {
      out += static_cast<char>(c);
    } else if (c < 0x800) {
      out += static_cast<char>(0xC0 | c >> 6);
      out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
      out += static_cast<char>(0xE0 | c >> 12);
      out += static_cast<char>(0x80 | (c >> 6 & 0x3F));
      out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
      out += static_cast<char>(0xF0 | c >> 18);
      out += static_cast<char>(0x80 | (c >> 12 & 0x3F));
      out += static_cast<char>(0x80 | (c >> 6 & 0x3F));
      out += static_cast<char>(0x80 | (c & 0x3F));
    }
  }
  return out;
}

std::optional<std::u16string> Utf16FromUtf8(std::string_view text) {
  std::u16string out;
  const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(text[k]); };
  const auto trail = [&](std::size_t k) { return k < text.size() && (byte(k) & 0xC0) == 0x80; };
  for (std::size_t i = 0; i < text.size();) {
    if (byte(i) < 0x80) {
      out += static_cast<char16_t>(byte(i));
      i += 1;
    } else if ((byte(i) & 0xE0) == 0xC0 && trail(i + 1)) {
      out += static_cast<char16_t>((byte(i) & 0x1F) << 6 | (byte(i + 1) & 0x3F));
      i += 2;
    } else if ((byte(i) & 0xF0) == 0xE0 && trail(i + 1) && trail(i + 2)) {
      out += static_cast<char16_t>((byte(i) & 0x0F) << 12 | (byte(i + 1) & 0x3F) << 6 | (byte(i + 2) & 0x3F));
      i += 3;
    } else {
      return std::nullopt;
    }
  }
  return out;
}

}  // namespace tavrel::testing
