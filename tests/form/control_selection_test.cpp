// Which end of a control's selection is its anchor, told from what each
// message is: "中𠀀a" is 中 (0), 𠀀's halves (1, 2), a (3).
#include "tavrel/form/control_selection.h"

#include <gtest/gtest.h>

namespace tavrel::form {
namespace {

TEST(ControlSelection, TheAnchorStaysWhereAStepMovesOnlyTheCaret) {
  struct Case {
    const char* name;
    Selection known;
    UnitSpan made;
    Selection selection;
  };
  const Case cases[] = {
      {"the caret goes on", {1, 1}, {1, 3}, {1, 3}},
      {"the caret goes back", {3, 3}, {1, 3}, {3, 1}},
      {"the caret crosses the anchor back", {3, 4}, {2, 3}, {3, 2}},
      {"the caret crosses the anchor on", {3, 1}, {3, 4}, {3, 4}},
      {"the caret lands on the anchor", {3, 1}, {3, 3}, {3, 3}},
      {"the caret stays where it was", {3, 1}, {1, 3}, {3, 1}},
      {"an anchor at the end, the caret on towards it", {3, 0}, {1, 3}, {3, 1}},
      {"an anchor that is no end of the span: it was made from its start", {5, 5}, {1, 3}, {1, 3}},
  };
  for (const Case& c : cases)
    EXPECT_EQ(SelectionMade(c.known, c.made, SelectionStep::kCaretMoves), c.selection) << c.name;
}

TEST(ControlSelection, ADoubleClicksWordRunsFromItsStartWhereverTheAnchorWas) {
  EXPECT_EQ(SelectionMade({4, 1}, {1, 4}, SelectionStep::kMadeFromItsStart), (Selection{1, 4}));
  EXPECT_EQ(SelectionMade({0, 0}, {4, 7}, SelectionStep::kMadeFromItsStart), (Selection{4, 7}));
  EXPECT_EQ(SelectionMade({3, 3}, {3, 3}, SelectionStep::kMadeFromItsStart), (Selection{3, 3}));
}

TEST(ControlSelection, AnyOtherMessageKeepsTheSelectionItLeavesAsItWas) {
  struct Case {
    const char* name;
    Selection known;
    UnitSpan made;
    Selection selection;
  };
  const Case cases[] = {
      {"a release, which moves nothing", {3, 1}, {1, 3}, {3, 1}},
      {"a release after a double click", {0, 2}, {0, 2}, {0, 2}},
      {"a press without Shift", {3, 1}, {2, 2}, {2, 2}},
      {"a text change", {1, 3}, {2, 2}, {2, 2}},
      {"all of the text selected", {2, 2}, {0, 4}, {0, 4}},
  };
  for (const Case& c : cases) EXPECT_EQ(SelectionMade(c.known, c.made, SelectionStep::kOther), c.selection) << c.name;
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
