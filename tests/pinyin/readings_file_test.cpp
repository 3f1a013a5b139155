// The committed data file against what is known of the reading table, read
// with the test's own reader, so that a slip in the file shows here even when
// the generator accepts it.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "tests/pinyin/reading_file.h"
#include "tests/pinyin/telling_rows.h"
#include "tests/support/lookup_fakes.h"

namespace tavrel::testing {
namespace {

std::vector<std::u16string> Words(const std::u16string& reading_list) {
  std::vector<std::u16string> words;
  std::size_t start = 0;
  while (true) {
    const std::size_t space = reading_list.find(u' ', start);
    words.push_back(reading_list.substr(start, space - start));
    if (space == std::u16string::npos) return words;
    start = space + 1;
  }
}

bool HasWord(const std::u16string& reading_list, std::u16string_view word) {
  const std::vector<std::u16string> words = Words(reading_list);
  return std::find(words.begin(), words.end(), word) != words.end();
}

std::u16string Sorted(std::u16string characters) {
  std::sort(characters.begin(), characters.end());
  return characters;
}

// Where each character stands: its reading list and the place of its slice.
struct Holder {
  std::u16string reading_list;
  int place;
};
std::map<char16_t, Holder> Holders() {
  std::map<char16_t, Holder> holders;
  for (const PlacedRow& placed : AllRows())
    for (char16_t c : placed.row->characters) holders[c] = {placed.row->reading_list, placed.place};
  return holders;
}

const ReadingRow* FindRow(std::u16string_view reading_list) {
  for (const PlacedRow& placed : AllRows())
    if (placed.row->reading_list == reading_list) return placed.row;
  return nullptr;
}

// How many reading lists, and how many characters, pass a test.
struct Tally {
  int lists = 0;
  int characters = 0;
  bool operator==(const Tally&) const = default;
};
template <typename Test>
Tally Count(Test test, int first_place = 1, int last_place = 36) {
  Tally tally;
  for (const PlacedRow& placed : AllRows()) {
    if (placed.place < first_place || placed.place > last_place || !test(*placed.row)) continue;
    ++tally.lists;
    tally.characters += static_cast<int>(placed.row->characters.size());
  }
  return tally;
}

void PrintTo(const Tally& t, std::ostream* os) { *os << t.lists << " lists, " << t.characters << " characters"; }

TEST(ReadingsFile, EverySliceHasItsPlaceNameCountsAndEnds) {
  struct Case {
    const char* name;
    int lists;
    int characters;
    char16_t first_character;  // the first and the last that the slice compares
    char16_t last_character;
    const char16_t* first;
    const char16_t* last;
  };
  const Case cases[] = {
      {"PinyinOf_A_Bai", 100, 357, u'呵', u'派', u"a ha he ke", u"bai mai pa pai"},
      {"PinyinOf_Bai_Bi", 100, 471, u'佰', u'鞞', u"bai mo", u"bi bing pi"},
      {"PinyinOf_Bi_Bo", 100, 440, u'紴', u'蒲', u"bi bo", u"bo pu"},
      {"PinyinOf_Bo_Cha", 100, 311, u'殕', u'茬', u"bo tou ye", u"cha chi"},
      {"PinyinOf_Cha_Che", 100, 344, u'察', u'斥', u"cha cui", u"che chi zhe"},
      {"PinyinOf_Che_Chi", 100, 362, u'詀', u'奓', u"che dian zhan", u"chi she zha"},
      {"PinyinOf_Chi_Chua", 100, 302, u'匙', u'歘', u"chi shi", u"chua xu"},
      {"PinyinOf_Chuai_Cu", 100, 369, u'膗', u'錯', u"chuai", u"cu cuo xi"},
      {"PinyinOf_Cu_Dan", 100, 345, u'蔖', u'丼', u"cu cuo zha", u"dan jing"},
      {"PinyinOf_Dan_Dian", 100, 402, u'欿', u'蜓', u"dan kan qian", u"dian ting"},
      {"PinyinOf_Dian_Dui", 100, 450, u'涎', u'膭', u"dian xian yan", u"dui gui kui"},
      {"PinyinOf_Dui_Fa", 100, 366, u'謉', u'泛', u"dui gui kui tui", u"fa fan feng"},
      {"PinyinOf_Fa_Gai", 100, 648, u'橃', u'汽', u"fa fei", u"gai qi yi"},
      {"PinyinOf_Gai_Gongli", 100, 392, u'摡', u'兣', u"gai xi", u"gongli"},
      {"PinyinOf_Gou_Gui", 100, 450, u'勾', u'祈', u"gou", u"gui qi"},
      {"PinyinOf_Gui_He", 100, 379, u'朹', u'隺', u"gui qiu", u"he hu que"},
      {"PinyinOf_He_Hua", 100, 403, u'嗃', u'找', u"he hu xiao", u"hua zhao"},
      {"PinyinOf_Huai_Ji", 100, 750, u'淮', u'蘄', u"huai", u"ji qi qin"},
      {"PinyinOf_Ji_Jiao", 100, 606, u'踖', u'恔', u"ji qi que", u"jiao xiao"},
      {"PinyinOf_Jiao_Ju", 100, 642, u'敥', u'圧', u"jiao yan", u"ju ya"},
      {"PinyinOf_Ju_Ke", 100, 431, u'僪', u'硞', u"ju yu", u"ke ku que"},
      {"PinyinOf_Ke_Lai", 100, 465, u'髁', u'厲', u"ke kua", u"lai li"},
      {"PinyinOf_Lai_Lin", 100, 845, u'釐', u'涁', u"lai li tai xi", u"lin qin sei shen"},
      {"PinyinOf_Lin_Me", 100, 852, u'渗', u'嚜', u"lin qin sen shen", u"me mei"},
      {"PinyinOf_Me_Na", 100, 612, u'孭', u'誽', u"me mie", u"na ni"},
      {"PinyinOf_Na_Niu", 100, 367, u'淰', u'靵', u"na nian shen", u"niu"},
      {"PinyinOf_Niu_Pianpang", 100, 459, u'沑', u'氵', u"niu nv", u"pianpang shui"},
      {"PinyinOf_Pianpang_Qiao", 100, 640, u'纟', u'銚', u"pianpang si", u"qiao tiao yao"},
      {"PinyinOf_Qiao_Rui", 100, 709, u'燆', u'芮', u"qiao xiao", u"rui ruo"},
      {"PinyinOf_Rui_She", 100, 405, u'苼', u'射', u"rui sheng", u"she ye yi"},
      {"PinyinOf_She_Si", 100, 634, u'畬', u'虒', u"she yu", u"si ti zhi"},
      {"PinyinOf_Si_Tian", 100, 674, u'鋖', u'畇', u"si tuo", u"tian yun"},
      {"PinyinOf_Tian_Wen", 100, 773, u'镇', u'瘟', u"tian zhen", u"wen wo yun"},
      {"PinyinOf_Wen_Ya", 100, 1383, u'揾', u'札', u"wen wu", u"ya zha"},
      {"PinyinOf_Yan_Zha", 100, 1793, u'恹', u'拃', u"yan", u"zha zhan"},
      {"PinyinOf_Zha_Zuo", 58, 1071, u'摣', u'糳', u"zha zhua", u"zuo"},
  };
  const std::vector<ReadingFileSlice>& slices = ReadingFile();
  ASSERT_EQ(slices.size(), std::size(cases));
  for (std::size_t i = 0; i < slices.size(); ++i) {
    const ReadingFileSlice& slice = slices[i];
    const Case& c = cases[i];
    SCOPED_TRACE(c.name);
    EXPECT_EQ(slice.place, static_cast<int>(i) + 1);
    EXPECT_EQ(slice.name, c.name);
    ASSERT_EQ(static_cast<int>(slice.rows.size()), c.lists);
    std::size_t characters = 0;
    for (const ReadingRow& row : slice.rows) characters += row.characters.size();
    EXPECT_EQ(static_cast<int>(characters), c.characters);
    EXPECT_EQ(Utf8(slice.rows.front().reading_list), Utf8(c.first));
    EXPECT_EQ(Utf8(slice.rows.back().reading_list), Utf8(c.last));
    EXPECT_EQ(slice.rows.front().characters.front(), c.first_character);
    EXPECT_EQ(slice.rows.back().characters.back(), c.last_character);
  }
}

TEST(ReadingsFile, SliceNamesComeFromTheFirstWordsOfTheirFirstAndLastLists) {
  const auto title = [](const std::u16string& reading_list) {
    std::string word = Utf8(Words(reading_list).front());
    word[0] = static_cast<char>(word[0] - 'a' + 'A');
    return word;
  };
  for (const ReadingFileSlice& slice : ReadingFile()) {
    ASSERT_FALSE(slice.rows.empty()) << slice.name;
    EXPECT_EQ(slice.name,
              "PinyinOf_" + title(slice.rows.front().reading_list) + "_" + title(slice.rows.back().reading_list));
  }
}

TEST(ReadingsFile, TheHalvesAndTheGroupsOfSlicesHoldTheirCounts) {
  struct Case {
    int first_place;
    int last_place;
    Tally all;
    int single_character_lists;  // -1: not known for this group
  };
  const Case cases[] = {
      {1, 36, {3558, 20902}, 2162},
      {1, 22, {2200, 9685}, -1},
      {23, 36, {1358, 11217}, -1},
      {1, 11, {1100, 4153}, 700},
      {12, 19, {800, 3994}, 515},
      {20, 22, {300, 1538}, -1},
      {23, 29, {700, 4484}, -1},
      {30, 34, {500, 3869}, -1},
      {35, 36, {158, 2864}, 74},
      {35, 35, {100, 1793}, 49},
      {36, 36, {58, 1071}, 25},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::Message() << "places " << c.first_place << " to " << c.last_place);
    EXPECT_EQ(Count([](const ReadingRow&) { return true; }, c.first_place, c.last_place), c.all);
    if (c.single_character_lists >= 0) {
      EXPECT_EQ(Count([](const ReadingRow& r) { return r.characters.size() == 1; }, c.first_place, c.last_place).lists,
                c.single_character_lists);
    }
  }
}

TEST(ReadingsFile, EveryKeyFromU4E00ToU9FA5StandsExactlyOnce) {
  std::vector<int> seen(0x10000, 0);
  for (const PlacedRow& placed : AllRows())
    for (char16_t c : placed.row->characters) ++seen[c];
  for (int unit = 0; unit < 0x10000; ++unit) {
    const int expected = unit >= 0x4E00 && unit <= 0x9FA5 ? 1 : 0;
    ASSERT_EQ(seen[unit], expected) << "U+" << std::hex << std::uppercase << unit;
  }
}

TEST(ReadingsFile, ReadingListsAreDistinctStrictlyAscendingAndWellFormed) {
  const std::vector<PlacedRow> rows = AllRows();
  ASSERT_EQ(rows.size(), 3558u);
  for (std::size_t i = 0; i < rows.size(); ++i) {
    const std::u16string& list = rows[i].row->reading_list;
    SCOPED_TRACE(Utf8(list));
    if (i > 0) {
      EXPECT_LT(rows[i - 1].row->reading_list, list);  // code-unit order, so also distinct
    }
    EXPECT_FALSE(rows[i].row->characters.empty());
    const std::vector<std::u16string> words = Words(list);
    EXPECT_GE(words.size(), 1u);
    EXPECT_LE(words.size(), 5u);
    for (const std::u16string& word : words) {
      EXPECT_GE(word.size(), 1u);  // also rules out a space at either end or two in a row
      EXPECT_LE(word.size(), 9u);
      EXPECT_TRUE(std::all_of(word.begin(), word.end(), [](char16_t c) { return c >= u'a' && c <= u'z'; }));
    }
  }
}

TEST(ReadingsFile, ListsAndCharactersByNumberOfWords) {
  const Tally expected[] = {{487, 15359}, {2070, 4307}, {815, 1021}, {181, 210}, {5, 5}};
  for (std::size_t words = 1; words <= 5; ++words)
    EXPECT_EQ(Count([&](const ReadingRow& r) { return Words(r.reading_list).size() == words; }), expected[words - 1])
        << words << " words";
}

TEST(ReadingsFile, ListsOfManyWordsStandWhereTheyBelong) {
  struct Case {
    int first_place;
    int last_place;
    std::size_t words;
    int lists;
  };
  const Case cases[] = {
      {1, 11, 5, 2},   {12, 19, 5, 1}, {20, 22, 5, 1}, {23, 29, 5, 1}, {23, 29, 4, 25},
      {30, 34, 5, 0},  {30, 34, 4, 11}, {35, 36, 4, 0}, {35, 36, 5, 0}, {35, 36, 3, 11},
      {36, 36, 3, 1},
  };
  for (const Case& c : cases)
    EXPECT_EQ(Count([&](const ReadingRow& r) { return Words(r.reading_list).size() == c.words; }, c.first_place,
                    c.last_place)
                  .lists,
              c.lists)
        << c.words << " words in places " << c.first_place << " to " << c.last_place;

  struct FiveWords {
    char16_t key;
    const char16_t* reading_list;
  };
  const FiveWords five[] = {{0x62DA, u"bian fan fen pan pin"},
                            {0x64AE, u"chua cuo zuan zui zuo"},
                            {0x552C, u"guo hao hu xia xiao"},
                            {0x7F2A, u"jiu miao miu mou mu"},
                            {0x54EA, u"na nai ne nei nuo"}};
  const std::map<char16_t, Holder> holders = Holders();
  for (const FiveWords& f : five) EXPECT_EQ(Utf8(holders.at(f.key).reading_list), Utf8(f.reading_list));
  EXPECT_EQ(Utf8(FindRow(u"sa sha shai xie")->characters), Utf8(u"殺"));
  EXPECT_EQ(Utf8(FindRow(u"zhao zhe zhuo")->characters), Utf8(u"着"));
}

TEST(ReadingsFile, WordsLongestWordAndLongestList) {
  std::set<std::u16string> words;
  std::set<std::u16string> longest_words;
  std::size_t longest_word = 0;
  std::vector<std::u16string> longest_lists;
  std::size_t longest_list = 0;
  for (const PlacedRow& placed : AllRows()) {
    const std::u16string& list = placed.row->reading_list;
    for (const std::u16string& word : Words(list)) {
      words.insert(word);
      if (word.size() > longest_word) longest_words.clear(), longest_word = word.size();
      if (word.size() == longest_word) longest_words.insert(word);
    }
    if (list.size() > longest_list) longest_lists.clear(), longest_list = list.size();
    if (list.size() == longest_list) longest_lists.push_back(list);
  }
  EXPECT_EQ(words.size(), 526u);
  EXPECT_EQ(longest_words, std::set<std::u16string>{u"miliklanm"});
  EXPECT_EQ(longest_lists, std::vector<std::u16string>{u"chuai chuan duan shuan"});
  EXPECT_EQ(longest_list, 22u);
}

TEST(ReadingsFile, OnlyNineListsHaveTheirWordsOutOfOrder) {
  std::map<std::u16string, std::u16string> out_of_order;
  for (const PlacedRow& placed : AllRows()) {
    const std::vector<std::u16string> words = Words(placed.row->reading_list);
    if (!std::is_sorted(words.begin(), words.end()))
      out_of_order[placed.row->reading_list] = Sorted(placed.row->characters);
  }
  const std::map<std::u16string, std::u16string> expected = {
      {u"e a", Sorted(u"阿啊")},     {u"e ai", u"娾"},     {u"e ei ai xie", u"欸"},
      {u"kai ai", u"嵦"},           {u"ke a", Sorted(u"锕錒")}, {u"sha xia a", u"嗄"},
      {u"ya a", u"吖"},             {u"zhi ai", u"埃"},   {u"zhu ai", u"敱"},
  };
  EXPECT_EQ(out_of_order, expected);
  EXPECT_EQ(Count([](const ReadingRow& r) {
              const std::vector<std::u16string> words = Words(r.reading_list);
              return std::is_sorted(words.begin(), words.end());
            }).lists,
            3549);
}

TEST(ReadingsFile, OnlyOneListRepeatsAWord) {
  std::vector<std::u16string> repeating;
  for (const PlacedRow& placed : AllRows()) {
    const std::vector<std::u16string> words = Words(placed.row->reading_list);
    if (std::set<std::u16string>(words.begin(), words.end()).size() != words.size())
      repeating.push_back(placed.row->reading_list + u": " + placed.row->characters);
  }
  EXPECT_EQ(repeating, std::vector<std::u16string>{u"gai hai hai ke: 咳"});
}

TEST(ReadingsFile, HowOftenTelltaleWordsOccur) {
  struct Case {
    const char16_t* word;
    int first_place;
    int last_place;
    Tally tally;
  };
  const Case cases[] = {
      {u"pianpang", 1, 36, {40, 41}},
      {u"pianpang", 1, 11, {7, 7}},
      {u"pianpang", 12, 19, {7, 7}},
      {u"pianpang", 20, 22, {4, 4}},
      {u"pianpang", 23, 29, {22, 23}},
      {u"pianpang", 30, 36, {0, 0}},
      {u"lv", 1, 36, {16, 86}},
      {u"nv", 1, 36, {6, 13}},
      {u"nve", 1, 36, {4, 4}},
      {u"lue", 1, 36, {9, 15}},
      {u"nue", 1, 36, {4, 4}},
      {u"lve", 1, 36, {0, 0}},  // after l the pair is written "lue" only
      {u"uu", 1, 36, {1, 39}},
      {u"m", 1, 36, {2, 3}},
      {u"n", 1, 36, {3, 3}},
      {u"ng", 1, 36, {1, 1}},
  };
  for (const Case& c : cases)
    EXPECT_EQ(Count([&](const ReadingRow& r) { return HasWord(r.reading_list, c.word); }, c.first_place, c.last_place),
              c.tally)
        << Utf8(c.word) << " in places " << c.first_place << " to " << c.last_place;
}

TEST(ReadingsFile, PianpangStandsFirstSecondOrThird) {
  int at[5] = {};
  for (const PlacedRow& placed : AllRows()) {
    const std::vector<std::u16string> words = Words(placed.row->reading_list);
    const auto found = std::find(words.begin(), words.end(), u"pianpang");
    if (found != words.end()) ++at[found - words.begin()];
  }
  EXPECT_EQ(at[0], 18);
  EXPECT_EQ(at[1], 20);
  EXPECT_EQ(at[2], 2);
  EXPECT_EQ(at[3] + at[4], 0);
}

TEST(ReadingsFile, UmlautIsVOnlyAfterLAndN) {
  // After j, q, x and y the letter is written "u"; "v" stands only in lv, nv and nve.
  std::set<std::u16string> words_with_v;
  for (const PlacedRow& placed : AllRows())
    for (const std::u16string& word : Words(placed.row->reading_list))
      if (word.find(u'v') != std::u16string::npos) words_with_v.insert(word);
  EXPECT_EQ(words_with_v, (std::set<std::u16string>{u"lv", u"nv", u"nve"}));
  EXPECT_EQ(Sorted(FindRow(u"nue nve")->characters), u"虐");
  EXPECT_EQ(Sorted(FindRow(u"nue nve yao")->characters), u"疟");
}

TEST(ReadingsFile, OnlyFiveWordsHaveNoVowel) {
  std::set<std::u16string> without_vowel;
  for (const PlacedRow& placed : AllRows())
    for (const std::u16string& word : Words(placed.row->reading_list))
      if (word.find_first_of(u"aeiouv") == std::u16string::npos) without_vowel.insert(word);
  EXPECT_EQ(without_vowel, (std::set<std::u16string>{u"m", u"n", u"ng", u"q", u"shw"}));
}

TEST(ReadingsFile, ListsThatHoldExactlyTheseCharacters) {
  struct Case {
    const char16_t* reading_list;
    const char16_t* characters;  // in any order
  };
  const Case cases[] = {
      {u"lai li", u"黧厲"},          {u"lin qin sen shen", u"渗滲"}, {u"lin qin sei shen", u"涁"},
      {u"e a", u"阿啊"},             {u"ke a", u"锕錒"},             {u"fu m", u"呒嘸"},
      {u"m mou", u"呣"},             {u"an e n", u"咹"},             {u"en n ng", u"嗯"},
      {u"gen hen n", u"哏"},         {u"mao q", u"瑁"},              {u"she shw ti zhe", u"折"},
      {u"i ji yi", u"乁"},           {u"pianpang shi", u"饣礻"},     {u"pianpang ren", u"亻"},
      {u"pianpang shui", u"氵"},     {u"pianpang si", u"纟"},        {u"ju liu lou lv", u"蒌蔞"},
      {u"ju lou lv", u"寠篓簍"},     {u"yen", u"膶岃"},              {u"yan zhe zhei", u"这這"},
      {u"ppun", u"兺哛"},            {u"liwa", u"瓼甅"},             {u"le luo yao yue", u"乐"},
      {u"le luo yao yun", u"樂"},    {u"gai hai hai ke", u"咳"},
  };
  for (const Case& c : cases) {
    const ReadingRow* row = FindRow(c.reading_list);
    ASSERT_NE(row, nullptr) << Utf8(c.reading_list);
    EXPECT_EQ(Utf8(Sorted(row->characters)), Utf8(Sorted(c.characters))) << Utf8(c.reading_list);
  }
}

TEST(ReadingsFile, TheUuListSitsInTianWen) {
  const std::vector<ReadingFileSlice>& slices = ReadingFile();
  ASSERT_EQ(slices.size(), 36u);
  const std::vector<ReadingRow>& rows = slices[32].rows;  // place 33, PinyinOf_Tian_Wen
  const auto uu = std::find_if(rows.begin(), rows.end(), [](const ReadingRow& r) { return r.reading_list == u"uu"; });
  ASSERT_NE(uu, rows.end());
  EXPECT_EQ(uu->characters.size(), 39u);
  EXPECT_EQ(uu->characters.front(), u'辪');
  EXPECT_EQ(uu->characters.back(), u'祍');
  EXPECT_NE(uu->characters.find(u'耂'), std::u16string::npos);
  ASSERT_NE(uu, rows.begin());
  ASSERT_NE(uu + 1, rows.end());
  EXPECT_EQ(Utf8((uu - 1)->reading_list), "tuo zhe");
  EXPECT_EQ(Utf8((uu + 1)->reading_list), "wa");
}

TEST(ReadingsFile, UnitsOfMeasureAreOneWordEach) {
  const std::map<std::u16string, std::u16string> units = {
      {u"baike", u"兡"},  {u"baiwa", u"瓸"},  {u"fenwa", u"瓰"},  {u"gongfen", u"兝"}, {u"gongli", u"兣"},
      {u"haoke", u"兞"},  {u"jialun", u"嗧"}, {u"liwa", Sorted(u"瓼甅")}, {u"mangmi", u"匁"},
      {u"miliklanm", u"瓱"}, {u"qianke", u"兛"}, {u"qianwa", u"瓩"}, {u"shike", u"兙"}, {u"shiwa", u"瓧"},
  };
  int characters = 0;
  for (const auto& [unit, holders] : units) {
    const ReadingRow* row = FindRow(unit);
    ASSERT_NE(row, nullptr) << Utf8(unit);
    EXPECT_EQ(Utf8(Sorted(row->characters)), Utf8(holders)) << Utf8(unit);
    characters += static_cast<int>(row->characters.size());
  }
  EXPECT_EQ(units.size(), 14u);
  EXPECT_EQ(characters, 15);
}

TEST(ReadingsFile, TheNinetyThreeWordsOutsideStandardPinyin) {
  const std::set<std::u16string> others = {
      u"aes",  u"be",    u"cal",   u"ceok",  u"ceom",   u"ceon",   u"ceor", u"cis",   u"dem",  u"deo",
      u"dim",  u"dug",   u"dul",   u"eo",    u"eol",    u"eom",    u"eos",  u"fiao",  u"fui",  u"gad",
      u"geo",  u"geu",   u"gib",   u"go",    u"hal",    u"hem",    u"heui", u"ho",    u"hol",  u"hwa",
      u"hweong", u"i",   u"jou",   u"kal",   u"keg",    u"kem",    u"keo",  u"keol",  u"keop", u"keos",
      u"keum", u"ki",    u"kos",   u"kweok", u"kwi",    u"lem",    u"len",  u"mas",   u"meo",  u"mol",
      u"myeo", u"myeon", u"myeong", u"nem",  u"neus",   u"ngag",   u"ngai", u"ngam",  u"nung", u"oes",
      u"ol",   u"on",    u"pak",   u"peol",  u"phas",   u"phdeng", u"phoi", u"phos",  u"ppun", u"q",
      u"ram",  u"saeng", u"sal",   u"sed",   u"sei",    u"seo",    u"seon", u"shw",   u"so",   u"sol",
      u"tae",  u"tap",   u"teo",   u"teul",  u"teun",   u"tiu",    u"tol",  u"ton",   u"wie",  u"yen",
      u"yug",  u"zad",   u"zo",
  };
  ASSERT_EQ(others.size(), 93u);
  std::set<std::u16string> all_words;
  for (const PlacedRow& placed : AllRows())
    for (const std::u16string& word : Words(placed.row->reading_list)) all_words.insert(word);
  for (const std::u16string& word : others) EXPECT_TRUE(all_words.count(word)) << Utf8(word);

  const auto is_other = [&](const std::u16string& word) { return others.count(word) > 0; };
  EXPECT_EQ(Count([&](const ReadingRow& r) {
              const std::vector<std::u16string> words = Words(r.reading_list);
              return std::any_of(words.begin(), words.end(), is_other);
            }),
            (Tally{99, 102}));
  EXPECT_EQ(Count([&](const ReadingRow& r) {
              const std::vector<std::u16string> words = Words(r.reading_list);
              return std::all_of(words.begin(), words.end(), is_other);
            }),
            (Tally{71, 74}));
}

TEST(ReadingsFile, ListSizesRunFromOneToTheLargestGroups) {
  struct Case {
    const char16_t* reading_list;
    std::size_t characters;
    int first_place;  // the slices that hold it lie in these places
    int last_place;
  };
  const Case cases[] = {
      {u"yi", 279, 35, 36},  {u"ji", 231, 12, 19},   {u"yu", 215, 35, 36},   {u"bi", 122, 1, 11},
      {u"chi", 87, 1, 11},   {u"di", 75, 1, 11},     {u"chan", 71, 1, 11},   {u"bo", 71, 1, 11},
      {u"fu", 165, 12, 19},  {u"jian", 160, 12, 19}, {u"li", 195, 23, 23},   {u"qi", 144, 28, 28},
      {u"lu", 128, 24, 24},  {u"xi", 177, 34, 34},   {u"wei", 146, 33, 33},  {u"xian", 131, 34, 34},
      {u"shi", 126, 31, 31}, {u"yan", 179, 35, 36},  {u"zhi", 176, 35, 36},
  };
  for (const Case& c : cases) {
    const PlacedRow* found = nullptr;
    const std::vector<PlacedRow> rows = AllRows();
    for (const PlacedRow& placed : rows)
      if (placed.row->reading_list == c.reading_list) found = &placed;
    ASSERT_NE(found, nullptr) << Utf8(c.reading_list);
    EXPECT_EQ(found->row->characters.size(), c.characters) << Utf8(c.reading_list);
    EXPECT_GE(found->place, c.first_place) << Utf8(c.reading_list);
    EXPECT_LE(found->place, c.last_place) << Utf8(c.reading_list);
  }
  std::size_t largest = 0;
  for (const PlacedRow& placed : AllRows()) largest = std::max(largest, placed.row->characters.size());
  EXPECT_EQ(largest, 279u);
}

TEST(ReadingsFile, ThirtyOneSeamsShareAFirstWordAndFourDoNot) {
  const std::vector<ReadingFileSlice>& slices = ReadingFile();
  ASSERT_EQ(slices.size(), 36u);
  std::vector<std::string> between_first_words;
  int sharing = 0;
  for (std::size_t i = 0; i + 1 < slices.size(); ++i) {
    const std::u16string& last = slices[i].rows.back().reading_list;
    const std::u16string& first = slices[i + 1].rows.front().reading_list;
    if (Words(last).front() == Words(first).front())
      ++sharing;
    else
      between_first_words.push_back(Utf8(last) + " | " + Utf8(first));
  }
  EXPECT_EQ(sharing, 31);
  EXPECT_EQ(between_first_words,
            (std::vector<std::string>{"chua xu | chuai", "gongli | gou", "hua zhao | huai", "ya zha | yan"}));
}

TEST(ReadingsFile, TellingRowsStandWhereTheyShould) {
  const std::map<char16_t, Holder> holders = Holders();
  for (const TellingRow& row : kTellingRows) {
    SCOPED_TRACE(Utf8(std::u16string(1, row.key)));
    const auto found = holders.find(row.key);
    ASSERT_NE(found, holders.end());
    EXPECT_EQ(Utf8(found->second.reading_list), Utf8(row.reading_list));
    EXPECT_EQ(found->second.place, row.place);
  }
}

}  // namespace
}  // namespace tavrel::testing
