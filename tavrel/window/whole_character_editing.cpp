#include "tavrel/window/whole_character_editing.h"

#include "lookup/surrogates.h"

namespace tavrel::window {
namespace {

struct Movement {
  Selection selection;
  Heading heading;
};

// Which end of the new selection moved and which way, told from the old one:
// the end that kept its place is the anchor.
Movement MovementOf(UnitSpan before, UnitSpan after) {
  if (after.start == after.end) return {{after.start, after.start}, after.start >= before.end ? Heading::On : Heading::Back};
  if (after.start == before.start) return {{after.start, after.end}, after.end > before.end ? Heading::On : Heading::Back};
  if (after.end == before.end) return {{after.end, after.start}, after.start < before.start ? Heading::Back : Heading::On};
  return {{after.start, after.end}, Heading::On};  // a new selection, made from its start
}

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

std::optional<Selection> SelectionOnWholeCharacters(std::u16string_view text, UnitSpan before, UnitSpan after,
                                                    std::optional<Heading> key_heading) {
  if (!SplitsAPair(text, after.start) && !SplitsAPair(text, after.end)) return std::nullopt;
  const Movement movement = MovementOf(before, after);
  const Heading heading = key_heading.value_or(movement.heading);
  Selection selection = movement.selection;
  const bool collapsed = selection.anchor == selection.caret;
  if (SplitsAPair(text, selection.caret)) heading == Heading::On ? ++selection.caret : --selection.caret;
  if (collapsed)
    selection.anchor = selection.caret;
  else if (SplitsAPair(text, selection.anchor))
    selection.anchor < selection.caret ? --selection.anchor : ++selection.anchor;
  return selection;
}

}  // namespace tavrel::window
