#include "tavrel/form/whole_character_editing.h"

#include "lookup/surrogates.h"

namespace tavrel::form {

bool SplitsAPair(std::u16string_view text, std::size_t at) {
  return at > 0 && at < text.size() && IsHighSurrogate(text[at - 1]) && IsLowSurrogate(text[at]);
}

UnitSpan CharacterBefore(std::u16string_view text, std::size_t caret) {
  if (caret == 0 || caret > text.size()) return {caret, caret};
  const std::size_t length = caret >= 2 && CharacterLength(text, caret - 2) == 2 ? 2 : 1;
  return {caret - length, caret};
}

UnitSpan CharacterAfter(std::u16string_view text, std::size_t caret) {
  if (caret >= text.size()) return {caret, caret};
  return {caret, caret + CharacterLength(text, caret)};
}

std::optional<Selection> OnWholeCharacters(std::u16string_view text, Selection selection, Heading heading) {
  if (!SplitsAPair(text, selection.anchor) && !SplitsAPair(text, selection.caret)) return std::nullopt;
  const bool collapsed = selection.Collapsed();
  if (SplitsAPair(text, selection.caret)) heading == Heading::On ? ++selection.caret : --selection.caret;
  if (collapsed)
    selection.anchor = selection.caret;
  else if (SplitsAPair(text, selection.anchor))
    selection.anchor < selection.caret ? --selection.anchor : ++selection.anchor;
  return selection;
}

std::size_t CaretNearerThePointer(std::u16string_view text, std::size_t caret, int x,
                                  const std::function<PixelSpan(std::size_t)>& pair_at) {
  const auto nearer_boundary = [&](std::size_t start, PixelSpan span) {
    return 2 * (x - span.left) < span.width ? start : start + 2;
  };
  const auto under_the_pointer = [&](PixelSpan span) { return x >= span.left && x < span.left + span.width; };
  if (SplitsAPair(text, caret)) return nearer_boundary(caret - 1, pair_at(caret - 1));
  // The pair that ends at the caret, and the one that starts at it.
  if (caret >= 2 && CharacterLength(text, caret - 2) == 2) {
    if (const PixelSpan span = pair_at(caret - 2); under_the_pointer(span)) return nearer_boundary(caret - 2, span);
  }
  if (caret < text.size() && CharacterLength(text, caret) == 2) {
    if (const PixelSpan span = pair_at(caret); under_the_pointer(span)) return nearer_boundary(caret, span);
  }
  return caret;
}

Selection SelectionOnWholeCharacters(std::u16string_view text, Selection known, Selection made, SelectionStep step,
                                     std::optional<Heading> key_heading,
                                     const CaretAtThePointer& caret_at_pointer) {
  Selection chosen = made;
  if (caret_at_pointer) {
    chosen.caret = caret_at_pointer(made.caret);
    if (step != SelectionStep::kCaretMoves && made.Collapsed()) chosen.anchor = chosen.caret;
  }
  const Heading went = chosen.caret > known.caret ? Heading::On : Heading::Back;
  if (const std::optional<Selection> whole = OnWholeCharacters(text, chosen, key_heading.value_or(went)))
    chosen = *whole;
  return chosen;
}

}  // namespace tavrel::form
