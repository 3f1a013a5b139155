#include "tavrel/win32/system_code_page.h"

#include <array>
#include <cstddef>

#include "windows/system_code_page.h"

namespace tavrel::win32 {

std::int16_t SystemAnsiCodePage::AnsiValue(char16_t unit) const {
  std::array<char, 2> bytes{};
  const std::size_t count = windows::ConvertToSystemCodePage(std::u16string_view(&unit, 1), bytes);
  if (count == 0) return '?';
  return AnsiValueOfBytes(static_cast<unsigned char>(bytes[0]), static_cast<unsigned char>(bytes[1]),
                          static_cast<int>(count));
}

std::u16string SystemAnsiCodePage::FromBytes(std::string_view bytes) const {
  return windows::FromSystemCodePage<std::u16string>(bytes);
}

}  // namespace tavrel::win32
