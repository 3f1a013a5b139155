// How a test's failure message shows a box's span and selection.
#pragma once

#include <ostream>

#include "tavrel/form/control_selection.h"

namespace tavrel::form {

inline void PrintTo(const UnitSpan& span, std::ostream* out) {
  *out << "units " << span.start << " to " << span.end;
}

inline void PrintTo(const Selection& selection, std::ostream* out) {
  *out << "anchor " << selection.anchor << ", caret " << selection.caret;
}

}  // namespace tavrel::form
