// The Win32 window abc in this process, under Wine: what Form_Load leaves
// behind, the change handler on the real EDIT control, Text1's limit with
// characters of two units, and the pictures, icons and pointers the program
// carries.
#include <gtest/gtest.h>

#include <windows.h>

#include <imm.h>

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
#include "tests/support/half_characters.h"
#include "tests/support/lookup_fakes.h"
#include "tests/tavrel/window_places.h"

namespace tavrel::win32 {
namespace {

using tavrel::testing::HoldsHalfCharacter;
using form::Box;
using form::testing::kOnBackground;
using form::testing::kOnMinimize;

LOGFONTW FontOf(HWND box) {
  LOGFONTW font{};
  GetObjectW(reinterpret_cast<HFONT>(SendMessageW(box, WM_GETFONT, 0, 0)), sizeof font, &font);
  return font;
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

class AbcWindowTest : public ::testing::Test {
 protected:
  AbcWindowTest()
      : services{code_page, tavrel::testing::kSmallReadingChain, tavrel::testing::kSmallCodeChain, no_code},
        form_r(tray_shell, tray_text, reinterpret_cast<tray::Handle>(&TrayWindowProc)),
        abc(GetModuleHandleW(nullptr), services, form_r) {
    abc.Create();
  }

  HWND Box(int number) const { return GetDlgItem(abc.Handle(), 100 + number); }

  // Posts a mouse message as the system posts it, with the pointer where the
  // message says (client pixels), and lets the window handle it.
  void PostAt(UINT message, WPARAM buttons, POINT p) {
    RECT frame{};
    GetWindowRect(abc.Handle(), &frame);
    POINT cursor{};
    GetCursorPos(&cursor);
    if (cursor.x != frame.left + p.x || cursor.y != frame.top + p.y) {
      SetCursorPos(frame.left + p.x, frame.top + p.y);
      PumpMessages(200);  // the system's own move to the new place comes first
    }
    PostMessageW(abc.Handle(), message, buttons, MAKELPARAM(p.x, p.y));
    PumpMessages(50);
  }

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

// Minimized, the window lies hidden behind its icon: minimizing it once more
// changes nothing, where it would show the window, minimized, beside its
// icon.
TEST_F(AbcWindowTest, MinimizingItAgainLeavesItHiddenBehindItsIcon) {
  abc.Load();
  abc.ShowFirstTime(SW_SHOWNORMAL);
  abc.Minimize();
  ASSERT_FALSE(IsWindowVisible(abc.Handle()));
  abc.Minimize();
  PumpMessages(200);
  EXPECT_FALSE(IsWindowVisible(abc.Handle()));
  EXPECT_TRUE(IsIconic(abc.Handle()));
  SendMessageW(abc.Handle(), 0x7E9, 0, WM_LBUTTONUP);
  EXPECT_TRUE(IsWindowVisible(abc.Handle()));
  EXPECT_FALSE(IsIconic(abc.Handle()));
}

// The press on the minimize button hides the window while the button is
// held: the hidden window lets go of the mouse it took, so the release and
// any other button's press and release go wherever the pointer is, and none
// of them brings the window back.
TEST_F(AbcWindowTest, APressThatHidesTheWindowLetsGoOfTheMouse) {
  abc.Load();
  abc.ShowFirstTime(SW_SHOWNORMAL);
  struct Case {
    const char* button;
    UINT press, release;
    WPARAM held;
  };
  for (const Case& c : {Case{"left", WM_LBUTTONDOWN, WM_LBUTTONUP, MK_LBUTTON},
                        Case{"middle", WM_MBUTTONDOWN, WM_MBUTTONUP, MK_MBUTTON},
                        Case{"right", WM_RBUTTONDOWN, WM_RBUTTONUP, MK_RBUTTON}}) {
    PostAt(WM_MOUSEMOVE, 0, kOnBackground);
    PostAt(WM_MOUSEMOVE, 0, kOnMinimize);  // the hover look, from which the button acts
    PostAt(c.press, c.held, kOnMinimize);
    ASSERT_FALSE(IsWindowVisible(abc.Handle())) << c.button << ": hidden on the press";
    EXPECT_EQ(GetCapture(), nullptr) << c.button << ": the hidden window holds the mouse";
    // What would still reach a window that held the mouse.
    PostMessageW(abc.Handle(), WM_RBUTTONDOWN, c.held | MK_RBUTTON, MAKELPARAM(kOnMinimize.x, kOnMinimize.y));
    PostMessageW(abc.Handle(), c.release, MK_RBUTTON, MAKELPARAM(kOnMinimize.x, kOnMinimize.y));
    PostMessageW(abc.Handle(), WM_RBUTTONUP, 0, MAKELPARAM(kOnMinimize.x, kOnMinimize.y));
    PumpMessages(200);
    EXPECT_FALSE(IsWindowVisible(abc.Handle())) << c.button;
    EXPECT_TRUE(IsIconic(abc.Handle())) << c.button;
    SendMessageW(abc.Handle(), 0x7E9, 0, WM_LBUTTONUP);
    ASSERT_TRUE(IsWindowVisible(abc.Handle())) << c.button;
  }
}

// ---- the window's own drag

// A drag of the right or middle button ends when a move says that button is
// no longer held, as its release would end it: a release that went elsewhere
// leaves the window following no pointer. The press and the moves are posted
// as the system posts them, with the pointer where they say.
TEST_F(AbcWindowTest, AMoveWithoutTheDragsButtonEndsTheDragAndLetsGoOfTheMouse) {
  abc.Load();
  abc.ShowFirstTime(SW_SHOWNORMAL);
  HWND window = abc.Handle();
  struct Case {
    const char* button;
    UINT press;
    WPARAM held;  // the button's bit in a mouse message
  };
  for (const Case& c :
       {Case{"middle", WM_MBUTTONDOWN, MK_MBUTTON}, Case{"right", WM_RBUTTONDOWN, MK_RBUTTON}}) {
    RECT frame{};
    GetWindowRect(window, &frame);
    PostAt(c.press, c.held, kOnBackground);
    ASSERT_EQ(GetCapture(), window) << c.button << ": the press takes the mouse";
    PostAt(WM_MOUSEMOVE, c.held, kOnBackground);
    EXPECT_EQ(GetCapture(), window) << c.button << ": a move with the button held keeps the drag";

    PostAt(WM_MOUSEMOVE, 0, kOnBackground);
    EXPECT_EQ(GetCapture(), nullptr) << c.button << ": a move without the button lets go of the mouse";
    PostAt(WM_MOUSEMOVE, c.held, {kOnBackground.x + 40, kOnBackground.y + 25});
    RECT after{};
    GetWindowRect(window, &after);
    EXPECT_EQ(after.left, frame.left) << c.button << ": the window followed the pointer after the drag ended";
    EXPECT_EQ(after.top, frame.top) << c.button << ": the window followed the pointer after the drag ended";
  }
}

// The mouse may be held for the window by another, as the system's move
// loop holds it while it moves the window: a release that reaches the
// window without a press of its own leaves that capture as it is.
TEST_F(AbcWindowTest, AReleaseLetsGoOnlyOfTheMouseTheWindowTookItself) {
  abc.Load();
  abc.ShowFirstTime(SW_SHOWNORMAL);
  HWND window = abc.Handle();
  struct Case {
    const char* button;
    UINT release;
  };
  for (const Case& c :
       {Case{"left", WM_LBUTTONUP}, Case{"right", WM_RBUTTONUP}, Case{"middle", WM_MBUTTONUP}}) {
    SetCapture(window);
    PostMessageW(window, c.release, 0, MAKELPARAM(150, 36));
    PumpMessages(50);
    EXPECT_EQ(GetCapture(), window) << c.button << " release on the background";
    ReleaseCapture();
  }
}

// ---- Text1's limit never cuts a character in half

// Counts the changes of Text1 that reach the window, each one run of the lookup.
WNDPROC unhooked_procedure = nullptr;
int text1_changes = 0;

LRESULT CALLBACK ChangeCountingHook(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == WM_COMMAND && HIWORD(wparam) == EN_CHANGE && LOWORD(wparam) == 101) ++text1_changes;
  return CallWindowProcA(unhooked_procedure, window, message, wparam, lparam);
}

void PutOnClipboard(const std::u16string& text) {
  ASSERT_TRUE(OpenClipboard(nullptr));
  EmptyClipboard();
  HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, (text.size() + 1) * sizeof(char16_t));
  std::memcpy(GlobalLock(block), text.c_str(), (text.size() + 1) * sizeof(char16_t));
  GlobalUnlock(block);
  SetClipboardData(CF_UNICODETEXT, block);
  CloseClipboard();
}

// Shift+Insert, as the keyboard gives it to the box.
void PressShiftInsert(HWND box) {
  BYTE keys[256] = {};
  GetKeyboardState(keys);
  keys[VK_SHIFT] = keys[VK_LSHIFT] = 0x80;
  SetKeyboardState(keys);
  SendMessageW(box, WM_KEYDOWN, VK_INSERT, 1);
  keys[VK_SHIFT] = keys[VK_LSHIFT] = 0;
  SetKeyboardState(keys);
}

class Text1LimitTest : public AbcWindowTest {
 protected:
  void SetUp() override {
    abc.Load();
    abc.ShowFirstTime(SW_SHOWNORMAL);
    unhooked_procedure = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(abc.Handle(), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(ChangeCountingHook)));
  }
  void TearDown() override {
    SetWindowLongPtrA(abc.Handle(), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(unhooked_procedure));
  }

  // Text1 holds the text with the units from start to end selected; no change counted yet.
  void Start(const std::u16string& text, int start, int end) {
    SetWindowTextW(Box(1), reinterpret_cast<const wchar_t*>(text.c_str()));
    SendMessageW(Box(1), EM_SETSEL, start, end);
    text1_changes = 0;
  }

  // The ways a text goes into Text1 in place of its selection: the
  // clipboard's by a paste, Shift+Insert or a middle click, or the text of
  // EM_REPLACESEL.
  enum class Way { Paste, ShiftInsert, ReplaceSelection, MiddleClick };
  void Insert(Way way, const std::u16string& text) {
    if (way != Way::ReplaceSelection) PutOnClipboard(text);
    switch (way) {
      case Way::Paste:
        SendMessageW(Box(1), WM_PASTE, 0, 0);
        break;
      case Way::ShiftInsert:
        PressShiftInsert(Box(1));
        break;
      case Way::ReplaceSelection:
        SendMessageW(Box(1), EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(text.c_str()));
        break;
      case Way::MiddleClick:
        SendMessageW(Box(1), WM_MBUTTONDOWN, MK_MBUTTON, MAKELPARAM(200, 10));
        SendMessageW(Box(1), WM_MBUTTONUP, 0, MAKELPARAM(200, 10));
        break;
    }
  }

  void ExpectWholeCharactersEverywhere(const std::string& name) {
    for (const form::Box box : {Box::Text1, Box::Text2, Box::Text3})
      EXPECT_FALSE(HoldsHalfCharacter(abc.Text(box))) << name << ": Text" << static_cast<int>(box) + 1;
    EXPECT_EQ(SendMessageW(Box(1), EM_GETLIMITTEXT, 0, 0), form::kText1MaxLength) << name;
  }
};

const std::u16string kPair = u"\U00020000";
const std::u16string k16(16, u'中');
const std::u16string k17(17, u'中');

TEST_F(Text1LimitTest, AnInsertionIsCutBeforeAPairItsLimitWouldSplitInOneChange) {
  struct Case {
    const char* name;
    Way way;
    std::u16string before;
    int start, end;  // the selection
    std::u16string inserted, after;
  };
  const Case cases[] = {
      {"pasted over everything", Way::Paste, u"abc", 0, -1, k17 + kPair, k17},
      {"pasted, 18 units that fit", Way::Paste, u"abc", 0, -1, k16 + kPair, k16 + kPair},
      {"pasted into the last two units", Way::Paste, k16, 16, 16, u"a" + kPair, k16 + u"a"},
      {"pasted into the last unit", Way::Paste, k17, 17, 17, kPair + u"a", k17},
      {"pasted in the middle", Way::Paste, k16, 8, 8, u"a" + kPair, k16.substr(0, 8) + u"a" + k16.substr(8)},
      {"pasted over a selection", Way::Paste, k17 + u"a", 10, 12, u"b" + kPair + u"c",
       k17.substr(0, 10) + u"b" + k17.substr(12) + u"a"},
      {"pasted, cut at the limit in plain text", Way::Paste, k16, 16, 16, u"abc", k16 + u"ab"},
      {"pasted, ending at a line break", Way::Paste, k16, 16, 16, u"a\r\n" + kPair, k16 + u"a"},
      {"pasted with Shift+Insert", Way::ShiftInsert, u"", 0, 0, k17 + kPair, k17},
      {"pasted with Shift+Insert, fitting", Way::ShiftInsert, u"", 0, 0, k16 + kPair, k16 + kPair},
      {"replacing the selection", Way::ReplaceSelection, u"abc", 0, -1, k17 + kPair, k17},
      {"replacing the selection, fitting", Way::ReplaceSelection, k16, 16, 16, kPair, k16 + kPair},
      // Not one whole character fits: the selection stays, and so does the text.
      {"pasted over the last unit, nothing fits", Way::Paste, k17 + u"a", 17, 18, kPair, k17 + u"a"},
      {"pasted with Shift+Insert, nothing fits", Way::ShiftInsert, k17 + u"a", 17, 18, kPair + u"a",
       k17 + u"a"},
      {"replacing the selection, nothing fits", Way::ReplaceSelection, k17 + u"a", 17, 18, kPair, k17 + u"a"},
  };
  for (const Case& c : cases) {
    Start(c.before, c.start, c.end);
    Insert(c.way, c.inserted);
    EXPECT_EQ(abc.Text(Box::Text1), c.after) << c.name;
    if (c.after == c.before) {
      EXPECT_EQ(text1_changes, 0) << c.name;
      DWORD start = 0, end = 0;
      SendMessageW(Box(1), EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
      EXPECT_EQ(static_cast<int>(start), c.start) << c.name << ": the selection stays";
      EXPECT_EQ(static_cast<int>(end), c.end) << c.name << ": the selection stays";
    } else {
      EXPECT_EQ(text1_changes, 1) << c.name;
    }
    ExpectWholeCharactersEverywhere(c.name);
  }
}

// A lone half is no character: what a message inserts goes in without it,
// the rest in one change, and where nothing is left the text and the
// selection stay.
TEST_F(Text1LimitTest, ALoneHalfIsLeftOutOfWhatGoesIn) {
  struct Case {
    const char* name;
    std::u16string before;
    int start, end;
    std::u16string inserted, after;
  };
  const std::u16string high = u"\xD840", low = u"\xDC00";
  const Case cases[] = {
      {"a lone high half", u"ab", 1, 1, high, u"ab"},
      {"a lone low half", u"ab", 1, 1, low, u"ab"},
      {"a lone low half straight after a pair", kPair, 2, 2, low, kPair},
      {"a lone half between letters", u"ab", 1, 1, u"x" + high + u"y", u"axyb"},
      {"a lone half over a selection", u"abc", 1, 2, u"x" + low, u"axc"},
      {"at the limit, a high half before a pair", std::u16string(16, u'a'), 16, 16, high + kPair,
       std::u16string(16, u'a') + kPair},
      {"at the limit, more than fits", k16, 16, 16, u"x" + high + kPair, k16 + u"x"},
  };
  for (const Way way : {Way::Paste, Way::ShiftInsert, Way::ReplaceSelection, Way::MiddleClick}) {
    for (const Case& c : cases) {
      const std::string name = std::string(c.name) + (way == Way::Paste               ? ", WM_PASTE"
                                                      : way == Way::ShiftInsert       ? ", Shift+Insert"
                                                      : way == Way::ReplaceSelection  ? ", EM_REPLACESEL"
                                                                                      : ", a middle click");
      Start(c.before, c.start, c.end);
      Insert(way, c.inserted);
      PumpMessages(20);
      EXPECT_EQ(tavrel::testing::DescribedUnits(abc.Text(Box::Text1)), tavrel::testing::DescribedUnits(c.after))
          << name;
      EXPECT_EQ(text1_changes, c.after == c.before ? 0 : 1) << name;
      ExpectWholeCharactersEverywhere(name);
    }
  }
}

TEST_F(Text1LimitTest, ATypedCharacterBeyondTheBasicPlaneGoesInWholeOrNotAtAll) {
  struct Case {
    const char* name;
    UINT message;
    std::u16string before;
    int start, end;
    std::u16string typed, after;
    int changes;
  };
  const std::u16string lone_low = u"\xDC00";
  const Case cases[] = {
      {"one unit of room", WM_CHAR, k17, 17, 17, kPair, k17, 0},
      {"two units of room", WM_CHAR, k16, 16, 16, kPair, k16 + kPair, 2},
      {"one unit of room and one selected", WM_CHAR, k17, 16, 17, kPair, k16 + kPair, 2},
      {"a plain character in the last unit", WM_CHAR, k17, 17, 17, u"a", k17 + u"a", 1},
      {"a low half alone", WM_CHAR, u"ab", 1, 1, lone_low, u"ab", 0},
      {"a low half after a whole pair", WM_CHAR, kPair, 2, 2, lone_low, kPair, 0},
      {"from an input method, one unit of room", WM_IME_CHAR, k17, 17, 17, kPair, k17, 0},
      {"from an input method, two units of room", WM_IME_CHAR, k16, 16, 16, kPair, k16 + kPair, 2},
  };
  for (const Case& c : cases) {
    Start(c.before, c.start, c.end);
    for (char16_t unit : c.typed) SendMessageW(Box(1), c.message, unit, 1);
    PumpMessages(50);
    EXPECT_EQ(abc.Text(Box::Text1), c.after) << c.name;
    EXPECT_EQ(text1_changes, c.changes) << c.name;
    ExpectWholeCharactersEverywhere(c.name);
  }
}

TEST_F(Text1LimitTest, AnInputMethodsCompositionAndResultAreCutBeforeAPair) {
  HIMC context = ImmGetContext(Box(1));
  ASSERT_NE(context, nullptr);
  ImmSetOpenStatus(context, TRUE);
  struct Case {
    const char* name;
    std::u16string before, composed, while_composing, after;
  };
  const Case cases[] = {
      {"one unit of room", k17, kPair, k17, k17},
      {"two units of room, a letter and a pair", k16, u"a" + kPair, k16 + u"a", k16 + u"a"},
      {"room for all", u"", u"中" + kPair + u"好", u"中" + kPair + u"好", u"中" + kPair + u"好"},
  };
  for (const Case& c : cases) {
    Start(c.before, static_cast<int>(c.before.size()), static_cast<int>(c.before.size()));
    std::u16string composed = c.composed;
    const auto bytes = static_cast<DWORD>(composed.size() * sizeof(char16_t));
    ASSERT_TRUE(ImmSetCompositionStringW(context, SCS_SETSTR, composed.data(), bytes, nullptr, 0)) << c.name;
    PumpMessages(50);
    EXPECT_EQ(abc.Text(Box::Text1), c.while_composing) << c.name;
    ExpectWholeCharactersEverywhere(c.name);
    ImmNotifyIME(context, NI_COMPOSITIONSTR, CPS_COMPLETE, 0);
    PumpMessages(50);
    EXPECT_EQ(abc.Text(Box::Text1), c.after) << c.name;
    ExpectWholeCharactersEverywhere(c.name);
  }
  ImmReleaseContext(Box(1), context);
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
