#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "lookup/cp936/fixed_cp936.h"
#include "lookup/text1_change.h"
#include "tests/lookup/driver_cases.h"
#include "tests/support/lookup_fakes.h"

namespace tavrel::testing {
namespace {

class DriverCaseTest : public ::testing::TestWithParam<DriverCase> {};

TEST_P(DriverCaseTest, BuildsBothLinesAndRaisesTheNoCodeMessages) {
  const DriverCase& c = GetParam();
  const FixedCp936 gbk;
  RecordingPresenter presenter;
  const LookupLines lines =
      BuildLookupLines(c.input, {gbk, kSmallReadingChain, kSmallCodeChain, presenter});

  EXPECT_EQ(Utf8(lines.code_line), Utf8(c.code_line));
  EXPECT_EQ(Utf8(lines.reading_line), Utf8(c.reading_line));
  ASSERT_EQ(presenter.texts.size(), c.no_code_messages.size());
  for (std::size_t i = 0; i < presenter.texts.size(); ++i)
    EXPECT_EQ(Utf8(presenter.texts[i]), Utf8(c.no_code_messages[i])) << "message " << i;
}

INSTANTIATE_TEST_SUITE_P(SmallTables, DriverCaseTest, ::testing::ValuesIn(DriverCases()),
                         [](const auto& info) { return std::string(info.param.name); });

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

// Chains whose one slice logs every key it is asked about.
std::vector<std::string> g_asked;

std::u16string_view LoggingReadingSlice(const CharacterKey& key) {
  g_asked.push_back("reading " + Utf8(key));
  return SmallReadingSlice(key);
}

std::u16string_view LoggingCodeSlice(const CharacterKey& key) {
  g_asked.push_back("code " + Utf8(key));
  return SmallCodeSlice(key);
}

TEST(BuildLookupLines, AsksForTheReadingThenTheCodeOfEveryLookedUpCharacterEveryTime) {
  const std::array<TableSlice, 1> readings{{{"readings", LoggingReadingSlice}}};
  const std::array<TableSlice, 1> codes{{{"codes", LoggingCodeSlice}}};
  const FixedCp936 gbk;
  SilentPresenter presenter;
  const LookupServices services{gbk, LookupChain{readings}, LookupChain{codes}, presenter};
  struct Case {
    std::u16string input;
    std::vector<std::string> asked;
  };
  const Case cases[] = {
      {u"", {}},
      {u"   ", {}},
      {u"ab c", {}},
      {u"行a行", {"reading 行", "code 行", "reading 行", "code 行"}},  // nothing is kept between lookups
      {u" 中，", {"reading 中", "code 中", "reading ，", "code ，"}},
  };
  for (const Case& c : cases) {
    g_asked.clear();
    BuildLookupLines(c.input, services);
    EXPECT_EQ(g_asked, c.asked) << Utf8(c.input);
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
