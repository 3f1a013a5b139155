#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace tavrel {

// The value of one UTF-16 code unit in the system ANSI code page, as a signed
// 16-bit number, made from the bytes that the unit alone converts to:
// - one byte gives that byte, 0 to 255;
// - two bytes give lead * 256 + trail read as signed, negative for every lead
//   byte from 0x80 up;
// - a longer code (three bytes of UTF-8, four of GB18030) gives its first two
//   bytes combined the same way. The lead byte of every code longer than one
//   byte is 0x80 or more (UTF-8's from 0xC2, the double-byte code pages' from
//   0x81), so such a value is negative;
// - a code unit the code page cannot represent converts to the default
//   character "?" and gives 63, and so does a conversion that fails;
// - a lone half of a surrogate pair represents no character in any code page
//   and gives "?", 63, on every code page, whatever the system would make of
//   it (UTF-8 would make it U+FFFD's three bytes).
// So a unit is plain exactly when it converts to one byte from 0 to 127. The
// halves of a pair are asked one by one, so a pair passes through as plain.
// No system code page takes more than kMostBytesOfAUnit bytes for one unit.
class AnsiCodePage {
 public:
  virtual ~AnsiCodePage() = default;
  virtual std::int16_t AnsiValue(char16_t unit) const = 0;
};

inline constexpr std::int16_t kDefaultCharacterValue = '?';
inline constexpr std::size_t kMostBytesOfAUnit = 4;

// Combines the bytes of a conversion into the signed 16-bit value above; no
// bytes, as of a failed conversion, give the default character.
constexpr std::int16_t AnsiValueOfBytes(std::string_view bytes) {
  if (bytes.empty()) return kDefaultCharacterValue;
  const auto lead = static_cast<unsigned char>(bytes[0]);
  if (bytes.size() == 1) return lead;
  return static_cast<std::int16_t>(lead << 8 | static_cast<unsigned char>(bytes[1]));
}

// Plain text, copied through unchanged, is 0 to 127; everything else is
// looked up.
constexpr bool IsPlain(std::int16_t ansi_value) { return ansi_value >= 0 && ansi_value <= 127; }

}  // namespace tavrel
