#include <gtest/gtest.h>

#include <array>
#include <string>
#include <tuple>
#include <vector>

#include "lookup/cp936/fixed_cp936.h"
#include "lookup/text1_change.h"
#include "tables/codes/code_table.h"
#include "tables/pinyin/reading_table.h"
#include "tests/lookup/driver_cases.h"
#include "tests/support/code_pages.h"
#include "tests/support/lookup_fakes.h"

namespace tavrel::testing {
namespace {

// The tables a run of the driver asks.
struct TablePair {
  const char* name;
  const LookupChain& (*readings)();
  const LookupChain& (*codes)();
};

void PrintTo(const TablePair& pair, std::ostream* out) { *out << pair.name; }

const LookupChain& SmallReadings() { return kSmallReadingChain; }
const LookupChain& SmallCodes() { return kSmallCodeChain; }

// The small tables hold rows of the real ones, so every pair gives the same lines.
const TablePair kTablePairs[] = {
    {"SmallTables", SmallReadings, SmallCodes},
    {"RealReadingsSmallCodes", ReadingSlices, SmallCodes},
    {"RealTables", ReadingSlices, CodeSlices},
};

std::vector<std::string> Utf8Lines(const std::vector<std::u16string>& texts) {
  std::vector<std::string> lines;
  for (const std::u16string& text : texts) lines.push_back(Utf8(text));
  return lines;
}

// The system code pages that Chinese text is looked up under: GBK, where a
// Chinese character takes two bytes, and UTF-8, where it takes three. Both
// give every case the same lines.
struct SystemCodePage {
  const char* name;
  const AnsiCodePage& (*code_page)();
};

void PrintTo(const SystemCodePage& page, std::ostream* out) { *out << page.name; }

const AnsiCodePage& Gbk() {
  static const FixedCp936 gbk;
  return gbk;
}

const AnsiCodePage& Utf8Page() {
  static const Utf8CodePage utf8;
  return utf8;
}

const SystemCodePage kCodePages[] = {{"Cp936", Gbk}, {"Utf8", Utf8Page}};

class DriverCaseTest : public ::testing::TestWithParam<std::tuple<SystemCodePage, TablePair, DriverCase>> {};

TEST_P(DriverCaseTest, BuildsBothLinesAndRaisesTheNoCodeMessages) {
  const auto& [page, tables, c] = GetParam();
  RecordingPresenter presenter;
  const LookupLines lines =
      BuildLookupLines(c.input, {page.code_page(), tables.readings(), tables.codes(), presenter});

  EXPECT_EQ(Utf8(lines.code_line), Utf8(c.code_line));
  EXPECT_EQ(Utf8(lines.reading_line), Utf8(c.reading_line));
  EXPECT_EQ(Utf8Lines(presenter.texts), Utf8Lines(c.no_code_messages));
}

INSTANTIATE_TEST_SUITE_P(CodePagesAndTablePairs, DriverCaseTest,
                         ::testing::Combine(::testing::ValuesIn(kCodePages), ::testing::ValuesIn(kTablePairs),
                                            ::testing::ValuesIn(DriverCases())),
                         [](const auto& info) {
                           return std::string(std::get<0>(info.param).name) + "_" + std::get<1>(info.param).name +
                                  "_" + std::get<2>(info.param).name;
                         });

// The boxes of a window, recording what the driver does with them.
class RecordingBoxes final : public LookupBoxes {
 public:
  explicit RecordingBoxes(std::u16string text1) : text1_(std::move(text1)) {}
  std::u16string Text1() const override {
    events.push_back(u"read Text1");
    return text1_;
  }
  void SetText2(const std::u16string& text) override {
    events.push_back(u"Text2=" + text);
    text2 = text;
  }
  void SetText3(const std::u16string& text) override {
    events.push_back(u"Text3=" + text);
    text3 = text;
  }
  void Type(std::u16string text1) { text1_ = std::move(text1); }

  mutable std::vector<std::u16string> events;
  std::u16string text2 = u"previous code line";
  std::u16string text3 = u"previous reading line";

 private:
  std::u16string text1_;
};

// A presenter that looks at the boxes while its message is open.
class PeekingPresenter final : public NoCodePresenter {
 public:
  explicit PeekingPresenter(RecordingBoxes& boxes) : boxes_(boxes) {}
  void ShowNoCode(const CharacterKey& key) override {
    boxes_.events.push_back(u"message " + NoCodeMessageText(key) + u" over " + boxes_.text2 + u" / " + boxes_.text3);
  }

 private:
  RecordingBoxes& boxes_;
};

TEST(Text1Change, ReadsText1OnceThenWritesText2ThenText3) {
  const FixedCp936 gbk;
  RecordingBoxes boxes(u"中，");
  PeekingPresenter presenter(boxes);
  Text1_Change(boxes, {gbk, kSmallReadingChain, kSmallCodeChain, presenter});

  // The message comes while both boxes still show the previous run's lines.
  const std::vector<std::u16string> expected = {
      u"read Text1",
      u"message 无法给 ， 编码 over previous code line / previous reading line",
      u"Text2=oi",
      u"Text3=zhong ，",
  };
  EXPECT_EQ(boxes.events, expected);
}

TEST(Text1Change, RaisesTheNoCodeMessageAgainOnEveryChange) {
  const FixedCp936 gbk;
  RecordingBoxes boxes(u"，中");
  RecordingPresenter presenter;
  const LookupServices services{gbk, kSmallReadingChain, kSmallCodeChain, presenter};

  Text1_Change(boxes, services);
  boxes.Type(u"，中好");  // the change is elsewhere in the text
  Text1_Change(boxes, services);
  boxes.Type(u"中好");
  Text1_Change(boxes, services);

  EXPECT_EQ(presenter.texts, (std::vector<std::u16string>{u"无法给 ， 编码", u"无法给 ， 编码"}));
  EXPECT_EQ(Utf8(boxes.text2), "oi nt");
  EXPECT_EQ(Utf8(boxes.text3), "zhong hao");
}

// Nothing is kept between lookups or between runs: with tables that hold
// nothing, every looked-up character of the input raises its own message, on
// every run.
TEST(BuildLookupLines, LooksUpEveryLookedUpCharacterEveryTime) {
  const LookupChain no_readings{SmallReadingTable().index(), {}};
  const LookupChain no_codes{SmallCodeTable().index(), {}};
  const FixedCp936 gbk;
  RecordingPresenter presenter;
  const LookupServices services{gbk, no_readings, no_codes, presenter};
  struct Case {
    std::u16string input;
    std::vector<std::u16string> looked_up;
  };
  const Case cases[] = {
      {u"", {}},
      {u"   ", {}},
      {u"ab c", {}},
      {u"行a行", {u"行", u"行"}},
      {u" 中，", {u"中", u"，"}},
  };
  for (const Case& c : cases) {
    std::vector<std::u16string> expected;
    for (const std::u16string& key : c.looked_up) expected.push_back(NoCodeMessageText(key));
    for (int run = 0; run < 2; ++run) {
      presenter.texts.clear();
      BuildLookupLines(c.input, services);
      EXPECT_EQ(presenter.texts, expected) << Utf8(c.input) << ", run " << run;
    }
  }
}

TEST(BuildLookupLines, WalksInputsBeyondTheSixteenBitCount) {
  const FixedCp936 gbk;
  RecordingPresenter presenter;
  const std::size_t count = 40'000;  // more than 32,766 code units
  std::u16string input;
  for (std::size_t i = 0; i < count; ++i) input += (i % 2 == 0) ? u"中" : u"，";
  input += u"a";

  const LookupLines lines = BuildLookupLines(input, {gbk, kSmallReadingChain, kSmallCodeChain, presenter});

  EXPECT_EQ(presenter.texts.size(), count / 2);
  std::u16string expected_codes;
  for (std::size_t i = 0; i < count / 2; ++i) expected_codes += u"oi  ";
  expected_codes += u"a";
  EXPECT_EQ(lines.code_line.size(), expected_codes.size());
  EXPECT_EQ(lines.code_line, expected_codes);
  EXPECT_EQ(lines.reading_line.substr(lines.reading_line.size() - 3), u"， a");
}

}  // namespace
}  // namespace tavrel::testing
