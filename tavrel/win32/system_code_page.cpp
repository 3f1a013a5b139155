#include "tavrel/win32/system_code_page.h"

#include "windows/system_code_page.h"

namespace tavrel::win32 {

std::size_t SystemAnsiCodePage::ConvertToBytes(std::u16string_view text, std::span<char> out) const {
  return windows::ConvertToSystemCodePage(text, out);
}

std::size_t SystemAnsiCodePage::ConvertFromBytes(std::string_view bytes, std::span<char16_t> out) const {
  return windows::ConvertFromSystemCodePage(bytes, out);
}

}  // namespace tavrel::win32
