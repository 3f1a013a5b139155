// Checks the committed code data against every figure and row the table as
// shipped must show, so that an edit of the data that breaks one fails here.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "tests/codes/code_file.h"
#include "tests/support/lookup_fakes.h"

namespace tavrel::testing {
namespace {

constexpr int kCodesPerSlice = 80;
constexpr char16_t kFirstIdeograph = u'\u4E00';
constexpr char16_t kLastIdeograph = u'\u9FA5';

struct NamedRow {
  char16_t character;
  const char* code;
};

// The keys outside U+4E00..U+9FA5, ascending, with their codes.
constexpr NamedRow kFurtherKeys[] = {
    {u'\u3007', "oo"}, {u'\u304F', "pn"}, {u'\u30B3', "uu"}, {u'\u30CE', "pp"}, {u'\u30EA', "ip"},
    {u'\u30F0', "ff"}, {u'\u3105', "pc"}, {u'\u310B', "yc"}, {u'\u3128', "xx"}, {u'\uE815', "cc"},
    {u'\uE816', "ff"}, {u'\uE817', "ll"}, {u'\uE818', "cc"}, {u'\uE819', "ye"}, {u'\uE81C', "nn"},
    {u'\uE81D', "lc"}, {u'\uE81E', "jd"}, {u'\uE822', "bb"}, {u'\uE823', "bd"}, {u'\uE826', "pf"},
    {u'\uE82B', "ky"}, {u'\uE82C', "hy"}, {u'\uE830', "pk"}, {u'\uE831', "fd"}, {u'\uE832', "bb"},
    {u'\uE833', "jy"}, {u'\uE836', "zz"}, {u'\uE838', "bh"}, {u'\uE839', "vf"}, {u'\uE83A', "vw"},
    {u'\uE83B', "ke"}, {u'\uE843', "bd"}, {u'\uE848', "zz"}, {u'\uE854', "ff"}, {u'\uE855', "vb"},
    {u'\uFA0C', "yh"},
};

// Ideographs whose codes the table is known by.
constexpr NamedRow kNamedRows[] = {
    {u'中', "oi"}, {u'行', "rj"}, {u'好', "nt"}, {u'呵', "oj"}, {u'一', "yy"}, {u'龥', "va"},
    {u'糙', "bz"}, {u'轋', "fz"}, {u'庭', "cz"}, {u'翴', "cz"}, {u'艇', "pz"}, {u'鼮', "pz"},
    {u'口', "oo"}, {u'囗', "oo"}, {u'木', "mm"}, {u'禾', "mm"}, {u'氵', "ss"}, {u'水', "ss"},
    {u'扌', "tt"}, {u'亻', "rr"}, {u'彳', "rr"}, {u'宀', "bb"}, {u'艹', "hh"}, {u'辶', "zz"},
    {u'兀', "yh"}, {u'丿', "pp"}, {u'匚', "uu"}, {u'十', "ff"}, {u'乂', "xx"}, {u'月', "aa"},
    {u'豄', "aa"}, {u'賸', "aa"}, {u'誇', "dc"}, {u'夸', "dc"}, {u'赎', "gd"}, {u'国', "qw"},
    {u'他', "rl"}, {u'山', "ui"}, {u'人', "vv"}, {u'天', "yd"}, {u'这', "zx"}, {u'盡', "uy"},
    {u'焩', "va"}, {u'劓', "pj"}, {u'的', "pc"},
};

struct LetterFigure {
  char letter;
  int codes;
  int characters;
};

struct SliceFigures {
  const char* name;
  const char* first_code;
  const char* last_code;
  int codes;
  int characters;
  int keys_before;
  std::vector<LetterFigure> by_first_letter;
  const char* smallest;
  int smallest_size;
  const char* largest;
  int largest_size;
  int further_keys;
};

const std::vector<SliceFigures>& Slices() {
  static const std::vector<SliceFigures> slices = {
      {"CodeOf_AA_DB", "aa", "db", 80, 1660, 0, {{'a', 26, 410}, {'b', 26, 564}, {'c', 26, 602}, {'d', 2, 84}},
       "bz", 1, "da", 52, 7},
      {"CodeOf_DC_GD", "dc", "gd", 80, 2115, 1660, {{'d', 24, 951}, {'e', 26, 538}, {'f', 26, 568}, {'g', 4, 58}},
       "fz", 1, "dk", 78, 4},
      {"CodeOf_GE_JF", "ge", "jf", 80, 2074, 3775, {{'g', 22, 267}, {'h', 26, 1221}, {'i', 26, 427}, {'j', 6, 159}},
       "iz", 3, "hc", 81, 3},
      {"CodeOf_JG_MH", "jg", "mh", 80, 2162, 5849, {{'j', 20, 406}, {'k', 26, 768}, {'l', 26, 570}, {'m', 8, 418}},
       "jz", 3, "kn", 87, 5},
      {"CodeOf_MI_PJ", "mi", "pj", 80, 3347, 8011, {{'m', 18, 760}, {'n', 26, 1055}, {'o', 26, 1110}, {'p', 10, 422}},
       "nz", 8, "pc", 106, 4},
      {"CodeOf_PK_SL", "pk", "sl", 80, 2793, 11358, {{'p', 16, 475}, {'q', 26, 895}, {'r', 26, 839}, {'s', 12, 584}},
       "pz", 2, "pl", 77, 3},
      {"CodeOf_SM_VO", "sm", "vo", 80, 2821, 14151, {{'s', 14, 524}, {'t', 26, 724}, {'u', 25, 635}, {'v', 15, 938}},
       "up", 4, "vc", 85, 3},
      {"CodeOf_VP_YQ", "vp", "yq", 80, 2849, 16972, {{'v', 11, 506}, {'w', 26, 953}, {'x', 26, 639}, {'y', 17, 751}},
       "xz", 3, "yc", 83, 5},
      {"CodeOf_YR_ZZ", "yr", "zz", 35, 1117, 19821, {{'y', 9, 261}, {'z', 26, 856}}, "yz", 7, "yy", 65, 2},
  };
  return slices;
}

// Codes and characters per first letter of the code, for the whole table.
constexpr LetterFigure kTableByFirstLetter[] = {
    {'a', 26, 410},  {'b', 26, 564},  {'c', 26, 602},  {'d', 26, 1035}, {'e', 26, 538}, {'f', 26, 568},
    {'g', 26, 325},  {'h', 26, 1221}, {'i', 26, 427},  {'j', 26, 565},  {'k', 26, 768}, {'l', 26, 570},
    {'m', 26, 1178}, {'n', 26, 1055}, {'o', 26, 1110}, {'p', 26, 897},  {'q', 26, 895}, {'r', 26, 839},
    {'s', 26, 1108}, {'t', 26, 724},  {'u', 25, 635},  {'v', 26, 1444}, {'w', 26, 953}, {'x', 26, 639},
    {'y', 26, 1012}, {'z', 26, 856},
};

std::string Name(char16_t character) {
  char hex[16];
  std::snprintf(hex, sizeof hex, "U+%04X ", static_cast<unsigned>(character));
  return hex + Utf8(std::u16string(1, character));
}

bool IsFurtherKey(char16_t character) {
  return std::any_of(std::begin(kFurtherKeys), std::end(kFurtherKeys),
                     [&](const NamedRow& row) { return row.character == character; });
}

std::map<char16_t, std::string> CodeOfCharacter() {
  std::map<char16_t, std::string> code_of;
  for (const CodeGroup& group : CodeFile())
    for (const char16_t character : group.characters) code_of.emplace(character, group.code);
  return code_of;
}

const CodeGroup* Group(const std::string& code) {
  for (const CodeGroup& group : CodeFile())
    if (group.code == code) return &group;
  return nullptr;
}

int Size(const std::string& code) {
  const CodeGroup* group = Group(code);
  return group == nullptr ? -1 : static_cast<int>(group->characters.size());
}

std::vector<CodeGroup> SliceGroups(std::size_t slice) {
  const std::vector<CodeGroup>& groups = CodeFile();
  const std::size_t begin = std::min(groups.size(), slice * kCodesPerSlice);
  const std::size_t end = std::min(groups.size(), begin + kCodesPerSlice);
  return {groups.begin() + static_cast<std::ptrdiff_t>(begin), groups.begin() + static_cast<std::ptrdiff_t>(end)};
}

std::vector<int> Sizes(const std::vector<CodeGroup>& groups) {
  std::vector<int> sizes;
  for (const CodeGroup& group : groups) sizes.push_back(static_cast<int>(group.characters.size()));
  return sizes;
}

// Invariant 1: the key set.

TEST(CodeData, HoldsEveryIdeographAndTheFurtherKeysEachOnce) {
  std::map<char16_t, int> seen;
  for (const CodeGroup& group : CodeFile())
    for (const char16_t character : group.characters) ++seen[character];
  for (const auto& [character, count] : seen) {
    EXPECT_EQ(count, 1) << Name(character) << " stands " << count << " times";
    EXPECT_TRUE((character >= kFirstIdeograph && character <= kLastIdeograph) || IsFurtherKey(character))
        << Name(character) << " is no key of the table";
  }
  for (char16_t c = kFirstIdeograph; c <= kLastIdeograph; ++c) EXPECT_TRUE(seen.contains(c)) << Name(c);
  for (const NamedRow& row : kFurtherKeys) EXPECT_TRUE(seen.contains(row.character)) << Name(row.character);
  EXPECT_EQ(seen.size(), 20938u);
}

// Invariant 2: the codes.

TEST(CodeData, HasTheCodesAaToZzWithoutUzInAscendingOrderEachUsed) {
  std::vector<std::string> expected;
  for (char first = 'a'; first <= 'z'; ++first)
    for (char second = 'a'; second <= 'z'; ++second)
      if (!(first == 'u' && second == 'z')) expected.push_back({first, second});
  std::vector<std::string> codes;
  for (const CodeGroup& group : CodeFile()) {
    codes.push_back(group.code);
    EXPECT_FALSE(group.characters.empty()) << group.code << " has no character";
  }
  EXPECT_EQ(codes, expected);
  EXPECT_EQ(Group("uz"), nullptr);
}

// Invariant 3: the rows the table is known by.

TEST(CodeData, FurtherKeysKeepTheirCodes) {
  const std::map<char16_t, std::string> code_of = CodeOfCharacter();
  ASSERT_EQ(std::size(kFurtherKeys), 36u);
  for (const NamedRow& row : kFurtherKeys) {
    const auto found = code_of.find(row.character);
    ASSERT_NE(found, code_of.end()) << Name(row.character);
    EXPECT_EQ(found->second, row.code) << Name(row.character);
  }
}

TEST(CodeData, NamedIdeographsKeepTheirCodes) {
  const std::map<char16_t, std::string> code_of = CodeOfCharacter();
  for (const NamedRow& row : kNamedRows) {
    const auto found = code_of.find(row.character);
    ASSERT_NE(found, code_of.end()) << Name(row.character);
    EXPECT_EQ(found->second, row.code) << Name(row.character);
  }
}

TEST(CodeData, GroupOrdersKeepTheirNamedPlaces) {
  ASSERT_NE(Group("aa"), nullptr);
  EXPECT_EQ(Utf8(Group("aa")->characters.substr(0, 3)), "豄月賸") << "the group aa begins 豄, 月, 賸";

  const std::vector<CodeGroup> second_slice = SliceGroups(1);
  ASSERT_EQ(second_slice.size(), 80u);
  const std::u16string& dc = second_slice.front().characters;
  EXPECT_EQ(second_slice.front().code, "dc");
  EXPECT_EQ(dc.front(), u'誇') << "誇 is the first key of CodeOf_DC_GD";
  EXPECT_NE(dc.find(u'夸'), std::u16string::npos);
  EXPECT_GT(dc.find(u'夸'), 0u) << "夸 stands after 誇";
  EXPECT_EQ(second_slice.back().code, "gd");
  EXPECT_EQ(second_slice.back().characters.back(), u'赎') << "赎 is the last key of CodeOf_DC_GD";
}

// The figures of the table as shipped.

TEST(CodeData, EachSliceHasItsFigures) {
  ASSERT_EQ(CodeFile().size(), 675u);
  int keys_before = 0;
  for (std::size_t place = 0; place < Slices().size(); ++place) {
    const SliceFigures& want = Slices()[place];
    SCOPED_TRACE(want.name);
    const std::vector<CodeGroup> groups = SliceGroups(place);
    ASSERT_EQ(static_cast<int>(groups.size()), want.codes);
    EXPECT_EQ(groups.front().code, want.first_code);
    EXPECT_EQ(groups.back().code, want.last_code);
    std::string name = "CodeOf_";
    for (const std::string& code : {groups.front().code, groups.back().code}) {
      for (const char letter : code) name += static_cast<char>(letter - 'a' + 'A');
      name += '_';
    }
    name.pop_back();
    EXPECT_EQ(name, want.name) << "the naming rule";

    const std::vector<int> sizes = Sizes(groups);
    int characters = 0;
    for (const int size : sizes) characters += size;
    EXPECT_EQ(characters, want.characters);
    EXPECT_EQ(keys_before, want.keys_before);
    keys_before += characters;

    std::map<char, LetterFigure> by_letter;
    for (const CodeGroup& group : groups) {
      LetterFigure& figure = by_letter.try_emplace(group.code[0], LetterFigure{group.code[0], 0, 0}).first->second;
      ++figure.codes;
      figure.characters += static_cast<int>(group.characters.size());
    }
    ASSERT_EQ(by_letter.size(), want.by_first_letter.size());
    for (const LetterFigure& figure : want.by_first_letter) {
      EXPECT_EQ(by_letter[figure.letter].codes, figure.codes) << figure.letter;
      EXPECT_EQ(by_letter[figure.letter].characters, figure.characters) << figure.letter;
    }

    EXPECT_EQ(Size(want.smallest), want.smallest_size) << want.smallest;
    EXPECT_EQ(Size(want.largest), want.largest_size) << want.largest;
    EXPECT_EQ(std::count(sizes.begin(), sizes.end(), want.smallest_size), 1) << "the smallest group is alone";
    EXPECT_EQ(std::count(sizes.begin(), sizes.end(), want.largest_size), 1) << "the largest group is alone";
    EXPECT_EQ(*std::min_element(sizes.begin(), sizes.end()), want.smallest_size);
    EXPECT_EQ(*std::max_element(sizes.begin(), sizes.end()), want.largest_size);

    int further = 0;
    for (const CodeGroup& group : groups) further += std::count_if(group.characters.begin(), group.characters.end(), IsFurtherKey);
    EXPECT_EQ(further, want.further_keys);
  }
  EXPECT_EQ(keys_before, 20938);
}

TEST(CodeData, HalvesHoldTheirCodesCharactersAndFurtherKeys) {
  struct Half {
    std::size_t first_slice, end_slice;
    int codes, characters, further_keys;
  };
  for (const Half& half : {Half{0, 5, 400, 11358, 23}, Half{5, 9, 275, 9580, 13}}) {
    int codes = 0, characters = 0, further = 0;
    for (std::size_t slice = half.first_slice; slice < half.end_slice; ++slice) {
      for (const CodeGroup& group : SliceGroups(slice)) {
        ++codes;
        characters += static_cast<int>(group.characters.size());
        further += std::count_if(group.characters.begin(), group.characters.end(), IsFurtherKey);
      }
    }
    EXPECT_EQ(codes, half.codes);
    EXPECT_EQ(characters, half.characters);
    EXPECT_EQ(further, half.further_keys);
  }
}

TEST(CodeData, EachFirstLetterHasItsCodesAndCharacters) {
  std::map<char, LetterFigure> by_letter;
  for (const CodeGroup& group : CodeFile()) {
    LetterFigure& figure = by_letter.try_emplace(group.code[0], LetterFigure{group.code[0], 0, 0}).first->second;
    ++figure.codes;
    figure.characters += static_cast<int>(group.characters.size());
  }
  ASSERT_EQ(by_letter.size(), 26u);
  for (const LetterFigure& figure : kTableByFirstLetter) {
    EXPECT_EQ(by_letter[figure.letter].codes, figure.codes) << figure.letter;
    EXPECT_EQ(by_letter[figure.letter].characters, figure.characters) << figure.letter;
  }
}

TEST(CodeData, OnlyBzAndFzHoldOneCharacterAndOnlyCzAndPzTwo) {
  std::set<std::string> one, two;
  for (const CodeGroup& group : CodeFile()) {
    if (group.characters.size() == 1) one.insert(group.code);
    if (group.characters.size() == 2) two.insert(group.code);
  }
  EXPECT_EQ(one, (std::set<std::string>{"bz", "fz"}));
  EXPECT_EQ(two, (std::set<std::string>{"cz", "pz"}));
  ASSERT_NE(Group("bz"), nullptr);
  EXPECT_EQ(Utf8(Group("bz")->characters), "糙");
  EXPECT_EQ(Utf8(Group("fz")->characters), "轋");
  const std::u16string cz = Group("cz")->characters, pz = Group("pz")->characters;
  EXPECT_EQ((std::set<char16_t>(cz.begin(), cz.end())), (std::set<char16_t>{u'庭', u'翴'}));
  EXPECT_EQ((std::set<char16_t>(pz.begin(), pz.end())), (std::set<char16_t>{u'艇', u'鼮'}));
}

// The groups next to the smallest: in CodeOf_DC_GD "fi" and "fs" with 3 after
// "fz"; in the second half "pz" 2, "qz" and "xz" 3, "up" 4, all others more.
TEST(CodeData, NextSmallestGroupsAreTheNamedOnes) {
  struct Floor {
    std::size_t first_slice, end_slice;
    std::map<std::string, int> small;  // the named small groups
    int others_at_least;
  };
  const Floor floors[] = {
      {0, 1, {{"bz", 1}, {"cz", 2}}, 3},
      {1, 2, {{"fz", 1}, {"fi", 3}, {"fs", 3}}, 4},
      {5, 9, {{"pz", 2}, {"qz", 3}, {"xz", 3}, {"up", 4}}, 5},
  };
  for (const Floor& floor : floors) {
    for (std::size_t slice = floor.first_slice; slice < floor.end_slice; ++slice) {
      for (const CodeGroup& group : SliceGroups(slice)) {
        const int size = static_cast<int>(group.characters.size());
        const auto named = floor.small.find(group.code);
        if (named != floor.small.end())
          EXPECT_EQ(size, named->second) << group.code;
        else
          EXPECT_GE(size, floor.others_at_least) << group.code;
      }
    }
  }
}

TEST(CodeData, LargestGroupsStandInTheirOrder) {
  std::vector<std::pair<int, std::string>> by_size;
  for (const CodeGroup& group : CodeFile()) by_size.emplace_back(static_cast<int>(group.characters.size()), group.code);
  std::sort(by_size.rbegin(), by_size.rend());
  ASSERT_GE(by_size.size(), 4u);
  // "pc", "kn" and "vc" are the three largest of the table, each alone in its size.
  EXPECT_EQ(by_size[0], (std::pair<int, std::string>{106, "pc"}));
  EXPECT_EQ(by_size[1], (std::pair<int, std::string>{87, "kn"}));
  EXPECT_EQ(by_size[2], (std::pair<int, std::string>{85, "vc"}));
  EXPECT_LT(by_size[3].first, 85);

  // The largest of the second half: "vc", "yc", "va", "vk", then all smaller.
  std::vector<std::pair<int, std::string>> second_half;
  for (std::size_t slice = 5; slice < 9; ++slice)
    for (const CodeGroup& group : SliceGroups(slice))
      second_half.emplace_back(static_cast<int>(group.characters.size()), group.code);
  std::sort(second_half.rbegin(), second_half.rend());
  ASSERT_GE(second_half.size(), 5u);
  const std::vector<std::pair<int, std::string>> top(second_half.begin(), second_half.begin() + 4);
  EXPECT_EQ(top, (std::vector<std::pair<int, std::string>>{{85, "vc"}, {83, "yc"}, {82, "va"}, {78, "vk"}}));
  EXPECT_LT(second_half[4].first, 78);
}

TEST(CodeData, CharactersPerCodeRangeFromOneTo106WithMedian28) {
  std::vector<int> sizes = Sizes(CodeFile());
  ASSERT_EQ(sizes.size(), 675u);
  std::sort(sizes.begin(), sizes.end());
  EXPECT_EQ(sizes.front(), 1);
  EXPECT_EQ(sizes.back(), 106);
  EXPECT_EQ(sizes[sizes.size() / 2], 28) << "the median";
}

// The codes follow shapes, not readings: the first letter of the code equals
// the first letter of the first reading for 936 of the 20,902 ideographs.
TEST(CodeData, FirstLetterOfCodeMatchesFirstReadingFor936Characters) {
  const std::map<char16_t, char>& first_letter = FirstReadingLetters();
  ASSERT_EQ(first_letter.size(), 20902u) << "every ideograph has one reading list";
  const std::map<char16_t, std::string> code_of = CodeOfCharacter();
  int matches = 0;
  for (const auto& [character, letter] : first_letter) {
    ASSERT_TRUE(code_of.contains(character)) << "every character with a reading has a code: " << Name(character);
    if (code_of.at(character)[0] == letter) ++matches;
  }
  for (const NamedRow& row : kFurtherKeys) EXPECT_FALSE(first_letter.contains(row.character)) << Name(row.character);
  EXPECT_EQ(matches, 936);
}

}  // namespace
}  // namespace tavrel::testing
