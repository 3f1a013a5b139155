#pragma once

#include "lookup/ansi_code_page.h"

namespace tavrel::win32 {

// The system's own ANSI code page, asked through WideCharToMultiByte with
// CP_ACP and "?" as the default character.
class SystemAnsiCodePage final : public AnsiCodePage {
 public:
  std::int16_t AnsiValue(char16_t unit) const override;
};

}  // namespace tavrel::win32
