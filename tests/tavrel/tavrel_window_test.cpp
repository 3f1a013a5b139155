// Tavrel.exe as a person sees it, under Wine with code page 936: its window,
// its boxes and lookups, Text1's limit, the no-code messages, the real mouse
// on the background and the buttons, copy on click and the link.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstdlib>
#include <string>
#include <thread>
#include <vector>

#include "tests/support/half_characters.h"
#include "tests/tavrel/caption_pixels.h"
#include "tests/tavrel/tavrel_process.h"
#include "tests/tavrel/window_places.h"

namespace tavrel::form::testing {
namespace {

using tavrel::testing::HoldsHalfCharacter;

TEST(TavrelWindow, IsTheBorderlessDesignedWindowAndLooksUpEveryChange) {
  TavrelProcess tavrel;
  ASSERT_NE(tavrel.Window(), nullptr);
  HWND window = tavrel.Window();

  EXPECT_EQ(WindowText(window), L"Tavrel");
  const LONG style = GetWindowLongW(window, GWL_STYLE);
  EXPECT_EQ(style & (WS_CAPTION | WS_THICKFRAME | WS_BORDER), 0) << std::hex << style;
  EXPECT_NE(GetWindowLongW(window, GWL_EXSTYLE) & WS_EX_APPWINDOW, 0) << "a taskbar button";
  RECT frame{}, client{};
  GetWindowRect(window, &frame);
  GetClientRect(window, &client);
  EXPECT_EQ(frame.right - frame.left, 300);
  EXPECT_EQ(frame.bottom - frame.top, 223);
  EXPECT_EQ(client.right, 300);
  EXPECT_EQ(client.bottom, 223);

  struct BoxCase {
    int number;
    RECT place;  // client pixels
    bool read_only;
  };
  for (const BoxCase& c : {BoxCase{1, {100, 63, 255, 83}, false}, BoxCase{2, {85, 104, 255, 124}, true},
                           BoxCase{3, {85, 140, 255, 160}, true}}) {
    HWND box = tavrel.Box(c.number);
    ASSERT_NE(box, nullptr) << "Text" << c.number;
    wchar_t class_name[16] = {};
    GetClassNameW(box, class_name, 16);
    EXPECT_STREQ(class_name, L"Edit") << "Text" << c.number;
    const RECT r = ClientRectOf(box, window);
    EXPECT_EQ(r.left, c.place.left) << "Text" << c.number;
    EXPECT_EQ(r.top, c.place.top) << "Text" << c.number;
    EXPECT_EQ(r.right, c.place.right) << "Text" << c.number;
    EXPECT_EQ(r.bottom, c.place.bottom) << "Text" << c.number;
    const LONG box_style = GetWindowLongW(box, GWL_STYLE);
    EXPECT_EQ((box_style & ES_READONLY) != 0, c.read_only) << "Text" << c.number;
    EXPECT_NE(box_style & ES_CENTER, 0) << "Text" << c.number;
    EXPECT_EQ(GetWindowLongW(box, GWL_EXSTYLE) & WS_EX_CLIENTEDGE, 0) << "Text" << c.number;
    EXPECT_EQ(tavrel.Text(c.number), L"") << "Text" << c.number;
  }
  EXPECT_EQ(SendMessageW(tavrel.Box(1), EM_GETLIMITTEXT, 0, 0), 18);

  struct LookupCase {
    std::wstring input, text2, text3;
  };
  for (const LookupCase& c :
       {LookupCase{L"ab c", L"ab c", L"ab c"}, LookupCase{L"  ab  c ", L"ab  c", L"ab  c"},
        LookupCase{L"\tx\t", L"\tx\t", L"\tx\t"}, LookupCase{L"   ", L"", L""}}) {
    tavrel.SetText1(c.input);
    EXPECT_EQ(tavrel.Text(2), c.text2) << "input '" << Ansi(c.input) << "'";
    EXPECT_EQ(tavrel.Text(3), c.text3) << "input '" << Ansi(c.input) << "'";
  }

  // Pasting replaces the selection; at most 18 characters go in.
  PutOnClipboard(L"p q");
  SendMessageW(tavrel.Box(1), EM_SETSEL, 0, -1);
  SendMessageW(tavrel.Box(1), WM_PASTE, 0, 0);
  EXPECT_EQ(tavrel.Text(1), L"p q");
  EXPECT_EQ(tavrel.Text(2), L"p q");
  PutOnClipboard(L"abcdefghijklmnopqrstuvwxyz");
  SendMessageW(tavrel.Box(1), EM_SETSEL, 0, -1);
  SendMessageW(tavrel.Box(1), WM_PASTE, 0, 0);
  EXPECT_EQ(tavrel.Text(1), L"abcdefghijklmnopqr");
  EXPECT_EQ(tavrel.Text(3), L"abcdefghijklmnopqr");

  // Typing and deleting with the real keyboard.
  tavrel.SetText1(L"");
  tavrel.ClickAt(180, 73);
  RunUnix("xdotool type --delay 60 'ab c'");
  EXPECT_TRUE(WaitUntil([&] { return tavrel.Text(2) == L"ab c"; })) << Ansi(tavrel.Text(2));
  RunUnix("xdotool key BackSpace BackSpace");
  EXPECT_TRUE(WaitUntil([&] { return tavrel.Text(3) == L"ab"; })) << Ansi(tavrel.Text(3));
}

TEST(TavrelWindow, Text1sLimitNeverCutsACharacterInHalf) {
  TavrelProcess tavrel;
  ASSERT_NE(tavrel.Window(), nullptr);
  HWND text1 = tavrel.Box(1);
  tavrel.ClickAt(180, 73);  // the keyboard's focus, for the keys below

  const std::wstring pair = L"\U00020000";  // one character of two units
  const std::wstring k16(16, L'中'), k17(17, L'中');
  enum class Way { Paste, ControlV, ShiftInsert, ReplaceSelection, Typed };
  struct Case {
    const char* name;
    Way way;
    std::wstring before;
    int start, end;  // the selection
    std::wstring inserted, after;
  };
  const Case cases[] = {
      {"pasted over everything", Way::Paste, L"ab", 0, -1, k17 + pair, k17},
      {"pasted, 18 units that fit", Way::Paste, L"ab", 0, -1, k16 + pair, k16 + pair},
      {"pasted with Ctrl+V", Way::ControlV, L"ab", 0, -1, k17 + pair, k17},
      {"pasted with Shift+Insert", Way::ShiftInsert, L"ab", 0, -1, k17 + pair, k17},
      {"replacing the selection", Way::ReplaceSelection, L"ab", 0, -1, k17 + pair, k17},
      {"replacing the selection, fitting", Way::ReplaceSelection, k16, 16, 16, pair, k16 + pair},
      {"typed into one unit of room", Way::Typed, k17, 17, 17, pair, k17},
      {"typed into two units of room", Way::Typed, k16, 16, 16, pair, k16 + pair},
  };
  for (const Case& c : cases) {
    // The lines the lookup gives for the text the box ends with.
    tavrel.SetText1(c.after);
    const std::wstring code_line = tavrel.Text(2), reading_line = tavrel.Text(3);

    tavrel.SetText1(c.before);
    SendMessageW(text1, EM_SETSEL, c.start, c.end);
    switch (c.way) {
      case Way::Paste:
        PutOnClipboard(c.inserted);
        SendMessageW(text1, WM_PASTE, 0, 0);
        break;
      case Way::ControlV:
        PutOnClipboard(c.inserted);
        RunUnix("xdotool key ctrl+v");
        break;
      case Way::ShiftInsert:
        PutOnClipboard(c.inserted);
        RunUnix("xdotool key shift+Insert");
        break;
      case Way::ReplaceSelection:
        SendMessageW(text1, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(c.inserted.c_str()));
        break;
      case Way::Typed:
        for (wchar_t unit : c.inserted) SendMessageW(text1, WM_CHAR, unit, 1);
        break;
    }
    if (c.way == Way::ControlV || c.way == Way::ShiftInsert) {  // the keys come in their own time
      EXPECT_TRUE(WaitUntil([&] { return tavrel.Text(1) != c.before; }, 3000)) << c.name;
    }
    EXPECT_EQ(tavrel.Text(1), c.after) << c.name;
    EXPECT_EQ(tavrel.Text(2), code_line) << c.name;
    EXPECT_EQ(tavrel.Text(3), reading_line) << c.name;
    for (int box = 1; box <= 3; ++box)
      EXPECT_FALSE(HoldsHalfCharacter(tavrel.Text(box))) << c.name << ": Text" << box;
  }

  // A click then copies whole characters only.
  PutOnClipboard(k17 + pair);
  SendMessageW(text1, EM_SETSEL, 0, -1);
  SendMessageW(text1, WM_PASTE, 0, 0);
  tavrel.ClickAt(180, 73);
  std::wstring copied;
  EXPECT_TRUE(WaitUntil([&] { return ReadUnicodeClipboard(copied) && copied == k17; }, 3000)) << Ansi(copied);
}

// Wine's box moves its caret and deletes by UTF-16 unit; Tavrel's keeps to
// whole characters, under keys pressed for real and the real mouse.
TEST(TavrelWindow, TheRealKeysAndMouseNeverSplitACharacterBeyondTheBmp) {
  TavrelProcess tavrel;
  ASSERT_NE(tavrel.Window(), nullptr);
  const std::wstring pair = L"\U00020000";  // one character of two units
  struct Case {
    std::wstring before;
    const char* keys;  // xdotool's names, pressed one after another
    std::wstring after;
  };
  const Case cases[] = {
      {L"中" + pair, "End BackSpace", L"中"},
      {L"中" + pair + L"a", "End Left BackSpace", L"中a"},
      {L"中" + pair + L"a", "Home Right Delete", L"中a"},
      {pair + L"中", "Home Delete", L"中"},
      {L"中" + pair, "End Left x", L"中x" + pair},
      {L"中" + pair, "End Left Left x", L"x中" + pair},
      {pair + L"中", "Home Right x", pair + L"x中"},
      {L"中" + pair, "End shift+Left x", L"中x"},
      {L"中" + pair, "Home Right shift+Right x", L"中x"},
      {L"中" + pair + L"a", "End shift+Left shift+Left shift+Right x", L"中" + pair + L"x"},
  };
  for (const Case& c : cases) {
    tavrel.SetText1(c.before);
    tavrel.ClickAt(180, 73);  // the keyboard's focus
    RunUnix(std::string("xdotool key --delay 60 ") + c.keys);
    EXPECT_TRUE(WaitUntil([&] { return tavrel.Text(1) == c.after; }, 3000))
        << c.keys << " in " << Ansi(c.before) << " gives " << Ansi(tavrel.Text(1));
    for (int box = 1; box <= 3; ++box)
      EXPECT_FALSE(HoldsHalfCharacter(tavrel.Text(box))) << c.keys << ": Text" << box;
  }

  // A click anywhere over the text puts the caret beside a whole character,
  // and a click on the pair puts it on the side of the pair it lands on: on
  // its left half before it (unit 1), on its right half after it (unit 3).
  // Clicks 3 pixels apart make no double click.
  tavrel.SetText1(L"中" + pair + L"a");
  const int pair_left = tavrel.LeftEdgeOfUnit(1, 1), pair_right = tavrel.LeftEdgeOfUnit(1, 3);
  ASSERT_GE(pair_right - pair_left, 8) << "the pair lies from x " << pair_left << " to " << pair_right;
  const int pair_middle = (pair_left + pair_right) / 2;
  for (int x = 150; x <= 210; x += 3) {
    const DWORD copies = GetClipboardSequenceNumber();
    const POINT origin = tavrel.Origin();
    // The click copies Text1's text once its release has been handled.
    RunUnix("xdotool mousemove " + std::to_string(origin.x + x) + " " + std::to_string(origin.y + 73) +
            " click 1");
    EXPECT_TRUE(WaitUntil([&] { return GetClipboardSequenceNumber() != copies; }, 3000))
        << "a click at x " << x << " copied nothing";
    const auto [start, end] = tavrel.Selection(1);
    EXPECT_NE(start, 2u) << "a click at x " << x;
    EXPECT_NE(end, 2u) << "a click at x " << x;
    // A pixel beside the middle may go either way.
    if (x > pair_left && x < pair_right && std::abs(x - pair_middle) > 1) {
      const DWORD side = x < pair_middle ? 1 : 3;
      EXPECT_TRUE(tavrel.Selection(1) == (BoxSelection{side, side}))
          << "the selection is " << tavrel.Selection(1).start << " to " << tavrel.Selection(1).end << ", not "
          << side << " to " << side << ": a click at x " << x << " on the "
          << (x < pair_middle ? "left" : "right") << " half of the pair, which lies from x " << pair_left
          << " to " << pair_right;
    }
  }
}

// A box that takes the focus draws itself anew, without a paint message: the
// end of "Ombrik码" that the window draws over Text2 must stay.
TEST(TavrelWindow, TheCaptionsBesideTheBoxesStayAsTheFocusMoves) {
  TavrelProcess tavrel;
  ASSERT_NE(tavrel.Window(), nullptr);
  ExpectCaptionsKeptWhileTheFocusMoves(tavrel);
}

// Text2's context menu holds one of the box's messages open while the box
// takes the focus and paints; a drag scrolls the box on a timer.
TEST(TavrelWindow, TheCaptionsBesideTheBoxesStayWhileABoxsMenuOrDragLasts) {
  TavrelProcess tavrel;
  ASSERT_NE(tavrel.Window(), nullptr);
  ExpectCaptionsKeptThroughAMenuAndADrag(tavrel);
}

TEST(TavrelWindow, ShowsTheNoCodeMessagesOneAfterAnotherWhileTheBoxesKeepTheirLines) {
  TavrelProcess tavrel;
  ASSERT_NE(tavrel.Window(), nullptr);
  tavrel.SetText1(L"ab c");

  std::thread setter([&] { tavrel.SetText1(L"，a，"); });
  for (int message = 1; message <= 2; ++message) {
    HWND box = nullptr;
    ASSERT_TRUE(WaitUntil([&] {
      const std::vector<HWND> boxes = tavrel.MessageBoxes();
      if (boxes.empty()) return false;
      box = boxes.front();
      return true;
    })) << "message "
        << message;
    Sleep(200);
    EXPECT_EQ(tavrel.MessageBoxes().size(), 1u) << "one box at a time";
    const SeenMessageBox seen = ReadMessageBox(box);
    EXPECT_EQ(seen.caption, L"Zelvaran");
    EXPECT_EQ(seen.text, L"无法给 ， 编码");
    EXPECT_EQ(seen.owner, tavrel.Window());
    EXPECT_EQ(seen.buttons, 1);
    EXPECT_TRUE(seen.has_ok);
    EXPECT_FALSE(seen.has_icon);
    EXPECT_EQ(tavrel.Text(2), L"ab c") << "message " << message;
    EXPECT_EQ(tavrel.Text(3), L"ab c") << "message " << message;
    PostMessageW(box, WM_COMMAND, IDOK, 0);
    ASSERT_TRUE(WaitUntil([&] { return !IsWindow(box); }));
  }
  setter.join();
  EXPECT_TRUE(tavrel.MessageBoxes().empty());
  EXPECT_EQ(tavrel.Text(2), L"a");
  EXPECT_EQ(tavrel.Text(3), L"， a ，");
}

// The right and the middle button drag the window by its background as the
// left one does, but only while held: once released, whether the pointer
// moved or not, the window stays where it is and the keyboard goes on.
TEST(TavrelWindow, TheRightAndMiddleButtonsLetGoOfTheWindowOnTheirRelease) {
  struct Case {
    const char* what;
    int button;  // as xdotool numbers them
    POINT drag;  // how far the pointer moves while the button is held
  };
  for (const Case& c : {Case{"a right click on the background", 3, {0, 0}},
                        Case{"a right-button drag by the background", 3, {40, 25}},
                        Case{"a middle click on the background", 2, {0, 0}},
                        Case{"a middle-button drag by the background", 2, {40, 25}}}) {
    TavrelProcess tavrel;  // one of its own, which a window stuck to the pointer leaves to no other case
    ASSERT_NE(tavrel.Window(), nullptr);
    const POINT before = tavrel.Origin();
    tavrel.MoveMouseTo(kOnBackground.x, kOnBackground.y);
    tavrel.PressMouse(c.button);
    if (c.drag.x != 0 || c.drag.y != 0) tavrel.MoveMouseBy(c.drag.x, c.drag.y);
    tavrel.ReleaseMouse(c.button);
    EXPECT_TRUE(tavrel.ReachesOrigin({before.x + c.drag.x, before.y + c.drag.y}))
        << c.what << ": moved by " << tavrel.Origin().x - before.x << ", " << tavrel.Origin().y - before.y
        << ", not " << c.drag.x << ", " << c.drag.y;
    ExpectTheWindowLetGo(tavrel, c.what, {before.x + c.drag.x, before.y + c.drag.y});
  }
}

// What a hand does with the mouse: presses or releases a button (numbered
// as xdotool numbers them), moves the pointer by so much a few pixels a
// step, or moves it there at once, as a quick hand does.
struct HandStep {
  enum class Kind { Press, Release, Move, Jump } kind;
  int button;
  POINT by;
};
constexpr HandStep Press(int button) { return {HandStep::Kind::Press, button, {}}; }
constexpr HandStep Release(int button) { return {HandStep::Kind::Release, button, {}}; }
constexpr HandStep Move(int dx, int dy) { return {HandStep::Kind::Move, 0, {dx, dy}}; }
constexpr HandStep Jump(int dx, int dy) { return {HandStep::Kind::Jump, 0, {dx, dy}}; }

// A drag belongs to the button that began it, the system's move of the left
// button as much as the window's own drag of the right and middle ones: a
// second button's press and release neither take it over nor end it, and
// once the first button is up the window has let go of the mouse. Each drag
// begins on the background. Before a left release the pointer jumps out of
// where the window would be had it stopped following too early, so that the
// release comes outside it, where only a window that holds the mouse sees
// it.
TEST(TavrelWindow, ADragBelongsToTheButtonThatBeganItWhateverOtherButtonsDo) {
  constexpr int kLeft = 1, kMiddle = 2, kRight = 3;
  struct Case {
    const char* what;
    std::vector<HandStep> steps;
    POINT followed;  // how far the window follows the pointer: up to the release of the drag's button
  };
  const Case cases[] = {
      {"a right click in a left drag",
       {Press(kLeft), Move(40, 25), Press(kRight), Release(kRight), Jump(200, 30), Release(kLeft)},
       {240, 55}},
      {"a middle click in a left drag",
       {Press(kLeft), Move(40, 25), Press(kMiddle), Release(kMiddle), Jump(200, 30), Release(kLeft)},
       {240, 55}},
      {"a left press in a right drag, released after it outside",
       {Press(kRight), Move(40, 25), Press(kLeft), Move(30, 20), Release(kRight), Jump(200, 30),
        Release(kLeft)},
       {70, 45}},
      {"a left press in a middle drag, released after it outside",
       {Press(kMiddle), Move(40, 25), Press(kLeft), Move(30, 20), Release(kMiddle), Jump(200, 30),
        Release(kLeft)},
       {70, 45}},
      {"a right click in a middle drag",
       {Press(kMiddle), Move(40, 25), Press(kRight), Release(kRight), Move(60, 40), Release(kMiddle),
        Move(50, 30)},
       {100, 65}},
      {"a middle click in a right drag",
       {Press(kRight), Move(40, 25), Press(kMiddle), Release(kMiddle), Move(60, 40), Release(kRight),
        Move(50, 30)},
       {100, 65}},
  };
  for (const Case& c : cases) {
    TavrelProcess tavrel;  // one of its own, which a window stuck to the pointer leaves to no other case
    ASSERT_NE(tavrel.Window(), nullptr);
    const POINT before = tavrel.Origin();
    tavrel.MoveMouseTo(kOnBackground.x, kOnBackground.y);
    for (const HandStep& step : c.steps) {
      switch (step.kind) {
        case HandStep::Kind::Press:
          tavrel.PressMouse(step.button);
          break;
        case HandStep::Kind::Release:
          tavrel.ReleaseMouse(step.button);
          break;
        case HandStep::Kind::Move:
          tavrel.MoveMouseBy(step.by.x, step.by.y);
          break;
        case HandStep::Kind::Jump: {
          POINT from{};
          GetCursorPos(&from);
          MoveMouseOnScreen(from.x + step.by.x, from.y + step.by.y);
          break;
        }
      }
    }
    const POINT left_at{before.x + c.followed.x, before.y + c.followed.y};
    EXPECT_TRUE(tavrel.ReachesOrigin(left_at))
        << c.what << ": moved by " << tavrel.Origin().x - before.x << ", " << tavrel.Origin().y - before.y
        << ", not " << c.followed.x << ", " << c.followed.y;
    ExpectTheWindowLetGo(tavrel, c.what, left_at);
  }
}

TEST(TavrelWindow, TheRealMouseDragsCopiesOpensTheLinkMinimizesAndCloses) {
  TavrelProcess tavrel;
  ASSERT_NE(tavrel.Window(), nullptr);
  HWND window = tavrel.Window();

  // Dragging: by the background and by a frame line, not by a label.
  struct DragCase {
    const char* where;
    POINT from;
    bool moves;
  };
  for (const DragCase& c : {DragCase{"background", kOnBackground, true},
                            DragCase{"frame line", kOnLine1, true}, DragCase{"label", kOnLabel1, false}}) {
    const POINT before = tavrel.Origin();
    tavrel.MoveMouseTo(c.from.x, c.from.y);
    tavrel.PressMouse(1);
    MoveMouseOnScreen(before.x + c.from.x + 20, before.y + c.from.y + 10);
    MoveMouseOnScreen(before.x + c.from.x + 40, before.y + c.from.y + 25);
    tavrel.ReleaseMouse(1);
    if (c.moves) {
      EXPECT_TRUE(tavrel.ReachesOrigin({before.x + 40, before.y + 25}))
          << c.where << ": moved by " << tavrel.Origin().x - before.x << ", " << tavrel.Origin().y - before.y;
    } else {
      Sleep(300);
      const POINT after = tavrel.Origin();
      EXPECT_EQ(after.x, before.x) << c.where;
      EXPECT_EQ(after.y, before.y) << c.where;
    }
  }

  // Pointers: one hand over all images, another over the link; tooltips only
  // on the title and the link.
  const auto pointer_at = [&](POINT p) {
    tavrel.MoveMouseTo(p.x, p.y);
    Sleep(100);
    CURSORINFO info{};
    info.cbSize = sizeof info;
    GetCursorInfo(&info);
    return info.hCursor;
  };
  const HCURSOR on_background = pointer_at(kOnBackground);
  const HCURSOR on_close = pointer_at(kOnClose);
  const HCURSOR on_minimize = pointer_at(kOnMinimize);
  const HCURSOR on_link = pointer_at(kOnLabel4);
  EXPECT_NE(on_close, on_background);
  EXPECT_EQ(on_minimize, on_close);
  EXPECT_NE(on_link, on_background);
  EXPECT_NE(on_link, on_close);
  EXPECT_EQ(pointer_at(kOnLabel1), on_background);

  struct TipCase {
    const char* where;
    POINT at;
    std::wstring tip;
  };
  for (const TipCase& c : {TipCase{"title", kOnLabel3, L"已收录汉字20938个"},
                           TipCase{"link", kOnLabel4, L"欢迎使用Ombrik输入法"}}) {
    tavrel.MoveMouseTo(kOnBackground.x, kOnBackground.y);
    tavrel.MoveMouseTo(c.at.x, c.at.y);
    tavrel.MoveMouseTo(c.at.x + 2, c.at.y);
    EXPECT_TRUE(WaitUntil([&] { return tavrel.ShownTooltip() == c.tip; }, 4000)) << c.where;
  }
  tavrel.MoveMouseTo(kOnBackground.x, kOnBackground.y);
  tavrel.MoveMouseTo(kOnLabel1.x, kOnLabel1.y);
  Sleep(1500);
  EXPECT_EQ(tavrel.ShownTooltip(), L"") << "no tooltip on Label1";

  // Copy on click: the whole text, as Unicode and as ANSI text, and nothing
  // of what the clipboard held before.
  EXPECT_EQ(SetText1ClosingMessages(tavrel, L" ab，"), std::vector<std::wstring>{L"无法给 ， 编码"});
  ASSERT_EQ(tavrel.Text(3), L"ab ，");
  const UINT stale_format = RegisterClipboardFormatW(L"Tavrel test: an earlier owner's format");
  struct ClickCase {
    int box;
    POINT at;
    std::wstring copied;
  };
  for (const ClickCase& c : {ClickCase{1, {120, 73}, L" ab，"}, ClickCase{2, {240, 114}, L"ab"},
                             ClickCase{3, {100, 150}, L"ab ，"}}) {
    PutOnClipboard(L"stale", stale_format);
    tavrel.ClickAt(c.at.x, c.at.y);
    std::wstring unicode;
    std::string ansi;
    EXPECT_TRUE(WaitUntil([&] { return ReadUnicodeClipboard(unicode) && unicode == c.copied; }, 3000))
        << "Text" << c.box << ": " << Ansi(unicode);
    EXPECT_TRUE(ReadAnsiClipboard(ansi)) << "Text" << c.box;
    EXPECT_EQ(ansi, Ansi(c.copied)) << "Text" << c.box;
    EXPECT_FALSE(ClipboardHasFormat(stale_format)) << "Text" << c.box;
  }
  // A click in an empty box leaves what another program put on the
  // clipboard as it was, all of its formats.
  tavrel.SetText1(L"");
  struct EmptyBoxCase {
    int box;
    POINT at;
  };
  for (const EmptyBoxCase& c : {EmptyBoxCase{1, {170, 73}}, EmptyBoxCase{2, {170, 114}},
                                EmptyBoxCase{3, {170, 150}}}) {
    const POINT at = c.at;
    PutOnClipboard(L"copied elsewhere 中", stale_format);
    const DWORD sequence = GetClipboardSequenceNumber();
    tavrel.ClickAt(at.x, at.y);
    // The click has come once the box has the focus and the mouse is free
    // again; Tavrel has done with it once it answers a message sent after.
    EXPECT_TRUE(WaitUntil(
        [&] {
          const GUITHREADINFO input = tavrel.InputState();
          return input.hwndFocus == tavrel.Box(c.box) && input.hwndCapture == nullptr;
        },
        3000))
        << "Text" << c.box << " clicked at " << at.x << ", " << at.y;
    EXPECT_TRUE(tavrel.Responds()) << "Text" << c.box;
    EXPECT_EQ(GetClipboardSequenceNumber(), sequence) << "Text" << c.box << ": the clipboard was written";
    std::wstring unicode;
    EXPECT_TRUE(ReadUnicodeClipboard(unicode)) << "at " << at.x << ", " << at.y;
    EXPECT_EQ(unicode, L"copied elsewhere 中") << "at " << at.x << ", " << at.y;
    EXPECT_TRUE(ClipboardHasFormat(stale_format)) << "at " << at.x << ", " << at.y;
  }

  // While another program holds the clipboard open, the click gives up after
  // a moment; the window goes on.
  tavrel.SetText1(L"held");
  PutOnClipboard(L"kept");
  ASSERT_TRUE(OpenClipboard(nullptr));
  tavrel.ClickAt(170, 73);
  Sleep(500);
  CloseClipboard();
  EXPECT_TRUE(tavrel.Responds());
  std::wstring kept;
  EXPECT_TRUE(ReadUnicodeClipboard(kept));
  EXPECT_EQ(kept, L"kept");

  // The link opens the web page through the shell; the window goes on unchanged.
  {
    const POINT before = tavrel.Origin();
    tavrel.ClickAt(kOnLabel4.x, kOnLabel4.y);
    Sleep(1000);
    EXPECT_FALSE(tavrel.HasEnded());
    EXPECT_TRUE(tavrel.Responds());
    EXPECT_TRUE(IsWindowVisible(window));
    EXPECT_FALSE(IsIconic(window));
    EXPECT_EQ(tavrel.Origin().x, before.x);
    EXPECT_EQ(tavrel.Origin().y, before.y);
    EXPECT_EQ(tavrel.Text(1), L"held");
  }

  // A picture for people to look at, with some Chinese in it.
  SetText1ClosingMessages(tavrel, L"你好，中文");
  tavrel.MoveMouseTo(-20, -20);
  {
    const POINT origin = tavrel.Origin();
    RunUnix("import -window root -crop 300x223+" + std::to_string(origin.x) + "+" + std::to_string(origin.y) +
            " +repage " + TAVREL_SCREENSHOT);
  }

  // The minimize button acts on the press, from its hover look.
  tavrel.MoveMouseTo(kOnBackground.x, kOnBackground.y);
  tavrel.MoveMouseTo(kOnMinimize.x, kOnMinimize.y);
  tavrel.PressMouse(1);
  EXPECT_TRUE(WaitUntil([&] { return IsIconic(window) != FALSE; }, 3000)) << "minimized on the press";
  tavrel.ReleaseMouse(1);
  // Back from the notification area, as a release over its icon brings it.
  // Under Wine without a window manager, hiding and showing a minimized
  // window waits seconds for a manager's answer.
  PostMessageW(window, 0x7E9, 0, WM_LBUTTONUP);
  ASSERT_TRUE(WaitUntil([&] { return !IsIconic(window) && IsWindowVisible(window); }, 15000));

  // The close button: hover, press with the right button, release outside.
  tavrel.MoveMouseTo(kOnBackground.x, kOnBackground.y);
  tavrel.MoveMouseTo(kOnClose.x, kOnClose.y);
  EXPECT_FALSE(tavrel.HasEnded());
  tavrel.PressMouse(3);
  tavrel.MoveMouseTo(kOnClose.x + 60, kOnClose.y - 40);
  EXPECT_FALSE(tavrel.HasEnded()) << "the press alone does not close";
  tavrel.ReleaseMouse(3);
  EXPECT_TRUE(tavrel.HasEnded(5000)) << "the release ends the program";
}

}  // namespace
}  // namespace tavrel::form::testing
