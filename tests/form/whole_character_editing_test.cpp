// What a box that moves and deletes by UTF-16 unit does instead, so that it
// works on whole characters: "中𠀀a" is 中 (0), 𠀀's halves (1, 2), a (3).
#include "tavrel/form/whole_character_editing.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

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

struct SelectionCase {
  const char* name;
  UnitSpan before, after;
  std::optional<Heading> key;
  std::optional<Selection> whole;
};

TEST(WholeCharacterEditing, TheCaretAndTheSelectionsEndsStepOverAPairTheWayTheyWent) {
  const SelectionCase cases[] = {
      // The caret keys, and keys that name no way.
      {"Left from the end of the pair", {3, 3}, {2, 2}, Heading::Back, Selection{1, 1}},
      {"Right from the start of the pair", {1, 1}, {2, 2}, Heading::On, Selection{3, 3}},
      {"Up, which the control takes as Left", {3, 3}, {2, 2}, Heading::Back, Selection{1, 1}},
      {"Shift+Left from the end", {3, 3}, {2, 3}, Heading::Back, Selection{3, 1}},
      {"Shift+Right from the start", {1, 1}, {1, 2}, Heading::On, Selection{1, 3}},
      {"Shift+Right back over a selected pair", {1, 3}, {2, 3}, Heading::On, Selection{3, 3}},
      {"Shift+Left back over a selected pair", {1, 3}, {1, 2}, Heading::Back, Selection{1, 1}},
      {"a key that names no way, caret moved on", {1, 1}, {2, 2}, std::nullopt, Selection{3, 3}},
      {"a key that names no way, caret moved back", {4, 4}, {2, 2}, std::nullopt, Selection{1, 1}},
      // The mouse: a click, and a drag from where it pressed.
      {"a click between the halves, the caret was before", {0, 0}, {2, 2}, std::nullopt, Selection{3, 3}},
      {"a click between the halves, the caret was after", {4, 4}, {2, 2}, std::nullopt, Selection{1, 1}},
      {"a click between the halves in a selection", {0, 4}, {2, 2}, std::nullopt, Selection{1, 1}},
      {"a drag on from the start into the pair", {0, 0}, {0, 2}, std::nullopt, Selection{0, 3}},
      {"a drag back from the end into the pair", {4, 4}, {2, 4}, std::nullopt, Selection{4, 1}},
      {"a drag back out of a selection into the pair", {0, 4}, {0, 2}, std::nullopt, Selection{0, 1}},
      // A selection made anew with one end or both inside the pair.
      {"a new selection from inside the pair", {0, 0}, {2, 4}, std::nullopt, Selection{1, 4}},
      {"a new selection from inside the pair, on", {0, 0}, {2, 4}, Heading::On, Selection{1, 4}},
      // Ends that split nothing are the control's own.
      {"Left to the start of the pair", {3, 3}, {1, 1}, Heading::Back, std::nullopt},
      {"a selection of the pair", {1, 1}, {1, 3}, Heading::On, std::nullopt},
      {"Home", {3, 3}, {0, 0}, Heading::Back, std::nullopt},
  };
  for (const SelectionCase& c : cases)
    EXPECT_EQ(SelectionOnWholeCharacters(kText, c.before, c.after, c.key), c.whole) << c.name;
}

// A drag knows where its button went down: the anchor stays there when the
// caret crosses it into a pair, where the ends alone cannot tell which of
// them moved.
struct DragCase {
  const char* name;
  std::size_t anchor;
  UnitSpan before, after;
  std::optional<Heading> pointer;  // the side of the pair nearer the pointer
  std::optional<Selection> whole;
};

TEST(WholeCharacterEditing, ADragKeepsItsAnchorWhereItsButtonWentDown) {
  const DragCase cases[] = {
      {"back across the anchor, onto the pair's right half", 3, {3, 4}, {2, 3}, Heading::On, Selection{3, 3}},
      {"back across the anchor, onto the pair's left half", 3, {3, 4}, {2, 3}, Heading::Back, Selection{3, 1}},
      {"back across the anchor, the way it went", 3, {3, 4}, {2, 3}, std::nullopt, Selection{3, 1}},
      {"on across the anchor, onto the pair's left half", 1, {0, 1}, {1, 2}, Heading::Back, Selection{1, 1}},
      {"on across the anchor, onto the pair's right half", 1, {0, 1}, {1, 2}, Heading::On, Selection{1, 3}},
      {"on across the anchor, the way it went", 1, {0, 1}, {1, 2}, std::nullopt, Selection{1, 3}},
      {"back from the anchor into the pair", 4, {4, 4}, {2, 4}, std::nullopt, Selection{4, 1}},
      {"on from the anchor into the pair", 0, {0, 0}, {0, 2}, std::nullopt, Selection{0, 3}},
      {"back to the anchor's own place", 3, {3, 4}, {3, 3}, std::nullopt, std::nullopt},
      {"an anchor that is no end of the selection is guessed", 4, {0, 1}, {1, 2}, std::nullopt, Selection{1, 3}},
  };
  for (const DragCase& c : cases)
    EXPECT_EQ(SelectionOnWholeCharacters(kText, c.before, c.after, c.pointer, c.anchor), c.whole) << c.name;

  // Without the anchor, the back crossing takes the pair's far side for it.
  EXPECT_EQ(SelectionOnWholeCharacters(kText, {3, 4}, {2, 3}, std::nullopt), (Selection{1, 3}));
}

TEST(WholeCharacterEditing, TheCaretsWayIsToldFromItsLastPlace) {
  struct Case {
    const char* name;
    UnitSpan before, after;
    std::optional<std::size_t> anchor;
    CaretMove move;
  };
  const Case cases[] = {
      {"a caret moved on", {1, 1}, {3, 3}, std::nullopt, {{3, 3}, Heading::On}},
      {"a caret moved back", {3, 3}, {1, 1}, std::nullopt, {{1, 1}, Heading::Back}},
      {"a selection grown on", {1, 1}, {1, 3}, std::nullopt, {{1, 3}, Heading::On}},
      {"a selection grown back", {3, 3}, {1, 3}, std::nullopt, {{3, 1}, Heading::Back}},
      {"the anchor known, the caret back across it", {3, 4}, {2, 3}, 3, {{3, 2}, Heading::Back}},
      {"the anchor known, the caret on across it", {2, 3}, {3, 4}, 3, {{3, 4}, Heading::On}},
      {"the anchor known, the caret shrinking back", {0, 4}, {0, 2}, 0, {{0, 2}, Heading::Back}},
      {"the anchor known, collapsed onto it", {0, 4}, {0, 0}, 0, {{0, 0}, Heading::Back}},
  };
  for (const Case& c : cases) EXPECT_EQ(MoveOf(c.before, c.after, c.anchor), c.move) << c.name;
}

// A box that lays its text out from x 10, 8 pixels to a unit.
PixelSpan PairAt(std::size_t start) { return {10 + 8 * static_cast<int>(start), 16}; }

TEST(WholeCharacterEditing, ThePointerTakesTheCaretToTheNearerSideOfAPair) {
  struct Case {
    const char* name;
    std::u16string text;
    std::size_t caret;  // where the control put it
    int x;
    std::size_t placed;
  };
  // In kText the pair lies from x 18 to 34.
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

// The selection a press or a drag leaves, with the pointer over kText's pair
// (from x 18 to 34) or beside it.
TEST(WholeCharacterEditing, APressOrADragPutsTheCaretWhereThePointerSays) {
  struct Case {
    const char* name;
    UnitSpan before, after;
    std::optional<std::size_t> anchor;
    int x;
    std::optional<Selection> whole;
  };
  const Case cases[] = {
      {"a press on the pair's right half, put before it", {4, 4}, {1, 1}, std::nullopt, 30, Selection{3, 3}},
      {"a press on the pair's right half, put between its halves", {4, 4}, {2, 2}, std::nullopt, 30,
       Selection{3, 3}},
      {"a press on the pair's left half, put between its halves", {0, 0}, {2, 2}, std::nullopt, 20,
       Selection{1, 1}},
      {"a press on the pair's left half, put before it", {4, 4}, {1, 1}, std::nullopt, 20, std::nullopt},
      {"a press on the character after the pair", {0, 0}, {3, 3}, std::nullopt, 38, std::nullopt},
      {"a drag back over its anchor onto the pair's right half", {3, 4}, {2, 3}, 3, 30, Selection{3, 3}},
      {"a drag back over its anchor onto the pair's left half", {3, 4}, {2, 3}, 3, 20, Selection{3, 1}},
      {"a drag on from the start onto the pair's right half, put before it", {0, 0}, {0, 1}, 0, 30,
       Selection{0, 3}},
  };
  for (const Case& c : cases) {
    const CaretAtThePointer pointer = [&](std::size_t caret) {
      return CaretNearerThePointer(kText, caret, c.x, PairAt);
    };
    EXPECT_EQ(SelectionOnWholeCharacters(kText, c.before, c.after, std::nullopt, c.anchor, pointer), c.whole)
        << c.name;
  }
}

TEST(WholeCharacterEditing, ACollapsedSelectionStaysCollapsedWhenItsCaretMoves) {
  EXPECT_EQ(WithCaretAt({2, 2}, 5), (Selection{5, 5}));
  EXPECT_EQ(WithCaretAt({1, 3}, 5), (Selection{1, 5}));
  EXPECT_EQ(WithCaretAt({3, 1}, 0), (Selection{3, 0}));
}

TEST(WholeCharacterEditing, NextToAnotherPairTheCaretStopsBetweenThePairs) {
  const std::u16string pairs = u"\U00020000\U00020001";  // split at 1 and 3
  EXPECT_EQ(SelectionOnWholeCharacters(pairs, {4, 4}, {3, 3}, Heading::Back), (Selection{2, 2}));
  EXPECT_EQ(SelectionOnWholeCharacters(pairs, {0, 0}, {1, 1}, Heading::On), (Selection{2, 2}));
  EXPECT_EQ(SelectionOnWholeCharacters(pairs, {0, 0}, {1, 3}, std::nullopt), (Selection{0, 4}));
}

}  // namespace
}  // namespace tavrel::form
