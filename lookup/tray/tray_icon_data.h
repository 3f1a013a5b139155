// The notification-area icon's record (NOTIFYICONDATA) as the program keeps
// it, and its 88-byte ANSI layout as the shell takes it.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace tavrel::tray {

inline constexpr std::size_t kTipLength = 64;      // characters in the record, bytes in the layout
inline constexpr std::size_t kAnsiRecordSize = 88;

inline constexpr std::uint32_t kNifMessage = 1;
inline constexpr std::uint32_t kNifIcon = 2;
inline constexpr std::uint32_t kNifTip = 4;
inline constexpr std::uint32_t kTrayCallbackMessage = 0x7E9;

// The record starts out all zero; its fields are only ever written.
struct TrayIconData {
  std::uint32_t cbSize = 0;
  std::uint32_t hWnd = 0;
  std::uint32_t uID = 0;
  std::uint32_t uFlags = 0;
  std::uint32_t uCallbackMessage = 0;
  std::uint32_t hIcon = 0;
  std::u16string szTip = std::u16string(kTipLength, u'\0');
};

using AnsiRecord = std::array<std::uint8_t, kAnsiRecordSize>;

// Text in the system code page, and back.
class SystemCodePageText {
 public:
  virtual ~SystemCodePageText() = default;
  // The bytes of each character in turn, so that a cut never splits one.
  virtual std::string CharacterBytes(char16_t character) const = 0;
  virtual std::u16string FromBytes(std::string_view bytes) const = 0;
};

// The tip field as SetTrayTip writes it: the tip, one NUL, then spaces to 64
// characters; a longer tip is cut.
std::u16string TipField(std::u16string_view tip);

// The record in the shell's ANSI layout: 32-bit little-endian integers at
// offsets 0 to 20, then the tip field in the system code page at offset 24,
// 64 bytes: the tip, its NUL, spaces. A tip too long for its NUL is cut
// between two characters, so that the NUL always ends it inside the field.
AnsiRecord ToAnsiRecord(const TrayIconData& data, const SystemCodePageText& code_page);

// Reads a layout back into the record, as after each call of the shell.
void ReadBack(TrayIconData& data, const AnsiRecord& record, const SystemCodePageText& code_page);

}  // namespace tavrel::tray
