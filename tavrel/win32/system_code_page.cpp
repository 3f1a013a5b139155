#include "tavrel/win32/system_code_page.h"

#include <windows.h>

namespace tavrel::win32 {

std::string AnsiBytes(char16_t unit) {
  const wchar_t wide = static_cast<wchar_t>(unit);
  char bytes[2] = {};
  BOOL used_default = FALSE;
  const int count = WideCharToMultiByte(CP_ACP, 0, &wide, 1, bytes, sizeof bytes, "?", &used_default);
  if (count <= 0) return "?";
  return std::string(bytes, static_cast<std::size_t>(count));
}

std::int16_t SystemAnsiCodePage::AnsiValue(char16_t unit) const {
  const std::string bytes = AnsiBytes(unit);
  return AnsiValueOfBytes(static_cast<unsigned char>(bytes[0]),
                          bytes.size() == 2 ? static_cast<unsigned char>(bytes[1]) : 0,
                          static_cast<int>(bytes.size()));
}

}  // namespace tavrel::win32
