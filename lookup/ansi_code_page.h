#pragma once

#include <cstdint>

namespace tavrel {

// The value of one UTF-16 code unit in the system ANSI code page, as a signed
// 16-bit number: a one-byte code gives that byte (0 to 255), a two-byte code
// gives lead * 256 + trail read as signed (negative for every lead byte from
// 0x80 up), and a code unit the code page cannot represent gives the default
// character "?", 63.
class AnsiCodePage {
 public:
  virtual ~AnsiCodePage() = default;
  virtual std::int16_t AnsiValue(char16_t unit) const = 0;
};

// Combines the bytes of a conversion into the signed 16-bit value above.
constexpr std::int16_t AnsiValueOfBytes(unsigned char first, unsigned char second,
                                        int byte_count) {
  if (byte_count == 2) return static_cast<std::int16_t>(first << 8 | second);
  return static_cast<std::int16_t>(first);
}

// Whether the value is of a double-byte character: every lead byte is 0x80
// or more, so such a value is negative or above one byte.
constexpr bool IsDoubleByte(std::int16_t ansi_value) { return ansi_value < 0 || ansi_value > 0xFF; }

// Plain text, copied through unchanged, is 0 to 127; everything else is
// looked up.
constexpr bool IsPlain(std::int16_t ansi_value) { return ansi_value >= 0 && ansi_value <= 127; }

}  // namespace tavrel
