#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "lookup/code_of.h"
#include "lookup/pinyin_of.h"
#include "tests/support/lookup_fakes.h"

namespace tavrel::testing {
namespace {

// Slices that log every call, so that the order of the chain shows.
std::vector<std::string> g_calls;

template <char16_t kHeld, const char16_t* kValue>
std::u16string_view LoggingSlice(const CharacterKey& key) {
  g_calls.push_back(Utf8(std::u16string(1, kHeld)));
  return key == std::u16string(1, kHeld) ? std::u16string_view(kValue) : std::u16string_view();
}

constexpr char16_t kA[] = u"value a";
constexpr char16_t kB[] = u"value b";
constexpr char16_t kC[] = u"value c";

constexpr std::array<TableSlice, 4> kPlaces{{
    {"first", LoggingSlice<u'a', kA>},
    {"not built", nullptr},
    {"third", LoggingSlice<u'b', kB>},
    {"fourth", LoggingSlice<u'c', kC>},
}};

class ChainTest : public ::testing::Test {
 protected:
  void SetUp() override { g_calls.clear(); }
};

TEST_F(ChainTest, AsksInPlaceOrderSkipsUnbuiltPlacesAndStopsAtTheFirstAnswer) {
  struct Case {
    std::u16string key;
    std::u16string reading;
    std::vector<std::string> calls;
  };
  const Case cases[] = {
      {u"a", u"value a", {"a"}},
      {u"b", u"value b", {"a", "b"}},
      {u"c", u"value c", {"a", "b", "c"}},
      {u"x", u"x", {"a", "b", "c"}},      // a miss comes back as the key itself
      {u"ab", u"ab", {"a", "b", "c"}},    // only a key of one code unit is ever held
      {u"", u"", {"a", "b", "c"}},
  };
  for (const Case& c : cases) {
    g_calls.clear();
    const CharacterKey key = c.key;
    EXPECT_EQ(PinyinOf(key, LookupChain{kPlaces}), c.reading) << Utf8(c.key);
    EXPECT_EQ(g_calls, c.calls) << Utf8(c.key);
    EXPECT_EQ(key, c.key);
  }
}

TEST_F(ChainTest, ALocatedPlaceIsWhereTheChainStarts) {
  const SliceLocator locate = [](const CharacterKey& key) -> std::size_t {
    return key == u"c" ? 3 : kNoPlace;
  };
  const LookupChain chain{kPlaces, locate};

  const CharacterKey held = u"c";
  EXPECT_EQ(PinyinOf(held, chain), u"value c");
  EXPECT_EQ(g_calls, std::vector<std::string>{"c"});

  g_calls.clear();
  const CharacterKey missed = u"x";
  EXPECT_EQ(PinyinOf(missed, chain), u"x");
  EXPECT_TRUE(g_calls.empty());
}

TEST_F(ChainTest, CodeOfShowsTheMessageOnlyWhenEveryPlaceMisses) {
  RecordingPresenter presenter;
  EXPECT_EQ(CodeOf(u"b", LookupChain{kPlaces}, presenter), u"value b");
  EXPECT_TRUE(presenter.texts.empty());

  EXPECT_EQ(CodeOf(u"，", LookupChain{kPlaces}, presenter), u"");
  EXPECT_EQ(CodeOf(u"", LookupChain{kPlaces}, presenter), u"");
  EXPECT_EQ(CodeOf(u"ab", LookupChain{kPlaces}, presenter), u"");
  // The key stands in the message as it is, so the empty key leaves two spaces together.
  EXPECT_EQ(presenter.texts,
            (std::vector<std::u16string>{u"无法给 ， 编码", u"无法给  编码", u"无法给 ab 编码"}));
}

TEST_F(ChainTest, AChainWithoutSlicesAnswersEveryKeyAsAMiss) {
  const std::array<TableSlice, 2> unbuilt{{{"one", nullptr}, {"two", nullptr}}};
  RecordingPresenter presenter;
  const CharacterKey key = u"中";
  EXPECT_EQ(PinyinOf(key, LookupChain{unbuilt}), u"中");
  EXPECT_EQ(CodeOf(u"中", LookupChain{unbuilt}, presenter), u"");
  EXPECT_EQ(presenter.texts, std::vector<std::u16string>{u"无法给 中 编码"});
}

}  // namespace
}  // namespace tavrel::testing
