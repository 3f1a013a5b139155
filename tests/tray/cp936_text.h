// Text in code page 936 for the native tests, from the fixed classification.
#pragma once

#include <map>
#include <string>

#include "lookup/cp936/fixed_cp936.h"
#include "tavrel/tray/tray_icon_data.h"

namespace tavrel::testing {

class Cp936Text final : public tray::SystemCodePageText {
 public:
  Cp936Text();
  std::int16_t AnsiValue(char16_t unit) const override { return code_page_.AnsiValue(unit); }
  std::u16string FromBytes(std::string_view bytes) const override;

 private:
  FixedCp936 code_page_;
  std::map<std::uint16_t, char16_t> characters_;  // double-byte code to character
};

}  // namespace tavrel::testing
