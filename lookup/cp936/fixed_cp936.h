#pragma once

#include "lookup/ansi_code_page.h"

namespace tavrel {

// Code page 936 exactly as Windows converts it, from a committed record of a
// real conversion: the classification for builds without a Windows ANSI code
// page. Best-fit mappings (U+00A2 becomes a double-byte character, U+00A6 the
// plain "|"), the user-defined areas for the private-use range and the
// compatibility ideographs all follow Windows.
class FixedCp936 final : public AnsiCodePage {
 public:
  std::int16_t AnsiValue(char16_t unit) const override;
};

}  // namespace tavrel
