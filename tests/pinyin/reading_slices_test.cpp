// The 36 reading slices and the chain PinyinOf over them, against the
// committed data file.
#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <optional>
#include <string>
#include <vector>

#include "lookup/pinyin_of.h"
#include "tables/pinyin/reading_slices.h"
#include "tables/pinyin/reading_table.h"
#include "tests/pinyin/reading_file.h"
#include "tests/pinyin/telling_rows.h"
#include "tests/support/chain_agreement.h"
#include "tests/support/lookup_fakes.h"

namespace tavrel::testing {
namespace {

// The slices in chain order, by their own names.
constexpr std::array<SliceLookup, 36> kSlicesByName = {
    PinyinOf_A_Bai,     PinyinOf_Bai_Bi,       PinyinOf_Bi_Bo,         PinyinOf_Bo_Cha,   PinyinOf_Cha_Che,
    PinyinOf_Che_Chi,   PinyinOf_Chi_Chua,     PinyinOf_Chuai_Cu,      PinyinOf_Cu_Dan,   PinyinOf_Dan_Dian,
    PinyinOf_Dian_Dui,  PinyinOf_Dui_Fa,       PinyinOf_Fa_Gai,        PinyinOf_Gai_Gongli, PinyinOf_Gou_Gui,
    PinyinOf_Gui_He,    PinyinOf_He_Hua,       PinyinOf_Huai_Ji,       PinyinOf_Ji_Jiao,  PinyinOf_Jiao_Ju,
    PinyinOf_Ju_Ke,     PinyinOf_Ke_Lai,       PinyinOf_Lai_Lin,       PinyinOf_Lin_Me,   PinyinOf_Me_Na,
    PinyinOf_Na_Niu,    PinyinOf_Niu_Pianpang, PinyinOf_Pianpang_Qiao, PinyinOf_Qiao_Rui, PinyinOf_Rui_She,
    PinyinOf_She_Si,    PinyinOf_Si_Tian,      PinyinOf_Tian_Wen,      PinyinOf_Wen_Ya,   PinyinOf_Yan_Zha,
    PinyinOf_Zha_Zuo,
};

std::string Hex(char16_t unit) {
  char text[8];
  std::snprintf(text, sizeof text, "U+%04X", static_cast<unsigned>(unit));
  return text;
}

// Every answer of every slice for a key, empty answers included.
std::vector<std::u16string> AnswersOfAllSlices(const CharacterKey& key) {
  std::vector<std::u16string> answers;
  for (SliceLookup slice : kSlicesByName) answers.emplace_back(slice(key));
  return answers;
}

TEST(ReadingSlices, TheChainHoldsTheNamedSlicesInPlaceOrder) {
  const LookupChain& chain = ReadingSlices();
  const std::vector<ReadingFileSlice>& file = ReadingFile();
  ASSERT_EQ(chain.place_names.size(), 36u);
  ASSERT_EQ(file.size(), 36u);
  for (std::size_t i = 0; i < 36; ++i) EXPECT_EQ(chain.place_names[i], file[i].name) << "place " << i + 1;
}

// The chain reads the table's index itself; it answers every key as the named
// slices, asked one by one in place order, do.
TEST(ReadingSlices, TheChainAnswersAsItsNamedSlicesInPlaceOrder) {
  const std::optional<CharacterKey> differing = FirstKeyWhereChainAndSlicesDiffer(ReadingSlices(), kSlicesByName);
  EXPECT_FALSE(differing.has_value()) << "key of " << differing->size() << " units: " << Utf8(*differing);
}

// Every code unit, as a key of one unit: the slice of the file answers with
// the file's reading list, the other 35 with the empty string, and PinyinOf
// gives the reading list, or the key itself for a code unit that the file
// does not hold.
TEST(ReadingSlices, EveryCodeUnitIsAnsweredByItsOwnSliceOnly) {
  std::vector<std::u16string> reading(0x10000);
  std::vector<int> place(0x10000, 0);
  for (const PlacedRow& placed : AllRows())
    for (char16_t c : placed.row->characters) reading[c] = placed.row->reading_list, place[c] = placed.place;

  const LookupChain& chain = ReadingSlices();
  int held = 0;
  for (unsigned unit = 0; unit < 0x10000; ++unit) {
    const CharacterKey key(1, static_cast<char16_t>(unit));
    for (std::size_t slice = 0; slice < kSlicesByName.size(); ++slice) {
      const std::u16string_view answer = kSlicesByName[slice](key);
      const std::u16string_view expected =
          place[unit] == static_cast<int>(slice) + 1 ? std::u16string_view(reading[unit]) : std::u16string_view();
      ASSERT_EQ(answer, expected) << Hex(key[0]) << " from place " << slice + 1;
    }
    if (place[unit] == 0) {
      ASSERT_EQ(PinyinOf(key, chain), key) << Hex(key[0]);
    } else {
      ++held;
      ASSERT_EQ(PinyinOf(key, chain), reading[unit]) << Hex(key[0]);
    }
  }
  EXPECT_EQ(held, 20902);
}

TEST(ReadingSlices, TellingRowsComeBackLetterForLetter) {
  for (const TellingRow& row : kTellingRows) {
    const CharacterKey key(1, row.key);
    SCOPED_TRACE(Utf8(key) + " " + Hex(row.key));
    EXPECT_EQ(Utf8(PinyinOf(key, ReadingSlices())), Utf8(row.reading_list));
    std::vector<std::u16string> expected(36);
    expected[row.place - 1] = row.reading_list;
    EXPECT_EQ(AnswersOfAllSlices(key), expected);
  }
}

TEST(ReadingSlices, TheFirstAndLastCharacterOfEverySliceAndItsNeighbours) {
  const std::vector<ReadingFileSlice>& file = ReadingFile();
  ASSERT_EQ(file.size(), 36u);
  for (std::size_t i = 0; i < file.size(); ++i) {
    const ReadingRow& first = file[i].rows.front();
    const ReadingRow& last = file[i].rows.back();
    for (const auto& [key, reading] : {std::pair{CharacterKey(1, first.characters.front()), first.reading_list},
                                       std::pair{CharacterKey(1, last.characters.back()), last.reading_list}}) {
      SCOPED_TRACE(file[i].name + " " + Hex(key[0]));
      EXPECT_EQ(kSlicesByName[i](key), reading);
      if (i > 0) {
        EXPECT_EQ(kSlicesByName[i - 1](key), u"");
      }
      if (i + 1 < file.size()) {
        EXPECT_EQ(kSlicesByName[i + 1](key), u"");
      }
    }
  }
}

TEST(ReadingSlices, SeamsAnswerOnlyFromTheHoldingSlice) {
  struct Case {
    char16_t key;
    SliceLookup holder;
    const char16_t* reading_list;
    std::vector<SliceLookup> not_holding;
  };
  const Case cases[] = {
      {0x4F70, PinyinOf_Bai_Bi, u"bai mo", {PinyinOf_A_Bai}},                 // 佰
      {0x6D3E, PinyinOf_A_Bai, u"bai mai pa pai", {PinyinOf_Bai_Bi}},         // 派
      {0x8197, PinyinOf_Chuai_Cu, u"chuai", {PinyinOf_Chi_Chua}},             // 膗
      {0x81AD, PinyinOf_Dian_Dui, u"dui gui kui", {PinyinOf_Dui_Fa}},         // 膭
      {0x8B09, PinyinOf_Dui_Fa, u"dui gui kui tui", {PinyinOf_Dian_Dui}},     // 謉
      {0x6A43, PinyinOf_Fa_Gai, u"fa fei", {PinyinOf_Dui_Fa}},                // 橃
      {0x6CDB, PinyinOf_Dui_Fa, u"fa fan feng", {PinyinOf_Fa_Gai}},           // 泛
      {0x6565, PinyinOf_Jiao_Ju, u"jiao yan", {PinyinOf_Ji_Jiao}},            // 敥
      {0x6054, PinyinOf_Ji_Jiao, u"jiao xiao", {PinyinOf_Jiao_Ju, PinyinOf_Ju_Ke, PinyinOf_Ke_Lai}},  // 恔
      {0x5727, PinyinOf_Jiao_Ju, u"ju ya", {PinyinOf_Ju_Ke, PinyinOf_Ke_Lai}},                        // 圧
      {0x9AC1, PinyinOf_Ke_Lai, u"ke kua", {PinyinOf_Jiao_Ju, PinyinOf_Ju_Ke}},                       // 髁
      {0x53B2, PinyinOf_Ke_Lai, u"lai li", {PinyinOf_Lai_Lin}},                                        // 厲
      {0x91D0, PinyinOf_Lai_Lin, u"lai li tai xi", {PinyinOf_Ke_Lai, PinyinOf_Jiao_Ju, PinyinOf_Ju_Ke}},  // 釐
      {0x6E17, PinyinOf_Lin_Me, u"lin qin sen shen", {PinyinOf_Lai_Lin}},     // 渗
      {0x6D81, PinyinOf_Lai_Lin, u"lin qin sei shen", {PinyinOf_Lin_Me}},     // 涁
      {0x6C35, PinyinOf_Niu_Pianpang, u"pianpang shui", {PinyinOf_Pianpang_Qiao}},  // 氵
      {0x7E9F, PinyinOf_Pianpang_Qiao, u"pianpang si", {PinyinOf_Niu_Pianpang}},    // 纟
      {0x82FC, PinyinOf_Rui_She, u"rui sheng", {PinyinOf_Qiao_Rui}},          // 苼
      {0x82AE, PinyinOf_Qiao_Rui, u"rui ruo", {PinyinOf_Rui_She}},            // 芮
      {0x756C, PinyinOf_She_Si, u"she yu", {PinyinOf_Rui_She}},               // 畬
      {0x5C04, PinyinOf_Rui_She, u"she ye yi", {PinyinOf_She_Si}},            // 射
      {0x6079, PinyinOf_Yan_Zha, u"yan", {PinyinOf_Wen_Ya}},                  // 恹
      {0x672D, PinyinOf_Wen_Ya, u"ya zha", {PinyinOf_Yan_Zha, PinyinOf_Zha_Zuo}},  // 札
      {0x62C3, PinyinOf_Yan_Zha, u"zha zhan", {PinyinOf_Zha_Zuo}},            // 拃
      {0x6463, PinyinOf_Zha_Zuo, u"zha zhua", {PinyinOf_Yan_Zha}},            // 摣
      {0x7CF3, PinyinOf_Zha_Zuo, u"zuo", {PinyinOf_Yan_Zha}},                 // 糳
  };
  for (const Case& c : cases) {
    const CharacterKey key(1, c.key);
    SCOPED_TRACE(Utf8(key));
    EXPECT_EQ(Utf8(std::u16string(c.holder(key))), Utf8(c.reading_list));
    for (SliceLookup other : c.not_holding) EXPECT_EQ(other(key), u"");
    EXPECT_EQ(Utf8(PinyinOf(key, ReadingSlices())), Utf8(c.reading_list));
  }
}

TEST(ReadingSlices, KeysThatNoSliceHoldsAnswerEmptyEverywhereAndComeBackAsThemselves) {
  const CharacterKey keys[] = {
      u"\u4DFF",          // just below the range
      u"\u9FA6",          // just past it
      u"\u3007",          // 〇, in the code table only
      u"\uE815",          // private use
      u"A",
      u"z",
      u"\uFF0C",          // ，
      u"\u3002",          // 。
      u"\u3000",          // ideographic space
      CharacterKey(1, char16_t{0xD800}),  // surrogate halves, alone
      CharacterKey(1, char16_t{0xDBFF}),
      CharacterKey(1, char16_t{0xDC00}),
      CharacterKey(1, char16_t{0xDFFF}),
      CharacterKey(1, char16_t{0x0000}),
      CharacterKey(1, char16_t{0xFFFF}),
      u"",                // empty
      u"乐乐",            // two held characters
      u"说说",
      u"一一",
      u"敥敥",
      u"中行",
      u"中a",
      u"a中",
      u"\U00020000",      // a surrogate pair
      CharacterKey{u'龥', u'\0'},
      std::u16string(100, u'中'),
  };
  const std::vector<std::u16string> all_empty(36);
  for (const CharacterKey& key : keys) {
    SCOPED_TRACE(::testing::Message() << "key of " << key.size() << " units: " << Utf8(key));
    EXPECT_EQ(AnswersOfAllSlices(key), all_empty);
    EXPECT_EQ(PinyinOf(key, ReadingSlices()), key);
  }
}

}  // namespace
}  // namespace tavrel::testing
