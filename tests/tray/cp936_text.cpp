#include "tests/tray/cp936_text.h"

#include "tests/support/code_pages.h"

namespace tavrel::testing {
namespace {

// A value of code page 936 beyond one byte is a double-byte code: every lead
// byte is 0x81 or more.
bool IsDoubleByte(std::int16_t value) { return value < 0 || value > 0xFF; }

}  // namespace

Cp936Text::Cp936Text() {
  // Best-fit mappings give some codes more than one character (U+3197 also
  // becomes the code of 中); the ideograph is the one that a code stands for.
  for (unsigned unit = 0x80; unit <= 0xFFFF; ++unit) {
    const std::int16_t value = code_page_.AnsiValue(static_cast<char16_t>(unit));
    if (!IsDoubleByte(value)) continue;
    const auto code = static_cast<std::uint16_t>(value);
    if (unit >= 0x4E00 && unit <= 0x9FA5)
      characters_.insert_or_assign(code, static_cast<char16_t>(unit));
    else
      characters_.emplace(code, static_cast<char16_t>(unit));
  }
}

std::size_t Cp936Text::ConvertToBytes(std::u16string_view text, std::span<char> out) const {
  // Unit by unit, as Windows converts code page 936: the halves of a pair
  // become a "?" each.
  std::string bytes;
  for (const char16_t unit : text) {
    const std::int16_t value = code_page_.AnsiValue(unit);
    const auto code = static_cast<std::uint16_t>(value);
    if (IsDoubleByte(value)) bytes += static_cast<char>(code >> 8);
    bytes += static_cast<char>(code & 0xFF);
  }
  return CopyConverted<char>(bytes, out);
}

std::size_t Cp936Text::ConvertFromBytes(std::string_view bytes, std::span<char16_t> out) const {
  std::u16string text;
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    const auto lead = static_cast<unsigned char>(bytes[i]);
    if (lead >= 0x81 && lead <= 0xFE && i + 1 < bytes.size()) {
      const auto code = static_cast<std::uint16_t>(lead << 8 | static_cast<unsigned char>(bytes[i + 1]));
      const auto found = characters_.find(code);
      if (found != characters_.end()) {
        text += found->second;
        ++i;
        continue;
      }
    }
    text += lead == 0x80 ? u'\u20AC' : lead == 0xFF ? u'\uF8F5' : static_cast<char16_t>(lead);
  }
  return CopyConverted<char16_t>(text, out);
}

}  // namespace tavrel::testing
