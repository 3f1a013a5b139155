#pragma once

#include "tavrel/tray/tray_icon_data.h"

namespace tavrel::win32 {

// The system's own ANSI code page (CP_ACP), as the lookup and the tray icon
// ask for it. A code unit the code page cannot represent converts to the
// code page's default character, "?".
class SystemAnsiCodePage final : public tray::SystemCodePageText {
 public:
  std::int16_t AnsiValue(char16_t unit) const override;
  std::u16string FromBytes(std::string_view bytes) const override;
};

}  // namespace tavrel::win32
