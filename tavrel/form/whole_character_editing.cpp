#include "tavrel/form/whole_character_editing.h"

#include "lookup/surrogates.h"

namespace tavrel::form {
namespace {

bool IsEndOf(UnitSpan span, std::size_t at) { return at == span.start || at == span.end; }

// The end of the span that is not the anchor; the span's start where neither
// is.
std::size_t OtherEnd(UnitSpan span, std::size_t anchor) { return anchor == span.start ? span.end : span.start; }

}  // namespace

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

CaretMove MoveOf(UnitSpan before, UnitSpan after, std::optional<std::size_t> anchor) {
  if (after.start == after.end)
    return {{after.start, after.start}, after.start >= before.end ? Heading::On : Heading::Back};
  if (anchor && IsEndOf(after, *anchor)) {
    const std::size_t caret = OtherEnd(after, *anchor);
    const std::size_t old_caret = IsEndOf(before, *anchor) ? OtherEnd(before, *anchor) : *anchor;
    return {{*anchor, caret}, caret >= old_caret ? Heading::On : Heading::Back};
  }
  // The end that kept its place is the anchor.
  if (after.start == before.start)
    return {{after.start, after.end}, after.end > before.end ? Heading::On : Heading::Back};
  if (after.end == before.end)
    return {{after.end, after.start}, after.start < before.start ? Heading::Back : Heading::On};
  return {{after.start, after.end}, Heading::On};  // a new selection, made from its start
}

std::optional<Selection> OnWholeCharacters(std::u16string_view text, Selection selection, Heading heading) {
  if (!SplitsAPair(text, selection.anchor) && !SplitsAPair(text, selection.caret)) return std::nullopt;
  const bool collapsed = selection.anchor == selection.caret;
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

Selection WithCaretAt(Selection selection, std::size_t caret) {
  return {selection.anchor == selection.caret ? caret : selection.anchor, caret};
}

std::optional<Selection> SelectionOnWholeCharacters(std::u16string_view text, UnitSpan before, UnitSpan after,
                                                    std::optional<Heading> key_heading,
                                                    std::optional<std::size_t> anchor,
                                                    const CaretAtThePointer& caret_at_pointer) {
  const CaretMove move = MoveOf(before, after, anchor);
  Selection chosen = move.selection;
  if (caret_at_pointer) chosen = WithCaretAt(chosen, caret_at_pointer(chosen.caret));
  if (const std::optional<Selection> whole = OnWholeCharacters(text, chosen, key_heading.value_or(move.heading)))
    chosen = *whole;
  if (chosen == move.selection) return std::nullopt;
  return chosen;
}

}  // namespace tavrel::form
