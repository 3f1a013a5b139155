// Text in code page 936 for the native tests, from the fixed classification:
// its two conversions, under the core's rules as the system's are.
#pragma once

#include <map>
#include <string>

#include "lookup/code_page_text.h"
#include "lookup/cp936/fixed_cp936.h"

namespace tavrel::testing {

class Cp936Text final : public ConvertingCodePage {
 public:
  Cp936Text();

 private:
  std::size_t ConvertToBytes(std::u16string_view text, std::span<char> out) const override;
  std::size_t ConvertFromBytes(std::string_view bytes, std::span<char16_t> out) const override;

  FixedCp936 code_page_;
  std::map<std::uint16_t, char16_t> characters_;  // double-byte code to character
};

}  // namespace tavrel::testing
