// The notification-area icon's record (NOTIFYICONDATA) as the program keeps
// it, and its ANSI layout as the shell takes it: 88 bytes in a 32-bit
// program, 104 in a 64-bit one, where the handles are 8 bytes and aligned.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "lookup/code_page_text.h"

namespace tavrel::tray {

// A window, icon or window-procedure handle, or a message parameter: as wide
// as a pointer of the program.
using Handle = std::uintptr_t;

inline constexpr std::size_t kTipLength = 64;  // characters in the record, bytes in the layout

inline constexpr std::uint32_t kNifMessage = 1;
inline constexpr std::uint32_t kNifIcon = 2;
inline constexpr std::uint32_t kNifTip = 4;
inline constexpr std::uint32_t kTrayCallbackMessage = 0x7E9;

// Where the shell's ANSI record keeps each field; the integers are
// little-endian, the tip is kTipLength bytes in the system code page.
struct AnsiRecordLayout {
  std::size_t size;         // the whole record, as its cbSize says
  std::size_t handle_size;  // bytes of hWnd and hIcon
  std::size_t hwnd, uid, flags, callback_message, icon, tip;  // offsets
};
inline constexpr AnsiRecordLayout kAnsiRecord32{88, 4, 4, 8, 12, 16, 20, 24};
inline constexpr AnsiRecordLayout kAnsiRecord64{104, 8, 8, 16, 20, 24, 32, 40};
// The layout of the program being built.
inline constexpr AnsiRecordLayout kPlatformAnsiRecord = sizeof(void*) == 8 ? kAnsiRecord64 : kAnsiRecord32;

// The record starts out all zero; its fields are only ever written.
struct TrayIconData {
  std::uint32_t cbSize = 0;
  Handle hWnd = 0;
  std::uint32_t uID = 0;
  std::uint32_t uFlags = 0;
  std::uint32_t uCallbackMessage = 0;
  Handle hIcon = 0;
  std::u16string szTip = std::u16string(kTipLength, u'\0');
};

// The record's bytes as the shell takes them; as long as its layout's size.
using AnsiRecord = std::vector<std::uint8_t>;

// The tip field as SetTrayTip writes it: the tip, one NUL, then spaces to 64
// characters; a longer tip is cut.
std::u16string TipField(std::u16string_view tip);

// The record in the shell's ANSI layout: the integers at their offsets, then
// the tip field in the system code page, 64 bytes: the tip, its NUL, spaces.
// The field is converted a character at a time (a surrogate pair is one
// character; one character takes one to four bytes) as far as it fits; a tip
// too long for its NUL is cut between two characters, so that the NUL always
// ends it inside the field.
AnsiRecord ToAnsiRecord(const TrayIconData& data, const SystemCodePageText& code_page,
                        const AnsiRecordLayout& layout);

// Reads a layout back into the record, as after each call of the shell: the
// tip's 64 bytes converted back as the code page converts them.
void ReadBack(TrayIconData& data, const AnsiRecord& record, const SystemCodePageText& code_page,
              const AnsiRecordLayout& layout);

}  // namespace tavrel::tray
