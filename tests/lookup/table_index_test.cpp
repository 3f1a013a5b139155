// The index that both tables share, on a small table whose ends show an
// off-by-one at once: keys U+0100..U+0104 and U+FFFF, six values, two values
// a slice, so the slices hold values {0, 1}, {2, 3} and {4, 5}.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "lookup/table_index.h"
#include "tests/support/small_table.h"

namespace tavrel::testing {
namespace {

const SmallTable& Table() {
  static const SmallTable table({{u"a", u"\u0101"},
                                 {u"a b", u"\u0103"},
                                 {u"bc", u"\u0104"},
                                 {u"d", u"\u0102"},
                                 {u"d e", u"\u0100"},  // the first key's value, in the last slice
                                 {u"f", u"\uFFFF"}},   // the last code unit, alone on the last page
                                2);
  return table;
}

TEST(TableIndex, ValuesAreCutFromTheTextAtTheirStarts) {
  const char16_t* expected[] = {u"a", u"a b", u"bc", u"d", u"d e", u"f"};
  ASSERT_EQ(Table().index().ValueCount(), 6u);
  for (std::size_t number = 0; number < 6; ++number)
    EXPECT_EQ(Table().index().Value(number), expected[number]) << number;
}

TEST(TableIndex, AKeyIsHeldByTheSliceOfItsValueOnly) {
  struct Case {
    CharacterKey key;
    std::size_t slice;  // kNoPlace: none
    const char16_t* value;
  };
  const Case cases[] = {
      {u"\u0100", 2, u"d e"},
      {u"\u0101", 0, u"a"},
      {u"\u0102", 1, u"d"},
      {u"\u0103", 0, u"a b"},
      {u"\u0104", 1, u"bc"},
      {u"\uFFFF", 2, u"f"},
      {u"\u00FF", kNoPlace, u""},  // just below the first key, on the page of no value
      {u"\u0105", kNoPlace, u""},  // just past it, on the same page
      {u"\uFFFE", kNoPlace, u""},
      {CharacterKey(1, char16_t{0}), kNoPlace, u""},
      {u"", kNoPlace, u""},
      {u"\u0101\u0101", kNoPlace, u""},  // two held units are no key of one unit
      {CharacterKey{u'\u0101', u'\0'}, kNoPlace, u""},
  };
  const TableIndex& index = Table().index();
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::Message() << "key of " << c.key.size() << " units, first "
                                      << (c.key.empty() ? 0 : static_cast<int>(c.key[0])));
    EXPECT_EQ(index.SliceOf(c.key), c.slice);
    for (std::size_t slice = 0; slice < 4; ++slice)
      EXPECT_EQ(index.ValueInSlice(c.key, slice), std::u16string_view(c.slice == slice ? c.value : u""))
          << "slice " << slice;
    for (std::size_t count = 0; count <= 4; ++count)
      EXPECT_EQ(index.ValueInFirstSlices(c.key, count),
                std::u16string_view(c.slice < count ? c.value : u""))
          << "first " << count << " slices";
  }
}

// Each fault that would let a lookup leave the index's arrays is found.
TEST(TableIndex, TheSoundnessCheckFindsEveryFaultThatBreaksTheBounds) {
  const TableIndex& good = Table().index();
  ASSERT_TRUE(good.IsSound());

  const std::vector<std::uint16_t> pages(good.value_pages.begin(), good.value_pages.end());
  const std::vector<std::uint16_t> starts(good.value_start.begin(), good.value_start.end());
  std::array<std::uint16_t, 256> page_of_high_byte;
  std::copy(good.page_of_high_byte.begin(), good.page_of_high_byte.end(), page_of_high_byte.begin());

  std::vector<std::uint16_t> page_past_the_end = pages;
  page_past_the_end[0x0101] = static_cast<std::uint16_t>(starts.size() - 1);  // the count of values
  std::vector<std::uint16_t> empty_value = starts;
  empty_value[2] = empty_value[1];
  std::vector<std::uint16_t> not_from_zero = starts;
  not_from_zero[0] = 1;
  std::array<std::uint16_t, 256> no_such_page = page_of_high_byte;
  no_such_page[0x42] = static_cast<std::uint16_t>(pages.size() / TableIndex::kPageSize);
  const std::vector<std::uint16_t> short_pages(pages.begin(), pages.end() - 1);

  struct Case {
    const char* fault;
    TableIndex index;
  };
  const Case cases[] = {
      {"no values per slice", {page_of_high_byte, pages, starts, good.text, 0}},
      {"pages cut short", {page_of_high_byte, short_pages, starts, good.text, 2}},
      {"no pages", {page_of_high_byte, {}, starts, good.text, 2}},
      {"a page number past the pages", {no_such_page, pages, starts, good.text, 2}},
      {"a value number past the values", {page_of_high_byte, page_past_the_end, starts, good.text, 2}},
      {"no value starts", {page_of_high_byte, pages, {}, good.text, 2}},
      {"values not from the start of the text", {page_of_high_byte, pages, not_from_zero, good.text, 2}},
      {"values short of the end of the text", {page_of_high_byte, pages, starts, good.text.substr(0, 5), 2}},
      {"an empty value", {page_of_high_byte, pages, empty_value, good.text, 2}},
  };
  for (const Case& c : cases) EXPECT_FALSE(c.index.IsSound()) << c.fault;
}

}  // namespace
}  // namespace tavrel::testing
