// What a box that moves and deletes by UTF-16 unit does instead, so that it
// works on whole characters: "中𠀀a" is 中 (0), 𠀀's halves (1, 2), a (3).
#include "tavrel/form/whole_character_editing.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "tests/form/selection_printers.h"

namespace tavrel::form {
namespace {

const std::u16string kText = u"中\U00020000a";  // the pair is split at 2

TEST(WholeCharacterEditing, OnlyThePlaceBetweenTheHalvesOfAPairSplitsIt) {
  const std::u16string lone_halves = u"\xD840" u"a" u"\xDC00";
  for (std::size_t at = 0; at <= kText.size() + 1; ++at) EXPECT_EQ(SplitsAPair(kText, at), at == 2) << at;
  for (std::size_t at = 0; at <= lone_halves.size(); ++at) EXPECT_FALSE(SplitsAPair(lone_halves, at)) << at;
  EXPECT_FALSE(SplitsAPair(u"", 0));
}

struct DeletionCase {
  const char* name;
  std::u16string text;
  std::size_t caret;
  UnitSpan before, after;
};

TEST(WholeCharacterEditing, BackspaceAndDeleteTakeAWholeCharacter) {
  const DeletionCase cases[] = {
      {"between two BMP characters", u"中a", 1, {0, 1}, {1, 2}},
      {"after and before a pair", kText, 3, {1, 3}, {3, 4}},
      {"before and after a pair", kText, 1, {0, 1}, {1, 3}},
      {"a pair at either end", u"\U00020000\U00020001", 2, {0, 2}, {2, 4}},
      {"the start and the end", u"中", 0, {0, 0}, {0, 1}},
      {"the end", u"中", 1, {0, 1}, {1, 1}},
      {"an empty text", u"", 0, {0, 0}, {0, 0}},
      {"a lone high half before, a lone low half after", u"\xD840" u"a" u"\xDC00", 1, {0, 1}, {1, 2}},
      {"a lone low half, then a lone high half", u"\xDC00\xD840", 1, {0, 1}, {1, 2}},
      {"a caret past the end", u"中", 5, {5, 5}, {5, 5}},
  };
  for (const DeletionCase& c : cases) {
    EXPECT_EQ(CharacterBefore(c.text, c.caret), c.before) << c.name;
    EXPECT_EQ(CharacterAfter(c.text, c.caret), c.after) << c.name;
  }
}

// A box that lays its text out from x 10, 8 pixels to a unit: kText's pair
// lies from x 18 to 34, its left half before x 26.
PixelSpan PairAt(std::size_t start) { return {10 + 8 * static_cast<int>(start), 16}; }

// One message: the selection the control made, what the message is, and
// where the pointer was when it placed the caret.
struct MessageCase {
  const char* name;
  Selection known, made;
  SelectionStep step;
  std::optional<Heading> key;  // the way a caret key sends the caret
  std::optional<int> pointer_x;
  Selection whole;
};

Selection WholeAfter(std::u16string_view text, const MessageCase& c) {
  CaretAtThePointer pointer;
  if (c.pointer_x)
    pointer = [&](std::size_t caret) { return CaretNearerThePointer(text, caret, *c.pointer_x, PairAt); };
  return SelectionOnWholeCharacters(text, c.known, c.made, c.step, c.key, pointer);
}

constexpr SelectionStep kCaretMoves = SelectionStep::kCaretMoves;
constexpr SelectionStep kOther = SelectionStep::kOther;

TEST(WholeCharacterEditing, TheCaretAndTheSelectionsEndsStepOverAPairTheWayTheyWent) {
  const MessageCase cases[] = {
      // The caret keys, and keys that name no way.
      {"Left from the end of the pair", {3, 3}, {2, 2}, kOther, Heading::Back, {}, {1, 1}},
      {"Right from the start of the pair", {1, 1}, {2, 2}, kOther, Heading::On, {}, {3, 3}},
      {"Shift+Left from the end", {3, 3}, {3, 2}, kCaretMoves, Heading::Back, {}, {3, 1}},
      {"Shift+Right from the start", {1, 1}, {1, 2}, kCaretMoves, Heading::On, {}, {1, 3}},
      {"Shift+Right back over a selected pair", {3, 1}, {3, 2}, kCaretMoves, Heading::On, {}, {3, 3}},
      {"Shift+Left back over a selected pair", {1, 3}, {1, 2}, kCaretMoves, Heading::Back, {}, {1, 1}},
      {"a key that names no way, caret moved on", {1, 1}, {2, 2}, kOther, {}, {}, {3, 3}},
      {"a key that names no way, caret moved back", {4, 4}, {2, 2}, kOther, {}, {}, {1, 1}},
      // An end that the control put there without the pointer.
      {"a selection made anew from inside the pair", {0, 0}, {2, 4}, kOther, {}, {}, {1, 4}},
      {"a selection made anew into the pair", {0, 0}, {0, 2}, kOther, {}, {}, {0, 3}},
      {"a drag past the box's edge into the pair, back", {4, 4}, {4, 2}, kCaretMoves, {}, {}, {4, 1}},
      // Ends that split nothing are the control's own.
      {"Left to the start of the pair", {3, 3}, {1, 1}, kOther, Heading::Back, {}, {1, 1}},
      {"a selection of the pair", {1, 1}, {1, 3}, kCaretMoves, Heading::On, {}, {1, 3}},
      {"Home", {3, 3}, {0, 0}, kOther, Heading::Back, {}, {0, 0}},
  };
  for (const MessageCase& c : cases) EXPECT_EQ(WholeAfter(kText, c), c.whole) << c.name;
}

TEST(WholeCharacterEditing, APressOrADragPutsTheCaretWhereThePointerSays) {
  const MessageCase cases[] = {
      {"a press on the pair's right half, put before it", {4, 4}, {1, 1}, kOther, {}, 30, {3, 3}},
      {"a press on the pair's right half, put between its halves", {4, 4}, {2, 2}, kOther, {}, 30, {3, 3}},
      {"a press on the pair's left half, put between its halves", {0, 0}, {2, 2}, kOther, {}, 20, {1, 1}},
      {"a press on the pair's left half, put before it", {4, 4}, {1, 1}, kOther, {}, 20, {1, 1}},
      {"a press on the character after the pair", {0, 0}, {3, 3}, kOther, {}, 38, {3, 3}},
      {"a press that collapses a selection", {0, 4}, {2, 2}, kOther, {}, 30, {3, 3}},
      // With Shift, and in a drag, the anchor stays where it is.
      {"a Shift+press on the pair's left half, put on the anchor", {3, 1}, {3, 3}, kCaretMoves, {}, 20, {3, 1}},
      {"a Shift+press on the pair's left half, put between its halves", {3, 4}, {3, 2}, kCaretMoves, {}, 20,
       {3, 1}},
      {"a Shift+press on the pair's right half, put before it", {3, 0}, {3, 1}, kCaretMoves, {}, 30, {3, 3}},
      {"a drag back over its anchor onto the pair's right half", {3, 4}, {3, 2}, kCaretMoves, {}, 30, {3, 3}},
      {"a drag back over its anchor onto the pair's left half", {3, 4}, {3, 2}, kCaretMoves, {}, 20, {3, 1}},
      {"a drag on over its anchor onto the pair's left half", {1, 0}, {1, 2}, kCaretMoves, {}, 20, {1, 1}},
      {"a drag on over its anchor onto the pair's right half", {1, 0}, {1, 2}, kCaretMoves, {}, 30, {1, 3}},
      {"a drag from the start onto the pair's right half, put before it", {0, 0}, {0, 1}, kCaretMoves, {}, 30,
       {0, 3}},
      {"a drag onto the anchor's own place", {3, 4}, {3, 3}, kCaretMoves, {}, 38, {3, 3}},
  };
  for (const MessageCase& c : cases) EXPECT_EQ(WholeAfter(kText, c), c.whole) << c.name;
}

TEST(WholeCharacterEditing, NextToAnotherPairTheCaretStopsBetweenThePairs) {
  const std::u16string pairs = u"\U00020000\U00020001";  // split at 1 and 3
  const MessageCase cases[] = {
      {"Left from the end", {4, 4}, {3, 3}, kOther, Heading::Back, {}, {2, 2}},
      {"Right from the start", {0, 0}, {1, 1}, kOther, Heading::On, {}, {2, 2}},
      {"both ends between halves", {0, 0}, {1, 3}, kOther, {}, {}, {0, 4}},
  };
  for (const MessageCase& c : cases) EXPECT_EQ(WholeAfter(pairs, c), c.whole) << c.name;
}

TEST(WholeCharacterEditing, ThePointerTakesTheCaretToTheNearerSideOfAPair) {
  struct Case {
    const char* name;
    std::u16string text;
    std::size_t caret;  // where the control put it
    int x;
    std::size_t placed;
  };
  const std::u16string pairs = u"\U00020000\U00020001";  // from x 10 to 26 and 26 to 42
  const Case cases[] = {
      {"put before the pair, the pointer on its right half", kText, 1, 30, 3},
      {"put before the pair, the pointer on its left half", kText, 1, 20, 1},
      {"put between the halves, the pointer on the right half", kText, 2, 30, 3},
      {"put between the halves, the pointer on the left half", kText, 2, 20, 1},
      {"put between the halves, the pointer just right of the middle", kText, 2, 26, 3},
      {"put between the halves, the pointer just left of the middle", kText, 2, 25, 1},
      {"put after the pair, the pointer on its left half", kText, 3, 20, 1},
      {"put after the pair, the pointer on its right half", kText, 3, 30, 3},
      {"put after the pair, the pointer on the next character", kText, 3, 38, 3},
      {"put before the pair, the pointer on the character before", kText, 1, 12, 1},
      {"put at the start, by no pair", kText, 0, 12, 0},
      {"put between the halves, the pointer past the box's left edge", kText, 2, -5, 1},
      {"put between the halves, the pointer past the box's right edge", kText, 2, 300, 3},
      {"between two pairs, the pointer on the first one's left half", pairs, 2, 14, 0},
      {"between two pairs, the pointer on the first one's right half", pairs, 2, 22, 2},
      {"between two pairs, the pointer on the second one's left half", pairs, 2, 28, 2},
      {"between two pairs, the pointer on the second one's right half", pairs, 2, 38, 4},
      {"a lone high half is no pair", u"a\xD840" u"b", 1, 20, 1},
  };
  for (const Case& c : cases) EXPECT_EQ(CaretNearerThePointer(c.text, c.caret, c.x, PairAt), c.placed) << c.name;
}

// Messages one after another, as the box sees them: the selection the box
// knows goes on from one to the next, and each step is told from what its
// message is, whatever the control put where.
struct Step {
  const char* name;
  UnitSpan shown;  // the control's selection after the message
  SelectionStep step;
  std::optional<Heading> key;
  std::optional<int> pointer_x;
  Selection whole;
};

void ExpectSteps(const char* sequence, std::u16string_view text, Selection start, const std::vector<Step>& steps) {
  Selection known = start;
  for (const Step& s : steps) {
    const Selection made = SelectionMade(known, s.shown, s.step);
    const MessageCase message{s.name, known, made, s.step, s.key, s.pointer_x, {}};
    known = WholeAfter(text, message);
    EXPECT_EQ(known, s.whole) << sequence << ": " << s.name;
  }
}

TEST(WholeCharacterEditing, AShiftClickMovesOnlyTheCaretWhereverTheControlPutsIt) {
  // "中𠀀a" with 𠀀 selected backwards (anchor 3, caret 1), or "a" selected
  // (anchor 3, caret 4); a Shift+click on the pair's left half, at x 20,
  // where the control may put the caret on either side or between the halves.
  for (const UnitSpan shown : {UnitSpan{1, 3}, UnitSpan{2, 3}, UnitSpan{3, 3}}) {
    ExpectSteps("the pair selected backwards", kText, {3, 1},
                {{"Shift+press", shown, kCaretMoves, {}, 20, {3, 1}}, {"release", {1, 3}, kOther, {}, {}, {3, 1}}});
  }
  for (const UnitSpan shown : {UnitSpan{1, 3}, UnitSpan{2, 3}, UnitSpan{3, 3}}) {
    ExpectSteps("\"a\" selected", kText, {3, 4}, {{"Shift+press", shown, kCaretMoves, {}, 20, {3, 1}}});
  }
  // "a𠀀b𠀀cd": the first pair from x 18 to 34, anchor 3 (before b), caret 7.
  const std::u16string two_pairs = u"a\U00020000b\U00020000cd";
  for (const UnitSpan shown : {UnitSpan{1, 3}, UnitSpan{2, 3}, UnitSpan{3, 3}}) {
    ExpectSteps("a Shift+click on the first pair's right half", two_pairs, {3, 7},
                {{"Shift+press", shown, kCaretMoves, {}, 30, {3, 3}},
                 {"release", {3, 3}, kOther, {}, {}, {3, 3}},
                 {"Shift+End", {3, 8}, kCaretMoves, Heading::On, {}, {3, 8}}});
  }
  ExpectSteps("a Shift+press and drag back across the anchor", two_pairs, {3, 7},
              {{"Shift+press on b", {3, 4}, kCaretMoves, {}, 38, {3, 4}},
               {"onto the first pair's right half", {2, 3}, kCaretMoves, {}, 30, {3, 3}},
               {"onto its left half", {2, 3}, kCaretMoves, {}, 20, {3, 1}},
               {"release", {1, 3}, kOther, {}, {}, {3, 1}}});
}

TEST(WholeCharacterEditing, ADoubleClicksWordKeepsItsStartAsTheAnchorOfTheDragAfterIt) {
  ExpectSteps("a double click on a lone pair", u"\U00020000", {0, 0},
              {{"press", {0, 0}, kOther, {}, 12, {0, 0}},
               {"release", {0, 0}, kOther, {}, {}, {0, 0}},
               {"double click", {0, 2}, SelectionStep::kMadeFromItsStart, {}, {}, {0, 2}},
               {"release", {0, 2}, kOther, {}, {}, {0, 2}}});
  // "x𠀀 abc": the pair from x 18 to 34; "abc" from 4 to 7.
  for (const UnitSpan onto_the_right_half : {UnitSpan{2, 4}, UnitSpan{3, 4}, UnitSpan{1, 4}}) {
    ExpectSteps("a double click on \"b\" and a drag back", u"x\U00020000 abc", {0, 0},
                {{"double click", {4, 7}, SelectionStep::kMadeFromItsStart, {}, {}, {4, 7}},
                 {"onto the pair's right half", onto_the_right_half, kCaretMoves, {}, 30, {4, 3}},
                 {"onto its left half", {2, 4}, kCaretMoves, {}, 20, {4, 1}},
                 {"release", {1, 4}, kOther, {}, {}, {4, 1}}});
  }
  ExpectSteps("a word whose ends split pairs", u"\U00020000\U00020001", {0, 0},
              {{"double click", {1, 3}, SelectionStep::kMadeFromItsStart, {}, {}, {0, 4}}});
}

}  // namespace
}  // namespace tavrel::form
