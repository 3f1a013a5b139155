// Text through the system code page, under Wine with code page 936 (GBK).
#include <gtest/gtest.h>

#include <windows.h>

#include <array>
#include <string>

#include "windows/system_code_page.h"

namespace windows {
namespace {

TEST(SystemCodePage, IsCodePage936) { ASSERT_EQ(GetACP(), 936u); }

TEST(SystemCodePage, ConvertsBothWays) {
  struct Case {
    const char* name;
    std::u16string text;
    std::string bytes;
  };
  const Case cases[] = {
      {"empty", u"", ""},
      {"plain", u"C:\\windows\\system32", "C:\\windows\\system32"},
      {"double-byte", u"中文", "\xD6\xD0\xCE\xC4"},
      {"mixed", u"Ombrik输入法 2011版", "Ombrik\xCA\xE4\xC8\xEB\xB7\xA8 2011\xB0\xE6"},
      {"the euro sign, one byte", u"\u20AC", "\x80"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ToSystemCodePage<std::string>(c.text), c.bytes) << c.name;
    EXPECT_EQ(FromSystemCodePage<std::u16string>(c.bytes), c.text) << c.name;
  }
}

TEST(SystemCodePage, ACharacterTheCodePageLacksBecomesTheDefaultCharacter) {
  EXPECT_EQ(ToSystemCodePage<std::string>(u"a\uAC00b"), "a?b");  // a Hangul syllable
}

TEST(SystemCodePage, MeasuresWithAnEmptyBufferAndRefusesOneTooShort) {
  const std::string_view bytes = "C:\\\xD6\xD0\xCE\xC4";  // 7 bytes, 5 characters
  EXPECT_EQ(ConvertFromSystemCodePage(bytes, {}), 5u);
  EXPECT_EQ(ConvertToSystemCodePage(u"C:\\中文", {}), 7u);

  std::array<char16_t, 4> short_text{};
  EXPECT_EQ(ConvertFromSystemCodePage(bytes, short_text), 0u);
  std::array<char, 6> short_bytes{};
  EXPECT_EQ(ConvertToSystemCodePage(u"C:\\中文", short_bytes), 0u);

  std::array<char16_t, 8> text{};
  ASSERT_EQ(ConvertFromSystemCodePage(bytes, text), 5u);
  EXPECT_EQ(std::u16string_view(text.data(), 5), u"C:\\中文");
}

}  // namespace
}  // namespace windows
