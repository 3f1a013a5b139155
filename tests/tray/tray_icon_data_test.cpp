#include <gtest/gtest.h>

#include <string>

#include "tavrel/tray/tray_icon_data.h"
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

TEST(TrayIconData, TheTipFieldIsTheTipANulAndSpaces) {
  struct Case {
    const char* name;
    std::u16string tip;
    std::string bytes;  // all 64
  };
  const std::string sixty_three(63, 'x');
  const std::string seventy(70, 'y');
  const Case cases[] = {
      {"the tip of the tray", u"Tavrel", TipBytes(std::string("Tavrel") + '\0', ' ')},
      {"empty", u"", TipBytes(std::string(1, '\0'), ' ')},
      {"63 bytes and the NUL fill the field", std::u16string(63, u'x'), sixty_three + '\0'},
      // The field holds the first 64 characters and no NUL: the bytes are cut
      // to keep one.
      {"longer than the field", std::u16string(70, u'y'), seventy.substr(0, 63) + '\0'},
      {"double-byte characters", u"中文提示",
       TipBytes("\xD6\xD0\xCE\xC4\xCC\xE1\xCA\xBE" + std::string(1, '\0'), ' ')},
      // 40 characters of two bytes: 31 fit before the NUL, none is split.
      {"double-byte, longer than the field", std::u16string(40, u'中'),
       [] {
         std::string bytes;
         for (int i = 0; i < 31; ++i) bytes += "\xD6\xD0";
         return bytes + '\0' + ' ';
       }()},
      // A character of two bytes that would cover the last byte is left out.
      {"a double-byte character at the end", std::u16string(62, u'a') + u"中",
       std::string(62, 'a') + '\0' + ' '},
  };
  const Cp936Text gbk;
  for (const AnsiRecordLayout& layout : {kAnsiRecord32, kAnsiRecord64}) {
    for (const Case& c : cases) {
      TrayIconData data = AddRecord(layout);
      data.szTip = tray::TipField(c.tip);
      ASSERT_EQ(data.szTip.size(), 64u) << c.name;
      EXPECT_EQ(TipOf(tray::ToAnsiRecord(data, gbk, layout), layout), c.bytes) << c.name << ", " << layout.size;
    }
  }
}

TEST(TrayIconData, TipFieldCutsALongerTipAtSixtyFourCharacters) {
  EXPECT_EQ(tray::TipField(u"Tavrel"), u"Tavrel" + std::u16string(1, u'\0') + std::u16string(57, u' '));
  EXPECT_EQ(tray::TipField(std::u16string(70, u'y')), std::u16string(64, u'y'));
}

TEST(TrayIconData, ReadingBackGivesTheRecordAgain) {
  const Cp936Text gbk;
  for (const AnsiRecordLayout& layout : {kAnsiRecord32, kAnsiRecord64})
  for (const std::u16string& tip : {std::u16string(u"Tavrel"), std::u16string(u"中文提示")}) {
    TrayIconData data = AddRecord(layout);
    data.szTip = tray::TipField(tip);
    TrayIconData read;
    tray::ReadBack(read, tray::ToAnsiRecord(data, gbk, layout), gbk, layout);
    EXPECT_EQ(read.cbSize, data.cbSize);
    EXPECT_EQ(read.hWnd, data.hWnd);
    EXPECT_EQ(read.uFlags, data.uFlags);
    EXPECT_EQ(read.uCallbackMessage, data.uCallbackMessage);
    EXPECT_EQ(read.hIcon, data.hIcon);
    EXPECT_EQ(read.szTip.substr(0, tip.size() + 1), tip + u'\0');
    EXPECT_EQ(read.szTip.size(), 64u);
  }
}

}  // namespace
}  // namespace tavrel::testing
