#include "lookup/code_page_text.h"

#include <algorithm>
#include <array>

namespace tavrel {

std::int16_t ConvertingCodePage::AnsiValue(char16_t unit) const {
  if (IsSurrogate(unit)) return kDefaultCharacterValue;
  std::array<char, kMostBytesOfAUnit> bytes{};
  const std::size_t count = std::min(ConvertToBytes(std::u16string_view(&unit, 1), bytes), bytes.size());
  return AnsiValueOfBytes(std::string_view(bytes.data(), count));
}

std::string ConvertingCodePage::ToBytes(std::u16string_view text) const {
  std::string bytes;
  for (std::size_t at = 0; at < text.size();) {
    const std::size_t length = CharacterLength(text, at);
    const std::u16string_view character = text.substr(at, length);
    at += length;
    std::array<char, 2 * kMostBytesOfAUnit> converted{};
    const std::size_t count =
        length == 1 && IsSurrogate(character[0]) ? 0 : std::min(ConvertToBytes(character, converted), converted.size());
    if (count == 0) {
      bytes += static_cast<char>(kDefaultCharacterValue);
    } else {
      bytes.append(converted.data(), count);
    }
  }
  return bytes;
}

std::u16string ConvertingCodePage::FromBytes(std::string_view bytes) const {
  const std::size_t size = ConvertFromBytes(bytes, {});
  if (size == 0) return {};
  std::u16string text(size, u'\0');
  text.resize(std::min(ConvertFromBytes(bytes, text), size));
  return text;
}

}  // namespace tavrel
