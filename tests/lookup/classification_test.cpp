#include <gtest/gtest.h>

#include <map>
#include <optional>
#include <string>

#include "lookup/code_page_text.h"
#include "lookup/cp936/fixed_cp936.h"
#include "lookup/text1_change.h"
#include "tests/support/code_pages.h"
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
  const LookupLines lines = BuildLookupLines(u"  中行 ab，好\U00020000  ",
                                             {western, kSmallReadingChain, kSmallCodeChain, presenter});
  EXPECT_EQ(lines.code_line, u"中行 ab，好\U00020000");
  EXPECT_EQ(lines.reading_line, u"中行 ab，好\U00020000");
  EXPECT_TRUE(presenter.texts.empty());
}

// A code page that converts each code unit to chosen bytes, or fails on it.
class ChosenConversions final : public ConvertingCodePage {
 public:
  explicit ChosenConversions(std::map<char16_t, std::optional<std::string>> bytes) : bytes_(std::move(bytes)) {}

 private:
  std::size_t ConvertToBytes(std::u16string_view text, std::span<char> out) const override {
    std::string converted;
    for (const char16_t unit : text) {
      const std::optional<std::string>& bytes = bytes_.at(unit);
      if (!bytes) return 0;
      converted += *bytes;
    }
    return CopyConverted<char>(converted, out);
  }
  std::size_t ConvertFromBytes(std::string_view, std::span<char16_t>) const override { return 0; }

  std::map<char16_t, std::optional<std::string>> bytes_;
};

TEST(ConvertingCodePage, MakesTheValueFromTheBytesOfTheConversion) {
  struct Case {
    const char* name;
    char16_t unit;
    std::optional<std::string> bytes;  // nothing: the conversion fails
    std::int16_t value;
  };
  const Case cases[] = {
      {"NUL", 0x0000, std::string(1, '\0'), 0},
      {"ASCII", u'a', "a", 97},
      {"the last plain byte", 0x007F, "\x7F", 127},
      {"the default character", 0x0080, "?", '?'},
      {"one byte from 0x80", 0x20AC, "\x80", 128},
      {"the last byte", 0xF8F5, "\xFF", 255},
      {"two bytes", u'中', "\xD6\xD0", static_cast<std::int16_t>(0xD6D0)},
      {"three bytes of UTF-8", u'行', "\xE8\xA1\x8C", static_cast<std::int16_t>(0xE8A1)},
      {"two bytes of UTF-8", 0x00E9, "\xC3\xA9", static_cast<std::int16_t>(0xC3A9)},
      {"four bytes of GB18030", 0x00A5, "\x81\x30\x84\x36", static_cast<std::int16_t>(0x8130)},
      {"more bytes than any code page takes", 0x0100, "\xF8\x88\x80\x80\x80", '?'},
      {"a failed conversion", 0x0101, std::nullopt, '?'},
      // A lone half is "?" whatever the conversion makes of it.
      {"high half", 0xD840, "\xEF\xBF\xBD", '?'},
      {"first high half", 0xD800, "\xEF\xBF\xBD", '?'},
      {"low half", 0xDC00, "\xEF\xBF\xBD", '?'},
      {"last low half", 0xDFFF, "\xEF\xBF\xBD", '?'},
  };
  std::map<char16_t, std::optional<std::string>> conversions;
  for (const Case& c : cases) conversions[c.unit] = c.bytes;
  const ChosenConversions page(conversions);
  for (const Case& c : cases) {
    EXPECT_EQ(page.AnsiValue(c.unit), c.value) << c.name;
    EXPECT_EQ(IsPlain(page.AnsiValue(c.unit)), c.value >= 0 && c.value <= 127) << c.name;
  }
}

TEST(ConvertingCodePage, UnderUtf8OnlyAsciiIsPlainAndEveryOtherCharacterIsLookedUp) {
  const Utf8CodePage utf8;
  for (unsigned unit = 0; unit <= 0xFFFF; ++unit) {
    const auto u = static_cast<char16_t>(unit);
    const std::int16_t value = utf8.AnsiValue(u);
    if (unit < 0x80) {
      EXPECT_EQ(value, static_cast<std::int16_t>(unit));
    } else if (IsSurrogate(u)) {
      EXPECT_EQ(value, '?') << std::hex << unit;
    } else {
      const std::string bytes = Utf8(std::u16string(1, u));
      ASSERT_EQ(value, AnsiValueOfBytes(bytes)) << std::hex << unit;
      ASSERT_LT(value, 0) << std::hex << unit;
    }
  }
  EXPECT_EQ(utf8.AnsiValue(u'中'), static_cast<std::int16_t>(0xE4B8));
}

TEST(ConvertingCodePage, ConvertsToBytesACharacterAtATime) {
  struct Case {
    const char* name;
    const SystemCodePageText& page;
    std::u16string text;
    std::string bytes;
  };
  const Utf8CodePage utf8;
  const WesternCodePage western;
  const ChosenConversions failing({{u'a', "a"}, {u'b', std::nullopt}});
  const Case cases[] = {
      {"empty", utf8, u"", ""},
      {"UTF-8", utf8, u"a中é", "a\xE4\xB8\xAD\xC3\xA9"},
      {"a surrogate pair is one character of four bytes", utf8, u"\U00020000", "\xF0\xA0\x80\x80"},
      {"a lone high half", utf8, std::u16string{char16_t{0xD840}, u'a'}, "?a"},
      {"a lone low half", utf8, std::u16string{u'a', char16_t{0xDC00}}, "a?"},
      {"halves in the wrong order", utf8, std::u16string{char16_t{0xDC00}, char16_t{0xD840}}, "??"},
      {"Western", western, u"aé中", "a\xE9?"},
      {"a failed conversion", failing, u"aba", "a?a"},
  };
  for (const Case& c : cases) EXPECT_EQ(c.page.ToBytes(c.text), c.bytes) << c.name;
}

TEST(ConvertingCodePage, MakesTextFromBytes) {
  const Utf8CodePage utf8;
  EXPECT_EQ(utf8.FromBytes(""), u"");
  EXPECT_EQ(utf8.FromBytes("a\xE4\xB8\xAD\xF0\xA0\x80\x80"), u"a中\U00020000");
  EXPECT_EQ(utf8.FromBytes("a\xE4\xB8"), u"a\uFFFD\uFFFD");  // a character cut off
  const std::u16string text = u"Tavrel 中文\U0001F600 ，";
  EXPECT_EQ(utf8.FromBytes(utf8.ToBytes(text)), text);
  const ChosenConversions failing({});
  EXPECT_EQ(failing.FromBytes("abc"), u"");
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
