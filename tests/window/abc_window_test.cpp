// The Win32 window abc in this process, under Wine: what Form_Load leaves
// behind, the change handler on the real EDIT control, and the pictures,
// icons and pointers the program carries.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "lookup/cp936/fixed_cp936.h"
#include "tavrel/win32/abc_window.h"
#include "tavrel/win32/picture.h"
#include "tavrel/win32/resource_ids.h"
#include "tavrel/win32/system_code_page.h"
#include "tavrel/win32/tray_shell.h"
#include "tests/support/lookup_fakes.h"

namespace tavrel::win32 {
namespace {

using window::Box;

LOGFONTW FontOf(HWND box) {
  LOGFONTW font{};
  GetObjectW(reinterpret_cast<HFONT>(SendMessageW(box, WM_GETFONT, 0, 0)), sizeof font, &font);
  return font;
}

class AbcWindowTest : public ::testing::Test {
 protected:
  AbcWindowTest()
      : services{code_page, tavrel::testing::kSmallReadingChain, tavrel::testing::kSmallCodeChain, no_code},
        form_r(tray_shell, tray_text, reinterpret_cast<tray::Handle>(&TrayWindowProc)),
        abc(GetModuleHandleW(nullptr), services, form_r) {
    abc.Create();
  }

  HWND Box(int number) const { return GetDlgItem(abc.Handle(), 100 + number); }

  FixedCp936 code_page;
  tavrel::testing::RecordingPresenter no_code;
  LookupServices services;
  TrayShellWin32 tray_shell;
  SystemAnsiCodePage tray_text;
  tray::FormR form_r;
  AbcWindow abc;
};

TEST_F(AbcWindowTest, FormLoadSizesTheWindowEmptiesText1AndSetsTheBoxFonts) {
  // Before Form_Load the output boxes have their own font, 宋体 9 pt.
  EXPECT_STREQ(FontOf(Box(2)).lfFaceName, L"宋体");
  EXPECT_EQ(FontOf(Box(2)).lfHeight, -12);
  EXPECT_EQ(FontOf(Box(2)).lfCharSet, 134);
  abc.SetText2(u"left over");

  abc.Load();

  RECT frame{};
  GetWindowRect(abc.Handle(), &frame);
  EXPECT_EQ(frame.right - frame.left, 300);
  EXPECT_EQ(frame.bottom - frame.top, 223);
  for (int number = 1; number <= 3; ++number) {
    const LOGFONTW font = FontOf(Box(number));
    EXPECT_STREQ(font.lfFaceName, L"MS Sans Serif") << "Text" << number;
    EXPECT_EQ(font.lfHeight, -16) << "Text" << number << ": 12 points at 96 dpi";
    EXPECT_EQ(font.lfWeight, 400) << "Text" << number;
  }
  EXPECT_EQ(abc.Text(Box::Text1), u"");
  EXPECT_EQ(abc.Text(Box::Text2), u"") << "emptying Text1 ran the lookup";
}

TEST_F(AbcWindowTest, EveryChangeOfText1RebuildsTheLines) {
  abc.Load();
  struct Case {
    std::u16string input, code_line, reading_line;
  };
  for (const Case& c : {Case{u"  中行ab好 ", u"oi rj abnt", u"zhong hang(heng xing) ab hao"},
                        Case{u"a中b", u"aoi b", u"a zhong b"}, Case{u"", u"", u""}}) {
    SetWindowTextW(Box(1), reinterpret_cast<const wchar_t*>(c.input.c_str()));
    EXPECT_EQ(abc.Text(Box::Text2), c.code_line) << tavrel::testing::Utf8(c.input);
    EXPECT_EQ(abc.Text(Box::Text3), c.reading_line) << tavrel::testing::Utf8(c.input);
  }
  // Typing: a character at the caret.
  SetWindowTextW(Box(1), L"中");
  SendMessageW(Box(1), EM_SETSEL, 1, 1);
  SendMessageW(Box(1), WM_CHAR, L'好', 1);
  EXPECT_EQ(abc.Text(Box::Text2), u"oi nt");
  EXPECT_TRUE(no_code.texts.empty());
}

TEST_F(AbcWindowTest, TabGoesFromBoxToBoxInTheirTabOrder) {
  abc.Load();
  EXPECT_EQ(GetNextDlgTabItem(abc.Handle(), Box(1), FALSE), Box(2));
  EXPECT_EQ(GetNextDlgTabItem(abc.Handle(), Box(2), FALSE), Box(3));
  EXPECT_EQ(GetNextDlgTabItem(abc.Handle(), Box(3), FALSE), Box(1));
}

// A hook in the window procedure, as the notification-area icon puts one in:
// it replaces the procedure with SetWindowLongPtrA and passes every message on
// with CallWindowProcA.
WNDPROC old_procedure = nullptr;
int hooked_messages = 0;

LRESULT CALLBACK CountingHook(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  ++hooked_messages;
  return CallWindowProcA(old_procedure, window, message, wparam, lparam);
}

TEST_F(AbcWindowTest, ItsWindowProcedureCanBeHookedAndChained) {
  abc.Load();
  old_procedure = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrA(abc.Handle(), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(CountingHook)));
  ASSERT_NE(old_procedure, nullptr);
  SetWindowTextW(Box(1), L"中");
  EXPECT_GT(hooked_messages, 0);
  EXPECT_EQ(abc.Text(Box::Text2), u"oi") << "the change reaches the window through the hook";
  SetWindowLongPtrA(abc.Handle(), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(old_procedure));
  const int seen = hooked_messages;
  SetWindowTextW(Box(1), L"好");
  EXPECT_EQ(hooked_messages, seen);
  EXPECT_EQ(abc.Text(Box::Text2), u"nt");
}

// Pumps this thread's messages for a while, so that posted ones arrive.
void PumpMessages(DWORD milliseconds) {
  const DWORD end = GetTickCount() + milliseconds;
  MSG message{};
  while (GetTickCount() < end) {
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&message);
    Sleep(10);
  }
}

TEST_F(AbcWindowTest, MinimizedItIsHookedByTheTrayAndARestoreUnhooksIt) {
  abc.Load();
  abc.ShowFirstTime(SW_SHOWNORMAL);
  const LONG_PTR own = GetWindowLongPtrA(abc.Handle(), GWLP_WNDPROC);
  const LONG_PTR hook = reinterpret_cast<LONG_PTR>(&TrayWindowProc);

  abc.Minimize();
  EXPECT_EQ(GetWindowLongPtrA(abc.Handle(), GWLP_WNDPROC), hook);
  EXPECT_FALSE(IsWindowVisible(abc.Handle()));
  EXPECT_EQ(form_r.OldWindowProc(), static_cast<tray::Handle>(own));

  SendMessageW(abc.Handle(), 0x7E9, 0, WM_RBUTTONUP);
  EXPECT_EQ(GetWindowLongPtrA(abc.Handle(), GWLP_WNDPROC), own);
  EXPECT_TRUE(IsWindowVisible(abc.Handle()));
  EXPECT_FALSE(IsIconic(abc.Handle()));
  PumpMessages(100);

  // The boxes still work after the restore.
  SetWindowTextW(Box(1), L"中");
  EXPECT_EQ(abc.Text(Box::Text2), u"oi");
}

// ---- what the program file carries

std::vector<std::uint8_t> ResourceBytes(int id, LPCWSTR type) {
  HMODULE module = GetModuleHandleW(nullptr);
  HRSRC found = FindResourceW(module, MAKEINTRESOURCEW(id), type);
  if (found == nullptr) return {};
  const auto* bytes = static_cast<const std::uint8_t*>(LockResource(LoadResource(module, found)));
  return {bytes, bytes + SizeofResource(module, found)};
}

int Word(const std::vector<std::uint8_t>& b, std::size_t at) { return b[at] | b[at + 1] << 8; }

TEST(TavrelPictures, AreInTheirFormatsAndSizes) {
  const std::vector<std::uint8_t> background = ResourceBytes(TAVREL_BACKGROUND, MAKEINTRESOURCEW(10));
  ASSERT_GE(background.size(), 13u);
  EXPECT_EQ(std::string(background.begin(), background.begin() + 6), "GIF89a");
  EXPECT_EQ(Word(background, 6), 300);
  EXPECT_EQ(Word(background, 8), 223);
  EXPECT_TRUE(background[10] & 0x80) << "a global palette";
  EXPECT_EQ(2 << (background[10] & 7), 256) << "of 256 colours";

  struct PictureCase {
    int resource;
    bool gif;
    int width, height;
  };
  for (const PictureCase& c :
       {PictureCase{TAVREL_BACKGROUND, true, 300, 223}, PictureCase{TAVREL_IMAGE1, true, 20, 20},
        PictureCase{TAVREL_IMAGE2, true, 20, 19}, PictureCase{TAVREL_IMAGE3, true, 20, 20},
        PictureCase{TAVREL_IMAGE4, false, 20, 20}, PictureCase{TAVREL_IMAGE5, false, 20, 20},
        PictureCase{TAVREL_IMAGE6, false, 20, 20}}) {
    const std::vector<std::uint8_t> bytes = ResourceBytes(c.resource, MAKEINTRESOURCEW(10));
    ASSERT_GE(bytes.size(), 6u) << c.resource;
    if (c.gif) {
      EXPECT_EQ(std::string(bytes.begin(), bytes.begin() + 6), "GIF89a") << c.resource;
    } else {
      EXPECT_EQ(bytes[0], 0xFF) << c.resource << ": JPEG";
      EXPECT_EQ(bytes[1], 0xD8) << c.resource << ": JPEG";
    }
    Picture picture;
    picture.Load(GetModuleHandleW(nullptr), c.resource);
    EXPECT_EQ(picture.Width(), c.width) << c.resource;
    EXPECT_EQ(picture.Height(), c.height) << c.resource;
  }
}

// The entries of an icon or cursor group: width, height, bit count.
struct GroupEntry {
  int width, height, bits;
};

std::vector<GroupEntry> GroupEntries(int id, LPCWSTR type) {
  const std::vector<std::uint8_t> group = ResourceBytes(id, type);
  std::vector<GroupEntry> entries;
  if (group.size() < 6) return entries;
  for (int i = 0; i < Word(group, 4); ++i) {
    const std::size_t at = 6 + 14 * static_cast<std::size_t>(i);
    if (type == MAKEINTRESOURCEW(14))  // RT_GROUP_ICON: width, height bytes
      entries.push_back({group[at], group[at + 1], Word(group, at + 6)});
    else  // RT_GROUP_CURSOR: width and twice the height as words
      entries.push_back({Word(group, at), Word(group, at + 2) / 2, Word(group, at + 6)});
  }
  return entries;
}

TEST(TavrelPictures, IconsAndPointersHaveTheirSizesDepthsAndHotSpot) {
  const std::vector<GroupEntry> window_icon = GroupEntries(TAVREL_ICON, MAKEINTRESOURCEW(14));
  ASSERT_EQ(window_icon.size(), 1u);
  EXPECT_EQ(window_icon[0].width, 32);
  EXPECT_EQ(window_icon[0].height, 32);
  EXPECT_EQ(window_icon[0].bits, 4) << "16 colours";

  const std::vector<GroupEntry> link_hand = GroupEntries(TAVREL_LINK_HAND, MAKEINTRESOURCEW(14));
  ASSERT_EQ(link_hand.size(), 2u);
  EXPECT_EQ(link_hand[0].bits, 8);
  EXPECT_EQ(link_hand[1].bits, 32);
  for (const GroupEntry& entry : link_hand) EXPECT_EQ(entry.width, 32);

  const std::vector<GroupEntry> hand = GroupEntries(TAVREL_HAND_CURSOR, MAKEINTRESOURCEW(12));
  ASSERT_EQ(hand.size(), 1u);
  EXPECT_EQ(hand[0].width, 32);
  EXPECT_EQ(hand[0].height, 32);
  EXPECT_EQ(hand[0].bits, 1) << "two colours";
  HCURSOR cursor = LoadCursorW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(TAVREL_HAND_CURSOR));
  ICONINFO info{};
  ASSERT_TRUE(GetIconInfo(cursor, &info));
  EXPECT_EQ(info.xHotspot, 5u);
  EXPECT_EQ(info.yHotspot, 0u);
  if (info.hbmMask != nullptr) DeleteObject(info.hbmMask);
  if (info.hbmColor != nullptr) DeleteObject(info.hbmColor);
}

}  // namespace
}  // namespace tavrel::win32
