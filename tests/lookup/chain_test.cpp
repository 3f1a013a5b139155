#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "lookup/code_of.h"
#include "lookup/pinyin_of.h"
#include "tests/support/lookup_fakes.h"

namespace tavrel::testing {
namespace {

// A table of three slices of one value each, so that every place shows.
const SmallTable& ThreeSlices() {
  static const SmallTable table({{u"value a", u"a"}, {u"value b", u"b"}, {u"value c", u"c"}}, 1);
  return table;
}

constexpr std::array<const char*, 3> kThreePlaces{"first", "second", "third"};

TEST(Chain, AnswersTheValueOfTheSliceThatHoldsTheKeyAndAMissOtherwise) {
  const LookupChain chain{ThreeSlices().index(), kThreePlaces};
  struct Case {
    std::u16string key;
    std::u16string reading;
  };
  const Case cases[] = {
      {u"a", u"value a"},
      {u"b", u"value b"},
      {u"c", u"value c"},  // from the last place
      {u"x", u"x"},        // a miss comes back as the key itself
      {u"ab", u"ab"},      // only a key of one code unit is ever held
      {CharacterKey{u'a', u'\0'}, CharacterKey{u'a', u'\0'}},
      {u"", u""},
  };
  for (const Case& c : cases) {
    const CharacterKey key = c.key;
    EXPECT_EQ(PinyinOf(key, chain), c.reading) << Utf8(c.key);
    EXPECT_EQ(key, c.key);
  }
}

TEST(Chain, AnswersOnlyFromItsOwnPlaces) {
  const LookupChain first_two{ThreeSlices().index(), std::span(kThreePlaces).first(2)};
  const CharacterKey held = u"b";
  const CharacterKey beyond = u"c";  // held by the table's third slice, which is no place of this chain
  EXPECT_EQ(PinyinOf(held, first_two), u"value b");
  EXPECT_EQ(PinyinOf(beyond, first_two), u"c");
}

TEST(Chain, CodeOfShowsTheMessageOnlyWhenEveryPlaceMisses) {
  const LookupChain chain{ThreeSlices().index(), kThreePlaces};
  RecordingPresenter presenter;
  EXPECT_EQ(CodeOf(u"b", chain, presenter), u"value b");
  EXPECT_TRUE(presenter.texts.empty());

  EXPECT_EQ(CodeOf(u"，", chain, presenter), u"");
  EXPECT_EQ(CodeOf(u"", chain, presenter), u"");
  EXPECT_EQ(CodeOf(u"ab", chain, presenter), u"");
  // The key stands in the message as it is, so the empty key leaves two spaces together.
  EXPECT_EQ(presenter.texts,
            (std::vector<std::u16string>{u"无法给 ， 编码", u"无法给  编码", u"无法给 ab 编码"}));
}

TEST(Chain, AChainWithoutPlacesAnswersEveryKeyAsAMiss) {
  const LookupChain empty{SmallReadingTable().index(), {}};  // the table holds 中, but no place asks it
  RecordingPresenter presenter;
  const CharacterKey key = u"中";
  EXPECT_EQ(PinyinOf(key, empty), u"中");
  EXPECT_EQ(CodeOf(u"中", empty, presenter), u"");
  EXPECT_EQ(presenter.texts, std::vector<std::u16string>{u"无法给 中 编码"});
}

}  // namespace
}  // namespace tavrel::testing
