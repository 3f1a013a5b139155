// The driver's cases against the real tables.
#include <gtest/gtest.h>

#include "lookup/cp936/fixed_cp936.h"
#include "lookup/text1_change.h"
#include "tables/codes/code_table.h"
#include "tables/pinyin/reading_table.h"
#include "tests/lookup/driver_cases.h"
#include "tests/support/lookup_fakes.h"

namespace tavrel::testing {
namespace {

class RealTablesDriverTest : public ::testing::TestWithParam<DriverCase> {};

TEST_P(RealTablesDriverTest, GiveTheSameLinesAsTheSmallTables) {
  const DriverCase& c = GetParam();
  const FixedCp936 gbk;
  RecordingPresenter presenter;
  const LookupLines lines = BuildLookupLines(c.input, {gbk, ReadingSlices(), CodeSlices(), presenter});

  EXPECT_EQ(Utf8(lines.code_line), Utf8(c.code_line));
  EXPECT_EQ(Utf8(lines.reading_line), Utf8(c.reading_line));
  EXPECT_EQ(presenter.texts, c.no_code_messages);
}

INSTANTIATE_TEST_SUITE_P(RealTables, RealTablesDriverTest, ::testing::ValuesIn(DriverCases()),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace tavrel::testing
