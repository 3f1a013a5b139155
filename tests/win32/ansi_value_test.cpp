// The fixed code page 936 of the native build against the system's own
// conversion, for every code unit. Runs under Wine with code page 936.
#include <gtest/gtest.h>

#include <windows.h>

#include "lookup/cp936/fixed_cp936.h"
#include "tavrel/win32/system_code_page.h"

namespace tavrel::win32 {
namespace {

TEST(SystemAnsiCodePage, IsCodePage936) { ASSERT_EQ(GetACP(), 936u); }

TEST(SystemAnsiCodePage, AgreesWithTheFixedCodePageForEveryCodeUnit) {
  ASSERT_EQ(GetACP(), 936u);
  const SystemAnsiCodePage system;
  const FixedCp936 fixed;
  int differences = 0;
  for (unsigned unit = 0; unit <= 0xFFFF; ++unit) {
    const char16_t u = static_cast<char16_t>(unit);
    if (system.AnsiValue(u) != fixed.AnsiValue(u) && ++differences <= 20)
      ADD_FAILURE() << std::hex << "U+" << unit << ": system " << system.AnsiValue(u) << ", fixed "
                    << fixed.AnsiValue(u);
  }
  EXPECT_EQ(differences, 0);
}

TEST(SystemAnsiCodePage, GivesTheSignedValues) {
  const SystemAnsiCodePage system;
  EXPECT_EQ(system.AnsiValue(u'a'), 97);
  EXPECT_EQ(system.AnsiValue(u'中'), static_cast<std::int16_t>(0xD6D0));
  EXPECT_LT(system.AnsiValue(u'中'), 0);
  EXPECT_EQ(system.AnsiValue(0x20AC), 128);
  EXPECT_EQ(system.AnsiValue(0xD800), '?');
}

TEST(SystemAnsiCodePage, ConvertsTextACharacterAtATimeAndBack) {
  const SystemAnsiCodePage system;
  EXPECT_EQ(system.ToBytes(u"a中"), "a\xD6\xD0");
  EXPECT_EQ(system.ToBytes(std::u16string{u'a', char16_t{0xDC00}}), "a?");
  EXPECT_EQ(system.FromBytes("a\xD6\xD0"), u"a中");
}

}  // namespace
}  // namespace tavrel::win32
