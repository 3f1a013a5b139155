// The index that the reading slices share, on a small table whose ends show
// an off-by-one at once: keys U+0100..U+0104, five reading lists, two lists a
// slice, so the slices hold lists {0, 1}, {2, 3} and {4}.
#include <gtest/gtest.h>

#include <array>
#include <cstdint>

#include "tables/pinyin/reading_index.h"

namespace tavrel {
namespace {

constexpr char16_t kText[] = u"aa bbcdd e";
constexpr std::array<std::uint16_t, 6> kListStart = {0, 1, 4, 6, 7, 10};  // "a", "a b", "bc", "d", "d e"
constexpr std::array<std::uint16_t, 5> kListOfKey = {4, 0, 3, 1, 2};      // U+0100 -> "d e", ...
constexpr ReadingIndex kIndex{
    .first_key = 0x0100,
    .list_of_key = kListOfKey,
    .list_start = kListStart,
    .text = {kText, 10},
    .lists_per_slice = 2,
};

// The index is usable in constant expressions, so the table needs nothing built at start.
static_assert(kIndex.ReadingInSlice(u"\u0101", 0) == u"a");
static_assert(kIndex.SliceOf(u"\u0100") == 2);

TEST(ReadingIndex, ReadingListsAreCutFromTheTextAtTheirStarts) {
  const char16_t* expected[] = {u"a", u"a b", u"bc", u"d", u"d e"};
  for (std::size_t list = 0; list < 5; ++list) EXPECT_EQ(kIndex.ReadingList(list), expected[list]) << list;
}

TEST(ReadingIndex, AKeyIsHeldByTheSliceOfItsListOnly) {
  struct Case {
    CharacterKey key;
    std::size_t slice;  // kNoPlace: none
    const char16_t* reading_list;  // from that slice
  };
  const Case cases[] = {
      {u"\u0100", 2, u"d e"},  // the first key, whose list is the last, alone in the last slice
      {u"\u0101", 0, u"a"},
      {u"\u0102", 1, u"d"},
      {u"\u0103", 0, u"a b"},
      {u"\u0104", 1, u"bc"},   // the last key
      {u"\u00FF", kNoPlace, u""},  // just below the first key
      {u"\u0105", kNoPlace, u""},  // just past the last
      {CharacterKey(1, char16_t{0}), kNoPlace, u""},
      {u"\uFFFF", kNoPlace, u""},
      {u"", kNoPlace, u""},
      {u"\u0101\u0101", kNoPlace, u""},  // two held units are no key of one unit
      {CharacterKey{u'\u0101', u'\0'}, kNoPlace, u""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::Message() << "key of " << c.key.size() << " units, first "
                                      << (c.key.empty() ? 0 : static_cast<int>(c.key[0])));
    EXPECT_EQ(kIndex.SliceOf(c.key), c.slice);
    for (std::size_t slice = 0; slice < 3; ++slice)
      EXPECT_EQ(kIndex.ReadingInSlice(c.key, slice), std::u16string_view(c.slice == slice ? c.reading_list : u"")) << "slice " << slice;
  }
}

}  // namespace
}  // namespace tavrel
