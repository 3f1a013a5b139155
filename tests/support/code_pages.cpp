#include "tests/support/code_pages.h"

#include "tests/support/utf8.h"

namespace tavrel::testing {
namespace {

constexpr char16_t kReplacementCharacter = 0xFFFD;

// The character that the well-formed UTF-8 sequence at `at` encodes, and its
// length; a length of 0 when none begins there.
struct Decoded {
  char32_t character;
  std::size_t length;
};

Decoded DecodeAt(std::string_view bytes, std::size_t at) {
  const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(bytes[k]); };
  const unsigned char lead = byte(at);
  if (lead < 0x80) return {lead, 1};
  std::size_t length = 0;
  char32_t character = 0;
  char32_t least = 0;
  if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2, character = lead & 0x1F, least = 0x80;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3, character = lead & 0x0F, least = 0x800;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4, character = lead & 0x07, least = 0x10000;
  } else {
    return {0, 0};
  }
  if (at + length > bytes.size()) return {0, 0};
  for (std::size_t k = 1; k < length; ++k) {
    if ((byte(at + k) & 0xC0) != 0x80) return {0, 0};
    character = character << 6 | (byte(at + k) & 0x3F);
  }
  if (character < least || character > 0x10FFFF || (character >= 0xD800 && character <= 0xDFFF)) return {0, 0};
  return {character, length};
}

}  // namespace

std::size_t Utf8CodePage::ConvertToBytes(std::u16string_view text, std::span<char> out) const {
  if (text.empty()) return 0;
  std::u16string well_formed(text);
  for (std::size_t at = 0; at < well_formed.size(); at += CharacterLength(well_formed, at)) {
    if (IsSurrogate(well_formed[at]) && CharacterLength(well_formed, at) == 1) well_formed[at] = kReplacementCharacter;
  }
  return CopyConverted<char>(Utf8(well_formed), out);
}

std::size_t Utf8CodePage::ConvertFromBytes(std::string_view bytes, std::span<char16_t> out) const {
  if (bytes.empty()) return 0;
  std::u16string text;
  for (std::size_t at = 0; at < bytes.size();) {
    const Decoded decoded = DecodeAt(bytes, at);
    if (decoded.length == 0) {
      text += kReplacementCharacter;
      ++at;
    } else if (decoded.character >= 0x10000) {
      text += static_cast<char16_t>(0xD800 + ((decoded.character - 0x10000) >> 10));
      text += static_cast<char16_t>(0xDC00 + ((decoded.character - 0x10000) & 0x3FF));
      at += decoded.length;
    } else {
      text += static_cast<char16_t>(decoded.character);
      at += decoded.length;
    }
  }
  return CopyConverted<char16_t>(text, out);
}

std::size_t WesternCodePage::ConvertToBytes(std::u16string_view text, std::span<char> out) const {
  std::string bytes;
  for (const char16_t unit : text) bytes += unit <= 0xFF ? static_cast<char>(unit) : '?';
  return CopyConverted<char>(bytes, out);
}

std::size_t WesternCodePage::ConvertFromBytes(std::string_view bytes, std::span<char16_t> out) const {
  std::u16string text;
  for (const char byte : bytes) text += static_cast<char16_t>(static_cast<unsigned char>(byte));
  return CopyConverted<char16_t>(text, out);
}

}  // namespace tavrel::testing
