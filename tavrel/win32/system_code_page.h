#pragma once

#include "lookup/code_page_text.h"

namespace tavrel::win32 {

// The system's own ANSI code page (CP_ACP), as the lookup and the tray icon
// ask for it: the system's two conversions, under the rules of the core's
// ConvertingCodePage. A code unit the code page cannot represent converts to
// the code page's default character, "?".
class SystemAnsiCodePage final : public ConvertingCodePage {
 private:
  std::size_t ConvertToBytes(std::u16string_view text, std::span<char> out) const override;
  std::size_t ConvertFromBytes(std::string_view bytes, std::span<char16_t> out) const override;
};

}  // namespace tavrel::win32
