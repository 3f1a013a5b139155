// The system's code page UTF-8 (65001), as Windows has it for a locale with
// no ANSI code page of its own, where a Chinese character takes three bytes:
// the ANSI values the lookup asks for, and the tray icon's record handed to
// the real shell, which reads the tip's bytes back and shows them as the
// icon's tooltip. Runs under Wine in a prefix of its own under hi_IN.UTF-8.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "tavrel/tray/form_r.h"
#include "tavrel/win32/system_code_page.h"
#include "tavrel/win32/tray_shell.h"
#include "tests/support/repeated.h"
#include "tests/support/window_waits.h"

namespace tavrel::win32 {
namespace {

using tavrel::testing::Repeated;
using win32_testing::WaitUntil;
using win32_testing::WindowText;

TEST(Utf8SystemCodePage, IsCodePage65001) { ASSERT_EQ(GetACP(), 65001u); }

TEST(Utf8SystemCodePage, OnlyAsciiIsPlainAndEveryOtherCharacterIsLookedUp) {
  ASSERT_EQ(GetACP(), 65001u);
  const SystemAnsiCodePage system;
  int wrong = 0;
  for (unsigned unit = 0; unit <= 0xFFFF; ++unit) {
    const auto u = static_cast<char16_t>(unit);
    const std::int16_t value = system.AnsiValue(u);
    const bool right = unit < 0x80 ? value == static_cast<std::int16_t>(unit)
                       : IsSurrogate(u) ? value == '?'  // a lone half, not U+FFFD's bytes
                                        : value < 0;
    if (!right && ++wrong <= 20) ADD_FAILURE() << std::hex << "U+" << unit << ": " << value;
  }
  EXPECT_EQ(wrong, 0);
}

TEST(Utf8SystemCodePage, GivesTheFirstTwoBytesOfALongerCode) {
  ASSERT_EQ(GetACP(), 65001u);
  const SystemAnsiCodePage system;
  struct Case {
    char16_t unit;
    std::int16_t value;
  };
  const Case cases[] = {
      {0x0000, 0},
      {u'a', 97},
      {0x007F, 127},
      {0x00E9, static_cast<std::int16_t>(0xC3A9)},  // é: two bytes
      {u'中', static_cast<std::int16_t>(0xE4B8)},   // three bytes
      {0xFF0C, static_cast<std::int16_t>(0xEFBC)},  // ，
      {0xFFFD, static_cast<std::int16_t>(0xEFBF)},
      {0xD800, '?'},
      {0xD840, '?'},
      {0xDC00, '?'},
      {0xDFFF, '?'},
  };
  for (const Case& c : cases) EXPECT_EQ(system.AnsiValue(c.unit), c.value) << std::hex << int{c.unit};
}

TEST(Utf8SystemCodePage, ConvertsTextACharacterAtATimeAndBack) {
  ASSERT_EQ(GetACP(), 65001u);
  const SystemAnsiCodePage system;
  EXPECT_EQ(system.ToBytes(u"a中"), "a\xE4\xB8\xAD");
  EXPECT_EQ(system.ToBytes(u"\U00020000"), "\xF0\xA0\x80\x80");
  EXPECT_EQ(system.ToBytes(std::u16string{u'a', char16_t{0xD840}}), "a?");
  EXPECT_EQ(system.FromBytes("a\xE4\xB8\xAD\xF0\xA0\x80\x80"), u"a中\U00020000");
  const std::u16string text = u"Tavrel 中文，好\U0001F600";
  EXPECT_EQ(system.FromBytes(system.ToBytes(text)), text);
}

// A window for the icon to stand for, as FormR needs it.
class IconWindow final : public tray::TrayForm {
 public:
  IconWindow()
      : window_(CreateWindowExW(0, L"STATIC", L"Tavrel UTF-8 tray test", WS_OVERLAPPED, 0, 0, 100, 100, nullptr,
                                nullptr, nullptr, nullptr)) {}
  ~IconWindow() override { DestroyWindow(window_); }
  IconWindow(const IconWindow&) = delete;
  IconWindow& operator=(const IconWindow&) = delete;

  HWND Window() const { return window_; }
  tray::Handle WindowHandle() const override { return reinterpret_cast<tray::Handle>(window_); }
  tray::Handle IconHandle() const override {
    return reinterpret_cast<tray::Handle>(LoadIconW(nullptr, IDI_APPLICATION));
  }
  bool IsMinimizedState() const override { return true; }
  void SetNormal() override {}
  void Show() override {}
  void Hide() override {}

 private:
  HWND window_;
};

// The real tray calls, keeping a copy of every record handed to the shell.
class KeepingShell final : public tray::TrayShell {
 public:
  tray::Handle SetWindowLongPtrA(tray::Handle window, std::int32_t index, tray::Handle value) override {
    return shell_.SetWindowLongPtrA(window, index, value);
  }
  tray::Handle CallWindowProcA(tray::Handle procedure, tray::Handle window, std::uint32_t message,
                               tray::Handle wparam, tray::Handle lparam) override {
    return shell_.CallWindowProcA(procedure, window, message, wparam, lparam);
  }
  bool Shell_NotifyIconA(std::uint32_t message, tray::AnsiRecord& record) override {
    handed.push_back(record);
    return shell_.Shell_NotifyIconA(message, record);
  }
  std::uint32_t TaskbarCreatedMessage() override { return shell_.TaskbarCreatedMessage(); }

  std::vector<tray::AnsiRecord> handed;

 private:
  TrayShellWin32 shell_;
};

std::string TipBytesOf(const tray::AnsiRecord& record) {
  const auto tip = record.begin() + static_cast<std::ptrdiff_t>(tray::kPlatformAnsiRecord.tip);
  return std::string(tip, tip + static_cast<std::ptrdiff_t>(tray::kTipLength));
}

std::string Spaces(std::size_t count) { return std::string(count, ' '); }

const std::string kNul(1, '\0');
const std::string kZhong = "\xE4\xB8\xAD";       // 中
const std::string kBeyond = "\xF0\xA0\x80\x80";  // U+20000

struct TipCase {
  const char* name;
  std::u16string tip;
  std::u16string kept;  // as far as it fits in the 64 bytes with its NUL
  std::string bytes;    // all 64
};

std::vector<TipCase> TipCases() {
  const std::string chinese = "\xE4\xB8\xAD\xE6\x96\x87\xE6\x8F\x90\xE7\xA4\xBA";  // 中文提示
  return {
      {"the tip of the tray", u"Tavrel", u"Tavrel", "Tavrel" + kNul + Spaces(57)},
      {"Chinese", u"中文提示", u"中文提示", chinese + kNul + Spaces(51)},
      // The 21st character would end at the field's end, with no room for
      // the NUL: the tip is cut after the 20th.
      {"cut between characters", std::u16string(u"a").append(Repeated(u"中", 30)),
       std::u16string(u"a").append(Repeated(u"中", 20)), std::string("a").append(Repeated(kZhong, 20)) + kNul + Spaces(2)},
      {"a pair is one character of four bytes", Repeated(u"\U00020000", 20), Repeated(u"\U00020000", 15),
       Repeated(kBeyond, 15) + kNul + Spaces(3)},
  };
}

// Wine's notification area where no desktop offers one: a window of its own,
// "Wine System Tray", with a child window for each icon, and a tooltip for
// each icon in the process that shows them.
constexpr wchar_t kWineTrayClass[] = L"__winex11_standalone_tray";

struct ShownTooltip {
  DWORD process;
  std::wstring text;
};

BOOL CALLBACK FindShownTooltip(HWND window, LPARAM param) {
  auto* found = reinterpret_cast<ShownTooltip*>(param);
  DWORD process = 0;
  GetWindowThreadProcessId(window, &process);
  wchar_t name[64] = {};
  GetClassNameW(window, name, 64);
  if (process != found->process || !IsWindowVisible(window) || std::wstring(name) != L"tooltips_class32")
    return TRUE;
  found->text = WindowText(window);
  return found->text.empty();
}

BOOL CALLBACK CollectChild(HWND window, LPARAM param) {
  reinterpret_cast<std::vector<HWND>*>(param)->push_back(window);
  return TRUE;
}

// Rests the mouse on each icon of Wine's tray in turn until one shows the
// tooltip expected; returns the last tooltip seen.
std::wstring TooltipOfTrayIcon(const std::wstring& expected) {
  const HWND tray = FindWindowW(kWineTrayClass, nullptr);
  std::vector<HWND> icons;
  EnumChildWindows(tray, CollectChild, reinterpret_cast<LPARAM>(&icons));
  std::wstring seen;
  for (int attempt = 0; attempt < 3; ++attempt) {
    for (const HWND icon : icons) {
      ShownTooltip shown{0, {}};
      GetWindowThreadProcessId(icon, &shown.process);
      RECT place{};
      GetWindowRect(icon, &place);
      const int x = (place.left + place.right) / 2;
      const int y = (place.top + place.bottom) / 2;
      // Off the tray first, so that a tooltip still shown goes away.
      SetCursorPos(x + 400, y + 300);
      Sleep(300);
      SetCursorPos(x, y);
      Sleep(50);
      SetCursorPos(x + 1, y);
      WaitUntil(
          [&] {
            shown.text.clear();
            EnumWindows(FindShownTooltip, reinterpret_cast<LPARAM>(&shown));
            return shown.text == expected;
          },
          3000);
      seen = shown.text;
      if (seen == expected) return seen;
    }
  }
  return seen;
}

std::wstring Wide(std::u16string_view text) { return std::wstring(text.begin(), text.end()); }

TEST(Utf8TrayIcon, TheShellGetsTheTipsUtf8BytesCutBetweenCharactersAndShowsIt) {
  ASSERT_EQ(GetACP(), 65001u);
  const SystemAnsiCodePage code_page;
  KeepingShell shell;
  IconWindow window;
  tray::FormR tray(shell, code_page, reinterpret_cast<tray::Handle>(&TrayWindowProc));
  AttachTrayModule(window.Window(), tray);
  ASSERT_TRUE(tray.AddTrayIcon(window));
  // Where no desktop offers a notification area, Wine shows one of its own,
  // whose tooltips can be read.
  const bool wine_tray = FindWindowW(kWineTrayClass, nullptr) != nullptr;

  for (const TipCase& c : TipCases()) {
    tray.SetTrayTip(c.tip);
    ASSERT_FALSE(shell.handed.empty());
    ASSERT_EQ(c.bytes.size(), tray::kTipLength) << c.name;
    EXPECT_EQ(TipBytesOf(shell.handed.back()), c.bytes) << c.name;
    EXPECT_EQ(tray.Record().szTip, tray::TipField(c.kept)) << c.name << ": read back";
    if (wine_tray) {
      EXPECT_EQ(TooltipOfTrayIcon(Wide(c.kept)), Wide(c.kept)) << c.name << ": the tooltip";
    }
  }

  tray.RemoveTrayIcon();
  DetachTrayModule(window.Window());
  if (!wine_tray) GTEST_SKIP() << "the tooltips were not read: Wine's own notification area is not shown";
}

}  // namespace
}  // namespace tavrel::win32
