// Tavrel.exe minimized to the notification area and brought back from it,
// driven from outside under Wine.
#include <gtest/gtest.h>

#include <windows.h>

#include <shellapi.h>

#include <string>
#include <vector>

#include "tests/tavrel/tavrel_process.h"
#include "tests/tavrel/window_places.h"

namespace tavrel::form::testing {
namespace {

constexpr UINT kTrayCallback = 0x7E9;

// Under Wine without a window manager, hiding or showing a minimized window
// waits seconds for a manager's answer that never comes.
constexpr DWORD kStateChange = 15000;

// Whether the window has its icon: a modify of the window's icon 0 succeeds
// only while the icon exists.
bool HasTrayIcon(HWND window) {
  NOTIFYICONDATAW data{};
  data.cbSize = NOTIFYICONDATAW_V1_SIZE;
  data.hWnd = window;
  data.uID = 0;
  data.uFlags = 0;
  return Shell_NotifyIconW(NIM_MODIFY, &data) != FALSE;
}

bool InTray(const TavrelProcess& tavrel) {
  return !IsWindowVisible(tavrel.Window()) && HasTrayIcon(tavrel.Window());
}

bool Shown(const TavrelProcess& tavrel) {
  return IsWindowVisible(tavrel.Window()) && !IsIconic(tavrel.Window()) && !HasTrayIcon(tavrel.Window());
}

void MinimizeBySystem(const TavrelProcess& tavrel) {
  PostMessageW(tavrel.Window(), WM_SYSCOMMAND, SC_MINIMIZE, 0);
}

void IconMessage(const TavrelProcess& tavrel, UINT mouse_message) {
  PostMessageW(tavrel.Window(), kTrayCallback, 0, mouse_message);
}

// A left click on the window's icon with the real mouse. With no tray of the
// desktop's own, Wine shows the icons in a window of its own, from its left
// end; the window's is the only one there. That window comes onto the screen
// a moment after it is shown: the click waits for it there.
void ClickTrayIcon() {
  const HWND tray = FindWindowW(nullptr, L"Wine System Tray");
  ASSERT_NE(tray, nullptr) << "no tray window of Wine's";
  ASSERT_TRUE(WaitUntil([&] { return IsWindowVisible(tray) != FALSE; })) << "Wine's tray window is hidden";
  const std::string in_icon = std::to_string(GetSystemMetrics(SM_CXSMICON) / 2 + 2);
  RunUnix("timeout 10 xdotool search --sync --onlyvisible --name '^Wine System Tray$' mousemove --window %1 " +
          in_icon + " " + in_icon + " click 1");
}

// A second button pressed while the first still holds the minimize button
// down begins nothing of its own: the window stays hidden behind its icon
// once both are released away from it, one click on the icon brings it back
// for good, and it drags and takes the keyboard as before. One button alone
// is the case to compare with.
TEST(TavrelTray, ASecondButtonWhileTheMinimizeButtonIsHeldLeavesTheWindowInTheTray) {
  constexpr int kNone = 0, kLeft = 1, kMiddle = 2, kRight = 3;  // as xdotool numbers them
  struct Case {
    int first, second;
    bool second_released_first;
  };
  std::vector<Case> cases = {{kLeft, kNone, false}, {kMiddle, kNone, false}, {kRight, kNone, false}};
  for (const int first : {kLeft, kMiddle, kRight})
    for (const int second : {kLeft, kMiddle, kRight})
      if (second != first)
        for (const bool second_released_first : {false, true}) cases.push_back({first, second, second_released_first});
  for (const Case& c : cases) {
    std::string what = "button " + std::to_string(c.first) + " on the minimize button";
    if (c.second != kNone)
      what += ", then " + std::to_string(c.second) + (c.second_released_first ? ", released first" : ", released last");
    SCOPED_TRACE(what);
    TavrelProcess tavrel;  // one of its own, which a window left stuck leaves to no other case
    ASSERT_NE(tavrel.Window(), nullptr);
    const POINT origin = tavrel.Origin();

    tavrel.MoveMouseTo(kOnBackground.x, kOnBackground.y);
    tavrel.MoveMouseTo(kOnMinimize.x, kOnMinimize.y);  // the hover look, from which the button acts
    // The second press comes while the system is still hiding the window.
    tavrel.PressMouse(c.first);
    if (c.second != kNone) tavrel.PressMouse(c.second);
    ASSERT_TRUE(WaitUntil([&] { return InTray(tavrel); }, kStateChange));
    MoveMouseOnScreen(origin.x + 420, origin.y + 300);  // away from where the window was
    if (c.second != kNone && c.second_released_first) tavrel.ReleaseMouse(c.second);
    tavrel.ReleaseMouse(c.first);
    if (c.second != kNone && !c.second_released_first) tavrel.ReleaseMouse(c.second);
    EXPECT_FALSE(WaitUntil([&] { return !InTray(tavrel); }, 2000))
        << "shown: " << IsWindowVisible(tavrel.Window()) << ", icon: " << HasTrayIcon(tavrel.Window());
    EXPECT_TRUE(IsIconic(tavrel.Window()));

    ClickTrayIcon();
    ASSERT_TRUE(WaitUntil([&] { return Shown(tavrel); }, kStateChange)) << "one click on the icon";
    Sleep(1000);
    EXPECT_TRUE(Shown(tavrel)) << "a second after the click";

    const POINT before = tavrel.Origin();
    tavrel.MoveMouseTo(kOnBackground.x, kOnBackground.y);
    tavrel.PressMouse(kLeft);
    tavrel.MoveMouseBy(40, 25);
    tavrel.ReleaseMouse(kLeft);
    const POINT dragged_to{before.x + 40, before.y + 25};
    EXPECT_TRUE(tavrel.ReachesOrigin(dragged_to))
        << "dragged by the background: moved by " << tavrel.Origin().x - before.x << ", "
        << tavrel.Origin().y - before.y;
    ExpectTheWindowLetGo(tavrel, what, dragged_to);
  }
}

TEST(TavrelTray, ADoubleClickRestoresOnItsFirstRelease) {
  TavrelProcess tavrel;
  MinimizeBySystem(tavrel);
  ASSERT_TRUE(WaitUntil([&] { return InTray(tavrel); }, kStateChange));
  IconMessage(tavrel, WM_LBUTTONDOWN);
  IconMessage(tavrel, WM_LBUTTONUP);
  IconMessage(tavrel, WM_LBUTTONDBLCLK);
  IconMessage(tavrel, WM_LBUTTONUP);
  ASSERT_TRUE(WaitUntil([&] { return Shown(tavrel); }, kStateChange));
  Sleep(300);
  EXPECT_TRUE(Shown(tavrel));
}

TEST(TavrelTray, ARebuiltNotificationAreaGetsTheIconAgain) {
  TavrelProcess tavrel;
  MinimizeBySystem(tavrel);
  ASSERT_TRUE(WaitUntil([&] { return InTray(tavrel); }, kStateChange));

  // The notification area loses its icons and tells every window so.
  NOTIFYICONDATAW data{};
  data.cbSize = NOTIFYICONDATAW_V1_SIZE;
  data.hWnd = tavrel.Window();
  ASSERT_TRUE(Shell_NotifyIconW(NIM_DELETE, &data));
  ASSERT_FALSE(HasTrayIcon(tavrel.Window()));
  PostMessageW(tavrel.Window(), RegisterWindowMessageW(L"TaskbarCreated"), 0, 0);

  ASSERT_TRUE(WaitUntil([&] { return InTray(tavrel); }, kStateChange));
  IconMessage(tavrel, WM_LBUTTONUP);
  ASSERT_TRUE(WaitUntil([&] { return Shown(tavrel); }, kStateChange));
}

TEST(TavrelTray, AtTheEndOfTheSessionTheIconGoesFirst) {
  TavrelProcess tavrel;
  MinimizeBySystem(tavrel);
  ASSERT_TRUE(WaitUntil([&] { return InTray(tavrel); }, kStateChange));
  SendMessageW(tavrel.Window(), WM_ENDSESSION, TRUE, 0);
  EXPECT_FALSE(HasTrayIcon(tavrel.Window()));
}

TEST(TavrelTray, ClosedFromOutsideWhileHiddenItTakesItsIconAway) {
  TavrelProcess tavrel;
  const HWND window = tavrel.Window();
  MinimizeBySystem(tavrel);
  ASSERT_TRUE(WaitUntil([&] { return InTray(tavrel); }, kStateChange));

  PostMessageW(window, WM_CLOSE, 0, 0);
  ASSERT_TRUE(tavrel.HasEnded(10000));
  EXPECT_FALSE(HasTrayIcon(window));
}

}  // namespace
}  // namespace tavrel::form::testing
