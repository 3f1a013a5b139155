#include "tests/tray/cp936_text.h"

namespace tavrel::testing {

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

std::u16string Cp936Text::FromBytes(std::string_view bytes) const {
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
  return text;
}

}  // namespace tavrel::testing
