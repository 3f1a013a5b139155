// Tavrel.exe under the system code page UTF-8 (65001), where a Chinese
// character takes three bytes, driven from outside under Wine in a prefix of
// its own (hi_IN.UTF-8): it looks Chinese up as under code page 936, lets a
// character beyond the BMP pass through, and copies its boxes as UTF-8 for
// programs that ask for ANSI text.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

#include "tests/tavrel/tavrel_process.h"

namespace tavrel::form::testing {
namespace {

TEST(TavrelUtf8, TheSystemCodePageIsUtf8) { ASSERT_EQ(GetACP(), 65001u); }

TEST(TavrelUtf8, LooksChineseUpAsUnderCodePage936) {
  ASSERT_EQ(GetACP(), 65001u);
  TavrelProcess tavrel;
  ASSERT_NE(tavrel.Window(), nullptr);
  struct Case {
    const char* name;
    std::wstring input, text2, text3;
    std::vector<std::wstring> messages;
  };
  const Case cases[] = {
      {"Chinese with ASCII among it", L"  中行ab好 ", L"oi rj abnt", L"zhong hang(heng xing) ab hao", {}},
      {"a character without a code", L"中，好", L"oi  nt", L"zhong ， hao", {L"无法给 ， 编码"}},
      {"a character beyond the BMP passes through", L"中\U00020000好", L"oi \U00020000nt",
       L"zhong \U00020000 hao", {}},
      {"a character of two bytes is looked up", L"aé", L"a", L"a é", {L"无法给 é 编码"}},
      {"plain text", L"ab c", L"ab c", L"ab c", {}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(SetText1ClosingMessages(tavrel, c.input), c.messages) << c.name;
    EXPECT_EQ(tavrel.Text(2), c.text2) << c.name;
    EXPECT_EQ(tavrel.Text(3), c.text3) << c.name;
  }
}

TEST(TavrelUtf8, ACopiedBoxIsUtf8AsAnsiText) {
  ASSERT_EQ(GetACP(), 65001u);
  TavrelProcess tavrel;
  ASSERT_NE(tavrel.Window(), nullptr);
  ASSERT_EQ(SetText1ClosingMessages(tavrel, L"中\U00020000好"), std::vector<std::wstring>{});

  struct Case {
    int box;
    std::wstring text;
    std::string ansi;
  };
  const std::string beyond = "\xF0\xA0\x80\x80";  // U+20000
  const Case cases[] = {
      {1, L"中\U00020000好", "\xE4\xB8\xAD" + beyond + "\xE5\xA5\xBD"},
      {2, L"oi \U00020000nt", "oi " + beyond + "nt"},
      {3, L"zhong \U00020000 hao", "zhong " + beyond + " hao"},
  };
  for (const Case& c : cases) {
    ASSERT_EQ(tavrel.Text(c.box), c.text) << "Text" << c.box;
    RECT place{};
    GetWindowRect(tavrel.Box(c.box), &place);
    const POINT origin = tavrel.Origin();
    PutOnClipboard(L"stale");
    tavrel.ClickAt((place.left + place.right) / 2 - origin.x, (place.top + place.bottom) / 2 - origin.y);
    std::wstring unicode;
    std::string ansi;
    EXPECT_TRUE(WaitUntil([&] { return ReadUnicodeClipboard(unicode) && unicode == c.text; }, 3000))
        << "Text" << c.box;
    EXPECT_TRUE(ReadAnsiClipboard(ansi)) << "Text" << c.box;
    EXPECT_EQ(ansi, Ansi(c.text)) << "Text" << c.box;
    EXPECT_EQ(ansi, c.ansi) << "Text" << c.box;
  }
}

}  // namespace
}  // namespace tavrel::form::testing
