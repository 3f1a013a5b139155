#include <gtest/gtest.h>

#include <string>

#include "tavrel/tray/tray_icon_data.h"
#include "tests/support/code_pages.h"
#include "tests/support/repeated.h"
#include "tests/support/utf8.h"
#include "tests/tray/cp936_text.h"

namespace tavrel::testing {
namespace {

using tray::AnsiRecord;
using tray::AnsiRecordLayout;
using tray::kAnsiRecord32;
using tray::kAnsiRecord64;
using tray::TrayIconData;

// The 64 tip bytes: the given bytes, then the rest as given by fill.
std::string TipBytes(const std::string& start, char fill) {
  std::string bytes = start;
  bytes.resize(64, fill);
  return bytes;
}

std::string TipOf(const AnsiRecord& record, const AnsiRecordLayout& layout) {
  return std::string(record.begin() + static_cast<std::ptrdiff_t>(layout.tip), record.end());
}

TrayIconData AddRecord(const AnsiRecordLayout& layout = kAnsiRecord32) {
  TrayIconData data;
  data.cbSize = static_cast<std::uint32_t>(layout.size);
  data.hWnd = 0x00012345;
  data.uID = 0;
  data.uFlags = 3;
  data.uCallbackMessage = 0x7E9;
  data.hIcon = 0xABCD0102;
  return data;
}

TEST(TrayIconData, TheIntegersStandLittleEndianAtTheirOffsetsIn32BitPrograms) {
  const Cp936Text gbk;
  const AnsiRecord record = tray::ToAnsiRecord(AddRecord(), gbk, kAnsiRecord32);
  AnsiRecord expected = {
      88, 0, 0, 0,           // cbSize
      0x45, 0x23, 0x01, 0,   // hWnd
      0, 0, 0, 0,            // uID
      3, 0, 0, 0,            // uFlags: NIF_MESSAGE + NIF_ICON
      0xE9, 0x07, 0, 0,      // uCallbackMessage
      0x02, 0x01, 0xCD, 0xAB // hIcon
  };
  expected.resize(88, 0);  // the tip of a record that was never given one: all zero
  EXPECT_EQ(record, expected);
}

TEST(TrayIconData, HandlesAreEightAlignedBytesIn64BitPrograms) {
  const Cp936Text gbk;
  TrayIconData data = AddRecord(kAnsiRecord64);
  data.hWnd = static_cast<tray::Handle>(0x0000000000012345ull);
  data.hIcon = static_cast<tray::Handle>(0x00000000ABCD0102ull);
  const AnsiRecord record = tray::ToAnsiRecord(data, gbk, kAnsiRecord64);
  AnsiRecord expected = {
      104, 0, 0, 0,                       // cbSize
      0, 0, 0, 0,                         // padding before the handle
      0x45, 0x23, 0x01, 0, 0, 0, 0, 0,    // hWnd
      0, 0, 0, 0,                         // uID
      3, 0, 0, 0,                         // uFlags
      0xE9, 0x07, 0, 0,                   // uCallbackMessage
      0, 0, 0, 0,                         // padding before the handle
      0x02, 0x01, 0xCD, 0xAB, 0, 0, 0, 0  // hIcon
  };
  expected.resize(104, 0);
  EXPECT_EQ(record, expected);
}

TEST(TrayIconData, TheTwoLayoutsAreTheShellsVersion1Records) {
  // NOTIFYICONDATAA up to and including its 64-byte tip.
  for (const AnsiRecordLayout& layout : {kAnsiRecord32, kAnsiRecord64}) {
    EXPECT_EQ(layout.tip + tray::kTipLength, layout.size);
    EXPECT_EQ(layout.hwnd % layout.handle_size, 0u);
    EXPECT_EQ(layout.icon % layout.handle_size, 0u);
  }
  EXPECT_EQ(tray::kPlatformAnsiRecord.handle_size, sizeof(void*));
}

const std::string kNul(1, '\0');
const std::string kUtf8Zhong = "\xE4\xB8\xAD";     // 中
const std::string kUtf8Beyond = "\xF0\xA0\x80\x80";  // U+20000

TEST(TrayIconData, TheTipFieldIsTheTipANulAndSpaces) {
  const Cp936Text gbk;
  const Utf8CodePage utf8;
  struct Case {
    const char* name;
    const SystemCodePageText& code_page;
    std::u16string tip;
    std::string bytes;  // all 64
  };
  const std::string sixty_three(63, 'x');
  const std::string seventy(70, 'y');
  const Case cases[] = {
      {"the tip of the tray", gbk, u"Tavrel", TipBytes("Tavrel" + kNul, ' ')},
      {"empty", gbk, u"", TipBytes(kNul, ' ')},
      {"63 bytes and the NUL fill the field", gbk, std::u16string(63, u'x'), sixty_three + '\0'},
      // The field holds the first 64 characters and no NUL: the bytes are cut
      // to keep one.
      {"longer than the field", gbk, std::u16string(70, u'y'), seventy.substr(0, 63) + '\0'},
      {"double-byte characters", gbk, u"中文提示", TipBytes("\xD6\xD0\xCE\xC4\xCC\xE1\xCA\xBE" + kNul, ' ')},
      // 40 characters of two bytes: 31 fit before the NUL, none is split.
      {"double-byte, longer than the field", gbk, std::u16string(40, u'中'),
       Repeated("\xD6\xD0", 31) + '\0' + ' '},
      // A character of two bytes that would cover the last byte is left out.
      {"a double-byte character at the end", gbk, std::u16string(62, u'a') + u"中",
       std::string(62, 'a') + '\0' + ' '},

      // UTF-8: three bytes for a Chinese character, four for a pair.
      {"UTF-8: the tip of the tray", utf8, u"Tavrel", TipBytes("Tavrel" + kNul, ' ')},
      {"UTF-8: Chinese characters", utf8, u"中文提示",
       TipBytes("\xE4\xB8\xAD\xE6\x96\x87\xE6\x8F\x90\xE7\xA4\xBA" + kNul, ' ')},
      // 21 characters take 63 bytes, and the NUL the last.
      {"UTF-8: Chinese filling the field", utf8, Repeated(u"中", 30), Repeated(kUtf8Zhong, 21) + '\0'},
      // The 21st character would end at the field's end, leaving no room for
      // the NUL: the tip is cut after the 20th.
      {"UTF-8: cut before a character that ends the field", utf8, std::u16string(u"a").append(Repeated(u"中", 30)),
       std::string("a").append(Repeated(kUtf8Zhong, 20)) + '\0' + "  "},
      // The 21st character would cross the field's end.
      {"UTF-8: cut before a character that crosses the end", utf8, std::u16string(u"ab").append(Repeated(u"中", 30)),
       std::string("ab").append(Repeated(kUtf8Zhong, 20)) + '\0' + ' '},
      {"UTF-8: a character beyond the BMP is one character of four bytes", utf8, u"中\U00020000好",
       TipBytes(kUtf8Zhong + kUtf8Beyond + "\xE5\xA5\xBD" + kNul, ' ')},
      {"UTF-8: a pair is never split", utf8, std::u16string(61, u'a') + u"\U00020000",
       std::string(61, 'a') + '\0' + "  "},
      {"UTF-8: 15 pairs and the NUL", utf8, Repeated(u"\U00020000", 20), Repeated(kUtf8Beyond, 15) + '\0' + "   "},
      {"UTF-8: a lone half is the default character", utf8, std::u16string{u'a', char16_t{0xD840}, u'b'},
       TipBytes("a?b" + kNul, ' ')},
  };
  for (const AnsiRecordLayout& layout : {kAnsiRecord32, kAnsiRecord64}) {
    for (const Case& c : cases) {
      TrayIconData data = AddRecord(layout);
      data.szTip = tray::TipField(c.tip);
      ASSERT_EQ(data.szTip.size(), 64u) << c.name;
      ASSERT_EQ(c.bytes.size(), 64u) << c.name;
      EXPECT_EQ(TipOf(tray::ToAnsiRecord(data, c.code_page, layout), layout), c.bytes) << c.name << ", " << layout.size;
    }
  }
}

TEST(TrayIconData, TipFieldCutsALongerTipAtSixtyFourCharacters) {
  EXPECT_EQ(tray::TipField(u"Tavrel"), u"Tavrel" + std::u16string(1, u'\0') + std::u16string(57, u' '));
  EXPECT_EQ(tray::TipField(std::u16string(70, u'y')), std::u16string(64, u'y'));
}

TEST(TrayIconData, ReadingBackGivesTheRecordAgain) {
  const Cp936Text gbk;
  const Utf8CodePage utf8;
  struct Case {
    const SystemCodePageText& code_page;
    std::u16string tip;
    std::u16string kept;  // as far as it fit in the 64 bytes with its NUL
  };
  const Case cases[] = {
      {gbk, u"Tavrel", u"Tavrel"},
      {gbk, u"中文提示", u"中文提示"},
      {gbk, std::u16string(40, u'中'), std::u16string(31, u'中')},
      {utf8, u"Tavrel", u"Tavrel"},
      {utf8, u"中文提示", u"中文提示"},
      {utf8, std::u16string(u"a").append(Repeated(u"中", 30)), std::u16string(u"a").append(Repeated(u"中", 20))},
      {utf8, u"中\U00020000好", u"中\U00020000好"},
      {utf8, Repeated(u"\U00020000", 20), Repeated(u"\U00020000", 15)},
  };
  for (const AnsiRecordLayout& layout : {kAnsiRecord32, kAnsiRecord64})
  for (const Case& c : cases) {
    TrayIconData data = AddRecord(layout);
    data.szTip = tray::TipField(c.tip);
    TrayIconData read;
    tray::ReadBack(read, tray::ToAnsiRecord(data, c.code_page, layout), c.code_page, layout);
    EXPECT_EQ(read.cbSize, data.cbSize);
    EXPECT_EQ(read.hWnd, data.hWnd);
    EXPECT_EQ(read.uFlags, data.uFlags);
    EXPECT_EQ(read.uCallbackMessage, data.uCallbackMessage);
    EXPECT_EQ(read.hIcon, data.hIcon);
    // The kept tip, its NUL, and the spaces after it.
    EXPECT_EQ(Utf8(read.szTip), Utf8(tray::TipField(c.kept))) << Utf8(c.tip) << ", " << layout.size;
  }
}

// The stand-in for code page 936 gives each code unit the value of the fixed
// classification, under the same rules as the system's code page.
TEST(Cp936Text, AgreesWithTheFixedCodePageForEveryCodeUnit) {
  const Cp936Text gbk;
  const FixedCp936 fixed;
  for (unsigned unit = 0; unit <= 0xFFFF; ++unit)
    ASSERT_EQ(gbk.AnsiValue(static_cast<char16_t>(unit)), fixed.AnsiValue(static_cast<char16_t>(unit)))
        << std::hex << unit;
  EXPECT_EQ(gbk.ToBytes(u"中a"), "\xD6\xD0" "a");
  EXPECT_EQ(gbk.FromBytes("\xD6\xD0" "a"), u"中a");
}

}  // namespace
}  // namespace tavrel::testing
