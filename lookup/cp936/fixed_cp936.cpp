#include "lookup/cp936/fixed_cp936.h"

#include <array>
#include <cstdint>

namespace tavrel {
namespace {

#include "ansi_values_936.inc"

}  // namespace

std::int16_t FixedCp936::AnsiValue(char16_t unit) const { return kAnsiValues[unit]; }

}  // namespace tavrel
