// Which end of a control's selection is its anchor, told from what each
// message is: "中𠀀a" is 中 (0), 𠀀's halves (1, 2), a (3).
#include "tavrel/form/control_selection.h"

#include <gtest/gtest.h>

#include "tests/form/selection_printers.h"

namespace tavrel::form {
namespace {

TEST(ControlSelection, TheAnchorIsToldFromWhatTheMessageIs) {
  constexpr SelectionStep kCaretMoves = SelectionStep::kCaretMoves;
  constexpr SelectionStep kFromItsStart = SelectionStep::kMadeFromItsStart;
  constexpr SelectionStep kOther = SelectionStep::kOther;
  struct Case {
    const char* name;
    SelectionStep step;
    Selection known;
    UnitSpan made;
    Selection selection;
  };
  const Case cases[] = {
      // A Shift+key, a Shift+press, a step of a drag: the anchor stays.
      {"the caret goes on", kCaretMoves, {1, 1}, {1, 3}, {1, 3}},
      {"the caret goes back", kCaretMoves, {3, 3}, {1, 3}, {3, 1}},
      {"the caret crosses the anchor back", kCaretMoves, {3, 4}, {2, 3}, {3, 2}},
      {"the caret crosses the anchor on", kCaretMoves, {3, 1}, {3, 4}, {3, 4}},
      {"the caret lands on the anchor", kCaretMoves, {3, 1}, {3, 3}, {3, 3}},
      {"the caret stays where it was", kCaretMoves, {3, 1}, {1, 3}, {3, 1}},
      {"an anchor at the end, the caret on towards it", kCaretMoves, {3, 0}, {1, 3}, {3, 1}},
      {"an anchor that is no end of the span: made from its start", kCaretMoves, {5, 5}, {1, 3}, {1, 3}},
      // A double click's word runs from its start, wherever the anchor was.
      {"a word where the anchor was at its end", kFromItsStart, {4, 1}, {1, 4}, {1, 4}},
      {"a word elsewhere", kFromItsStart, {0, 0}, {4, 7}, {4, 7}},
      {"no word", kFromItsStart, {3, 1}, {3, 3}, {3, 3}},
      // Any other message keeps the selection it leaves as it was.
      {"a release, which moves nothing", kOther, {3, 1}, {1, 3}, {3, 1}},
      {"a release after a double click", kOther, {0, 2}, {0, 2}, {0, 2}},
      {"a press without Shift", kOther, {3, 1}, {2, 2}, {2, 2}},
      {"a text change", kOther, {1, 3}, {2, 2}, {2, 2}},
      {"all of the text selected", kOther, {2, 2}, {0, 4}, {0, 4}},
  };
  for (const Case& c : cases) EXPECT_EQ(SelectionMade(c.known, c.made, c.step), c.selection) << c.name;
}

TEST(ControlSelection, SetSelAnchorsAtItsStartAndPutsTheCaretAtItsEnd) {
  struct Case {
    const char* name;
    std::intptr_t start, end;
    Selection asked;
  };
  const Case cases[] = {
      {"forwards", 1, 3, {1, 3}},
      {"backwards", 3, 1, {3, 1}},
      {"all of the text", 0, -1, {0, 4}},
      {"past the end", 9, 2, {4, 2}},
      {"no selection: the caret stays", -1, 0, {2, 2}},
  };
  for (const Case& c : cases) EXPECT_EQ(SelectionAskedFor(c.start, c.end, {3, 2}, 4), c.asked) << c.name;
}

}  // namespace
}  // namespace tavrel::form
