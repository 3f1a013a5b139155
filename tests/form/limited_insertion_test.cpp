// How much of an insertion a box with a limited length takes, never half a
// character.
#include "tavrel/form/limited_insertion.h"

#include <gtest/gtest.h>

#include <string>

namespace tavrel::form {
namespace {

struct RoomCase {
  const char* name;
  int limit, text_length, selection_length;
  int room;
};

TEST(LimitedInsertion, RoomIsTheLimitLessTheTextThatStays) {
  const RoomCase cases[] = {
      {"an empty box", 18, 0, 0, 18},
      {"one unit left", 18, 17, 0, 1},
      {"a full box", 18, 18, 0, 0},
      {"a full box with three units selected", 18, 18, 3, 3},
      {"a text set longer than the limit", 18, 21, 0, 0},
      {"too long even without its selection", 18, 21, 3, 0},
      {"short enough without its selection", 18, 21, 4, 1},
  };
  for (const RoomCase& c : cases)
    EXPECT_EQ(RoomLeft(c.limit, c.text_length, c.selection_length), c.room) << c.name;
}

struct FitCase {
  const char* name;
  std::u16string insertion;
  int room;
  std::size_t units;
};

TEST(LimitedInsertion, TakesWhatFitsButNeverTheHighHalfOfAPairWithoutItsLowHalf) {
  const std::u16string seventeen(17, u'中');
  const FitCase cases[] = {
      {"fits whole", u"ab", 5, 2},
      {"fits exactly", u"ab", 2, 2},
      {"a pair that fits exactly", u"中\U00020000", 3, 3},
      {"17 characters and a pair, 19 units, in 18", seventeen + u"\U00020000", 18, 17},
      {"17 characters and a pair in 19", seventeen + u"\U00020000", 19, 19},
      {"cut in plain text", u"abcdef", 3, 3},
      {"cut inside a pair", u"中中\U00020000", 3, 2},
      {"cut right after a pair", u"\U00020000a", 2, 2},
      {"cut between two pairs", u"\U00020000\U00020001", 2, 2},
      {"cut inside the second pair", u"\U00020000\U00020001", 3, 2},
      {"a pair at the very start, room 1", u"\U00020000a", 1, 0},
      {"room 0", u"a", 0, 0},
      {"room 0 for a pair", u"\U00020000", 0, 0},
      {"a box already over its limit", u"a", -3, 0},
      {"nothing to insert", u"", 4, 0},
      {"a lone high half at the cut, before a plain unit", u"a\xD840" u"b", 2, 2},
      {"a lone low half after the cut", u"ab\xDC00", 2, 2},
      {"a lone low half at the cut", u"a\xDC00" u"b", 2, 2},
      {"two high halves, the second one paired, cut inside the pair", u"\xD840\xD840\xDC00", 2, 1},
      {"two high halves, cut after the lone one", u"\xD840\xD840\xDC00", 1, 1},
  };
  for (const FitCase& c : cases) EXPECT_EQ(UnitsThatFit(c.insertion, c.room), c.units) << c.name;
}

struct TypedCase {
  const char* name;
  char16_t unit, before_caret;
  int room;
  bool leaves_half;
};

TEST(LimitedInsertion, ATypedHalfGoesInOnlyWhereItCanBeWhole) {
  const TypedCase cases[] = {
      {"a plain character in the last unit of room", u'中', u'a', 1, false},
      {"a high half with room for its low half", 0xD840, u'a', 2, false},
      {"a high half in the last unit of room", 0xD840, u'a', 1, true},
      {"a high half in a full box", 0xD840, u'a', 0, false},
      {"a low half after its high half, in the last unit of room", 0xDC00, 0xD840, 1, false},
      {"a low half after its high half, with more room", 0xDC00, 0xDBFF, 5, false},
      {"a low half after a plain character", 0xDC00, u'中', 1, true},
      {"a low half after a whole pair", 0xDFFF, 0xDC00, 4, true},
      {"a low half at the start", 0xDC00, 0, 18, true},
      {"a low half in a full box", 0xDC00, u'中', 0, false},
  };
  for (const TypedCase& c : cases)
    EXPECT_EQ(TypedUnitLeavesHalf(c.unit, c.before_caret, c.room), c.leaves_half) << c.name;
}

}  // namespace
TEST(LimitedInsertion, ALoneHalfIsLeftOutAndTheRestGoesIn) {
  struct Case {
    const char* name;
    std::u16string insertion, whole;
  };
  const Case cases[] = {
      {"a lone high half", u"\xD840", u""},
      {"a lone low half", u"\xDC00", u""},
      {"a lone half between letters", u"x\xD840y", u"xy"},
      {"a high half before a whole pair", u"\xD840\xD840\xDC00", u"\U00020000"},
      {"a low half after a whole pair", u"\U00020000\xDC00", u"\U00020000"},
      {"the halves the wrong way round", u"\xDC00\xD840", u""},
      {"whole pairs and other characters", u"中\U00020000a\U00020001", u"中\U00020000a\U00020001"},
      {"nothing", u"", u""},
  };
  for (const Case& c : cases) EXPECT_EQ(WithoutLoneHalves(c.insertion), c.whole) << c.name;
}

}  // namespace tavrel::form
