// The driver's cases with the real reading table and the small stand-in code
// table: the reading line must come out as with the small reading table.
#include <gtest/gtest.h>

#include "lookup/cp936/fixed_cp936.h"
#include "lookup/text1_change.h"
#include "tables/pinyin/reading_table.h"
#include "tests/lookup/driver_cases.h"
#include "tests/support/lookup_fakes.h"

namespace tavrel::testing {
namespace {

class ReadingTableDriverTest : public ::testing::TestWithParam<DriverCase> {};

TEST_P(ReadingTableDriverTest, GivesTheSameLinesAsTheSmallReadingTable) {
  const DriverCase& c = GetParam();
  const FixedCp936 gbk;
  RecordingPresenter presenter;
  const LookupLines lines = BuildLookupLines(c.input, {gbk, ReadingSlices(), kSmallCodeChain, presenter});

  EXPECT_EQ(Utf8(lines.code_line), Utf8(c.code_line));
  EXPECT_EQ(Utf8(lines.reading_line), Utf8(c.reading_line));
  EXPECT_EQ(presenter.texts, c.no_code_messages);
}

INSTANTIATE_TEST_SUITE_P(RealReadings, ReadingTableDriverTest, ::testing::ValuesIn(DriverCases()),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace tavrel::testing
