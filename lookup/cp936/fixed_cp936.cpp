#include "lookup/cp936/fixed_cp936.h"

#include <algorithm>
#include <cstddef>
#include <iterator>

namespace tavrel {
namespace {

// Consecutive code units whose values count up by one from first_value, or
// that all convert to the default character when representable is false.
struct AnsiRun {
  char16_t start;
  std::uint16_t first_value;
  bool representable;
};

#include "ansi_runs_936.inc"

}  // namespace

std::int16_t FixedCp936::AnsiValue(char16_t unit) const {
  // The runs cover every code unit from 0; find the last that starts at or before it.
  const AnsiRun* run = std::upper_bound(std::begin(kAnsiRuns), std::end(kAnsiRuns), unit,
                                        [](char16_t u, const AnsiRun& r) { return u < r.start; });
  --run;
  if (!run->representable) return '?';
  return static_cast<std::int16_t>(static_cast<std::uint16_t>(run->first_value + (unit - run->start)));
}

}  // namespace tavrel
