#include <gtest/gtest.h>

#include <map>

#include "lookup/cp936/fixed_cp936.h"
#include "lookup/text1_change.h"
#include "tests/support/lookup_fakes.h"

namespace tavrel::testing {
namespace {

// Code page 936 as Windows converts it, at the places where the classification
// turns. The Windows-side test checks all 65,536 code units against the system.
TEST(FixedCp936, GivesTheWindowsValues) {
  struct Case {
    char16_t unit;
    std::int16_t value;
  };
  const Case cases[] = {
      {0x0000, 0},
      {u'\t', 9},
      {u'a', 97},
      {0x007F, 127},
      {0x0080, '?'},                                // unrepresentable
      {0x00A2, static_cast<std::int16_t>(0xA1E9)},  // best fit: ¢ becomes a double-byte ¢
      {0x00A6, '|'},                                // best fit: broken bar becomes plain
      {0x20AC, 128},                                // €, the one-byte code 0x80
      {0xF8F5, 255},                                // the one-byte code 0xFF
      {u'中', static_cast<std::int16_t>(0xD6D0)},
      {0x3000, static_cast<std::int16_t>(0xA1A1)},
      {0xFF0C, static_cast<std::int16_t>(0xA3AC)},  // ，
      {0xE000, static_cast<std::int16_t>(0xAAA1)},  // private use: the user-defined areas
      {0xD800, '?'},                                // surrogate halves
      {0xDFFF, '?'},
      {0xFFFF, '?'},
  };
  const FixedCp936 gbk;
  for (const Case& c : cases) EXPECT_EQ(gbk.AnsiValue(c.unit), c.value) << std::hex << int{c.unit};
}

// A code page that answers chosen values, to pin the classification rule.
class ChosenCodePage final : public AnsiCodePage {
 public:
  explicit ChosenCodePage(std::map<char16_t, std::int16_t> values) : values_(std::move(values)) {}
  std::int16_t AnsiValue(char16_t unit) const override { return values_.at(unit); }

 private:
  std::map<char16_t, std::int16_t> values_;
};

TEST(Classification, PlainIsZeroToOneHundredTwentySevenAndEverythingElseIsLookedUp) {
  struct Case {
    std::int16_t value;
    bool looked_up;
  };
  const Case cases[] = {{0, false},   {63, false},   {127, false}, {128, true},
                        {255, true},  {-1, true},    {-32768, true}, {-10544, true}};
  for (const Case& c : cases) {
    const ChosenCodePage page({{u'x', c.value}});
    RecordingPresenter presenter;
    const LookupLines lines = BuildLookupLines(u"x", {page, kSmallReadingChain, kSmallCodeChain, presenter});
    EXPECT_EQ(presenter.texts.size(), c.looked_up ? 1u : 0u) << c.value;
    EXPECT_EQ(lines.reading_line, u"x") << c.value;  // itself either way: no reading
    EXPECT_EQ(lines.code_line, c.looked_up ? u"" : u"x") << c.value;
  }
}

TEST(Classification, AWesternCodePagePassesChineseThroughWithNoLookup) {
  const WesternCodePage western;
  RecordingPresenter presenter;
  const LookupLines lines =
      BuildLookupLines(u"  中行 ab，好  ", {western, kSmallReadingChain, kSmallCodeChain, presenter});
  EXPECT_EQ(lines.code_line, u"中行 ab，好");
  EXPECT_EQ(lines.reading_line, u"中行 ab，好");
  EXPECT_TRUE(presenter.texts.empty());
}

TEST(Classification, TheOneByteEuroIsLookedUp) {
  const FixedCp936 gbk;
  RecordingPresenter presenter;
  const LookupLines lines = BuildLookupLines(u"a€", {gbk, kSmallReadingChain, kSmallCodeChain, presenter});
  EXPECT_EQ(lines.code_line, u"a");
  EXPECT_EQ(lines.reading_line, u"a €");
  EXPECT_EQ(presenter.texts, std::vector<std::u16string>{u"无法给 € 编码"});
}

}  // namespace
}  // namespace tavrel::testing
