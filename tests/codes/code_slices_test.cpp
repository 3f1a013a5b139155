// The nine code slices and the chain CodeOf over them, as the program asks
// them: every key of the committed data, the rows the table is known by, the
// seams between slices and the strings that are no key.
#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <optional>
#include <string>
#include <vector>

#include "lookup/code_of.h"
#include "tables/codes/code_slices.h"
#include "tables/codes/code_table.h"
#include "tests/codes/code_file.h"
#include "tests/support/chain_agreement.h"
#include "tests/support/lookup_fakes.h"

namespace tavrel::testing {
namespace {

constexpr std::size_t kNoSlice = 99;  // for ExpectOnlySliceAnswers: no slice holds the key

struct NamedSlice {
  const char* name;
  SliceLookup lookup;
};

constexpr std::array<NamedSlice, 9> kSlices = {{
    {"CodeOf_AA_DB", CodeOf_AA_DB},
    {"CodeOf_DC_GD", CodeOf_DC_GD},
    {"CodeOf_GE_JF", CodeOf_GE_JF},
    {"CodeOf_JG_MH", CodeOf_JG_MH},
    {"CodeOf_MI_PJ", CodeOf_MI_PJ},
    {"CodeOf_PK_SL", CodeOf_PK_SL},
    {"CodeOf_SM_VO", CodeOf_SM_VO},
    {"CodeOf_VP_YQ", CodeOf_VP_YQ},
    {"CodeOf_YR_ZZ", CodeOf_YR_ZZ},
}};

std::string Shown(const std::u16string& key) {
  std::string shown;
  for (const char16_t unit : key) {
    char hex[8];
    std::snprintf(hex, sizeof hex, "U+%04X", static_cast<unsigned>(unit));
    shown += shown.empty() ? hex : std::string(" ") + hex;
  }
  return shown.empty() ? "the empty string" : shown;
}

// Asks every slice directly; the slice at `place` (0-based, kNoSlice for
// none) must answer `code`, every other slice the empty string.
void ExpectOnlySliceAnswers(const CharacterKey& key, std::size_t place, std::u16string_view code) {
  for (std::size_t i = 0; i < kSlices.size(); ++i) {
    const std::u16string_view answer = kSlices[i].lookup(key);
    if (i == place)
      EXPECT_EQ(Utf8(answer), Utf8(code)) << kSlices[i].name << " for " << Shown(key);
    else
      EXPECT_TRUE(answer.empty()) << kSlices[i].name << " answers " << Utf8(answer) << " for " << Shown(key);
  }
}

std::u16string Code(const std::string& code) { return std::u16string(code.begin(), code.end()); }

TEST(CodeSlices, ChainHoldsTheNineSlicesInOrder) {
  const LookupChain& chain = CodeSlices();
  ASSERT_EQ(chain.place_names.size(), kSlices.size());
  for (std::size_t i = 0; i < kSlices.size(); ++i) EXPECT_STREQ(chain.place_names[i], kSlices[i].name);
}

// The chain reads the table's index itself; it answers every key as the named
// slices, asked one by one in place order, do.
TEST(CodeSlices, ChainAnswersAsItsNamedSlicesInPlaceOrder) {
  std::vector<SliceLookup> slices;
  for (const NamedSlice& slice : kSlices) slices.push_back(slice.lookup);
  const std::optional<CharacterKey> differing = FirstKeyWhereChainAndSlicesDiffer(CodeSlices(), slices);
  EXPECT_FALSE(differing.has_value()) << Shown(*differing);
}

// Every character of the data file is held by the slice of its code's run
// of 80 and by no other, and CodeOf answers it without a message.
TEST(CodeSlices, EveryKeyOfTheDataIsHeldByTheSliceOfItsCode) {
  const std::vector<CodeGroup>& groups = CodeFile();
  ASSERT_EQ(groups.size(), 675u);
  RecordingPresenter presenter;
  for (std::size_t number = 0; number < groups.size(); ++number) {
    const std::u16string code = Code(groups[number].code);
    for (const char16_t character : groups[number].characters) {
      const CharacterKey key(1, character);
      ExpectOnlySliceAnswers(key, number / 80, code);
      EXPECT_EQ(Utf8(CodeOf(key, CodeSlices(), presenter)), Utf8(code)) << Shown(key);
    }
  }
  EXPECT_TRUE(presenter.texts.empty());
}

TEST(CodeSlices, NoIdeographRaisesTheNoCodeMessage) {
  RecordingPresenter presenter;
  for (char16_t c = u'\u4E00'; c <= u'\u9FA5'; ++c) {
    const std::u16string code(CodeOf(CharacterKey(1, c), CodeSlices(), presenter));
    ASSERT_EQ(code.size(), 2u) << Shown(CharacterKey(1, c));
    EXPECT_TRUE(code[0] >= u'a' && code[0] <= u'z' && code[1] >= u'a' && code[1] <= u'z');
    EXPECT_NE(code, u"uz");
  }
  EXPECT_TRUE(presenter.texts.empty());
}

struct HitCase {
  const char* name;
  char16_t character;
  std::u16string_view code;
  std::size_t place;  // 1-based place in the chain
};

class CodeSliceHits : public ::testing::TestWithParam<HitCase> {};

TEST_P(CodeSliceHits, AnswerFromTheirSliceOnly) {
  const HitCase& c = GetParam();
  const CharacterKey key(1, c.character);
  ExpectOnlySliceAnswers(key, c.place - 1, c.code);
  RecordingPresenter presenter;
  EXPECT_EQ(Utf8(CodeOf(key, CodeSlices(), presenter)), Utf8(c.code));
  EXPECT_TRUE(presenter.texts.empty());
}

INSTANTIATE_TEST_SUITE_P(
    KnownRows, CodeSliceHits,
    ::testing::Values(
        HitCase{"kua_first_key_of_dc_gd", u'誇', u"dc", 2}, HitCase{"kua_later_in_dc", u'夸', u"dc", 2},
        HitCase{"shu_last_key_of_dc_gd", u'赎', u"gd", 2}, HitCase{"only_key_of_fz", u'轋', u"fz", 2},
        HitCase{"only_key_of_bz", u'糙', u"bz", 1}, HitCase{"katakana_wi", u'\u30F0', u"ff", 2},
        HitCase{"ideographic_zero", u'\u3007', u"oo", 5}, HitCase{"private_use_e831", u'\uE831', u"fd", 2},
        HitCase{"yue_first_group", u'月', u"aa", 1}, HitCase{"zhong", u'中', u"oi", 5},
        HitCase{"xing", u'行', u"rj", 6}, HitCase{"hao", u'好', u"nt", 5}, HitCase{"he", u'呵', u"oj", 5},
        HitCase{"first_ideograph", u'\u4E00', u"yy", 9}, HitCase{"last_ideograph", u'\u9FA5', u"va", 7},
        HitCase{"kou", u'口', u"oo", 5}, HitCase{"wei_enclosure", u'囗', u"oo", 5},
        HitCase{"mu", u'木', u"mm", 5}, HitCase{"he_grain", u'禾', u"mm", 5},
        HitCase{"wu", u'\u5140', u"yh", 8}, HitCase{"wu_compatibility_twin", u'\uFA0C', u"yh", 8},
        HitCase{"private_use_e815", u'\uE815', u"cc", 1}, HitCase{"private_use_e836", u'\uE836', u"zz", 9},
        HitCase{"private_use_e848", u'\uE848', u"zz", 9}, HitCase{"guo", u'国', u"qw", 6},
        HitCase{"ta", u'他', u"rl", 6}, HitCase{"shui", u'水', u"ss", 7}, HitCase{"shan", u'山', u"ui", 7},
        HitCase{"ren", u'人', u"vv", 8}, HitCase{"tian", u'天', u"yd", 8}, HitCase{"zhe", u'这', u"zx", 9},
        HitCase{"hiragana_ku", u'\u304F', u"pn", 6}, HitCase{"bopomofo_u", u'\u3128', u"xx", 8},
        HitCase{"jin_group_before_the_missing_uz", u'盡', u"uy", 7},
        HitCase{"group_after_the_missing_uz", u'焩', u"va", 7},
        HitCase{"last_code_of_the_first_half", u'劓', u"pj", 5}, HitCase{"largest_group", u'的', u"pc", 5}),
    [](const auto& info) { return std::string(info.param.name); });

// The last code of each slice and the first code of the next come from
// those two slices, never from one.
TEST(CodeSlices, CodesAtEachSeamComeFromNeighbouringSlices) {
  const std::vector<CodeGroup>& groups = CodeFile();
  ASSERT_EQ(groups.size(), 675u);
  for (std::size_t place = 1; place < kSlices.size(); ++place) {
    const CodeGroup& before = groups[place * 80 - 1];
    const CodeGroup& after = groups[place * 80];
    SCOPED_TRACE(before.code + " | " + after.code);
    ExpectOnlySliceAnswers(CharacterKey(1, before.characters.back()), place - 1, Code(before.code));
    ExpectOnlySliceAnswers(CharacterKey(1, after.characters.front()), place, Code(after.code));
  }
}

struct MissCase {
  const char* name;
  std::u16string key;
};

class CodeSliceMisses : public ::testing::TestWithParam<MissCase> {};

TEST_P(CodeSliceMisses, AreHeldByNoSliceAndRaiseTheMessage) {
  const CharacterKey& key = GetParam().key;
  ExpectOnlySliceAnswers(key, kNoSlice, u"");
  RecordingPresenter presenter;
  EXPECT_EQ(CodeOf(key, CodeSlices(), presenter), u"");
  ASSERT_EQ(presenter.texts.size(), 1u);
  EXPECT_EQ(Utf8(presenter.texts[0]), Utf8(u"无法给 " + key + u" 编码"));
}

INSTANTIATE_TEST_SUITE_P(
    NoKeys, CodeSliceMisses,
    ::testing::Values(MissCase{"empty", u""}, MissCase{"ascii_letter", u"a"}, MissCase{"nul", std::u16string(1, u'\0')},
                      MissCase{"before_the_ideographs", u"\u4DFF"}, MissCase{"after_the_ideographs", u"\u9FA6"},
                      MissCase{"extension_a_first", u"\u3400"}, MissCase{"extension_a_last", u"\u4DB5"},
                      MissCase{"compatibility_twin_of_si", u"\uFA0D"}, MissCase{"radical_of_e815", u"\u2E81"},
                      MissCase{"radical_of_e836", u"\u2EAE"}, MissCase{"hiragana_wi", u"\u3090"},
                      MissCase{"ideographic_full_stop", u"\u3002"}, MissCase{"full_width_comma", u"\uFF0C"},
                      MissCase{"ideographic_space", u"\u3000"}, MissCase{"private_use_before_the_keys", u"\uE814"},
                      MissCase{"private_use_between_keys", u"\uE81A"}, MissCase{"private_use_after_the_keys", u"\uE856"},
                      MissCase{"last_code_unit", u"\uFFFF"}, MissCase{"key_twice", u"誇誇"},
                      MissCase{"key_and_space", u"誇 "}, MissCase{"two_keys", u"中国"},
                      MissCase{"further_key_twice", u"\u3007\u3007"}, MissCase{"surrogate_pair", u"\U00020000"},
                      MissCase{"high_surrogate_first", u"\xD800"}, MissCase{"high_surrogate_last", u"\xDBFF"},
                      MissCase{"low_surrogate_first", u"\xDC00"}, MissCase{"low_surrogate_last", u"\xDFFF"}),
    [](const auto& info) { return std::string(info.param.name); });

// A slice keeps no state and never writes the key: asked twice it answers
// the same, the key holds what it held, and the answer outlives the key.
TEST(CodeSlices, RepeatedCallsAnswerAlikeAndLeaveTheKey) {
  for (const std::u16string& text : {std::u16string(u"月"), std::u16string(u"赎"), std::u16string(u"\uE848"),
                                     std::u16string(u"\uFF0C"), std::u16string(u"中国"), std::u16string()}) {
    for (const NamedSlice& slice : kSlices) {
      std::u16string_view first;
      {
        const CharacterKey key = text;
        first = slice.lookup(key);
        const std::u16string_view second = slice.lookup(key);
        EXPECT_EQ(first, second) << slice.name << " " << Shown(text);
        EXPECT_EQ(key, text);
      }
      EXPECT_EQ(first, slice.lookup(text)) << "the answer outlives the key";
    }
  }
}

}  // namespace
}  // namespace tavrel::testing
