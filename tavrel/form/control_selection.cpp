#include "tavrel/form/control_selection.h"

#include <algorithm>

namespace tavrel::form {

Selection SelectionMade(Selection known, UnitSpan made, SelectionStep step) {
  if (made.Collapsed()) return {made.start, made.start};
  switch (step) {
    case SelectionStep::kCaretMoves:
      if (known.anchor == made.end) return {made.end, made.start};
      break;  // from the anchor at its start
    case SelectionStep::kMadeFromItsStart:
      break;
    case SelectionStep::kOther:
      if (known.Span() == made) return known;
      break;
  }
  return {made.start, made.end};
}

Selection SelectionAskedFor(std::intptr_t start, std::intptr_t end, Selection known, std::size_t length) {
  if (start < 0) {
    const std::size_t caret = std::min(known.caret, length);
    return {caret, caret};
  }
  const auto clamped = [length](std::intptr_t at) {
    return at < 0 ? length : std::min(static_cast<std::size_t>(at), length);
  };
  return {clamped(start), clamped(end)};
}

}  // namespace tavrel::form
