#pragma once

#include <string>

#include "lookup/ansi_code_page.h"

namespace tavrel::win32 {

// The system's own ANSI code page, asked through WideCharToMultiByte with
// CP_ACP and "?" as the default character.
// The bytes of one code unit in the system ANSI code page: one or two, or
// "?" for a code unit the code page cannot represent.
std::string AnsiBytes(char16_t unit);

class SystemAnsiCodePage final : public AnsiCodePage {
 public:
  std::int16_t AnsiValue(char16_t unit) const override;
};

}  // namespace tavrel::win32
