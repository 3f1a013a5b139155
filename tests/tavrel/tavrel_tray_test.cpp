// Tavrel.exe minimized to the notification area and brought back from it,
// driven from outside under Wine.
#include <gtest/gtest.h>

#include <windows.h>

#include <shellapi.h>

#include "tests/tavrel/tavrel_process.h"

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

TEST(TavrelTray, MinimizingHidesTheWindowBehindItsIconAndAReleaseBringsItBack) {
  TavrelProcess tavrel;
  ASSERT_TRUE(Shown(tavrel));

  MinimizeBySystem(tavrel);
  ASSERT_TRUE(WaitUntil([&] { return InTray(tavrel); }, kStateChange));

  // Only the release of the left or the right button restores.
  for (const UINT nothing : {WM_MBUTTONUP, WM_LBUTTONDOWN, WM_RBUTTONDOWN, WM_MOUSEMOVE}) {
    IconMessage(tavrel, nothing);
    Sleep(300);
    EXPECT_TRUE(InTray(tavrel)) << std::hex << nothing;
  }

  IconMessage(tavrel, WM_LBUTTONUP);
  ASSERT_TRUE(WaitUntil([&] { return Shown(tavrel); }, kStateChange));

  // The boxes still work.
  tavrel.SetText1(L"ab c");
  EXPECT_EQ(tavrel.Text(2), L"ab c");
  EXPECT_EQ(tavrel.Text(3), L"ab c");
}

TEST(TavrelTray, TheCycleRepeatsByButtonAndBySystemWithEitherMouseButton) {
  TavrelProcess tavrel;
  const UINT releases[] = {WM_RBUTTONUP, WM_LBUTTONUP, WM_RBUTTONUP};
  for (int cycle = 0; cycle < 3; ++cycle) {
    SCOPED_TRACE(cycle);
    if (cycle == 1) {
      // The minimize button: hover, then press.
      tavrel.MoveMouseTo(260, 150);
      tavrel.MoveMouseTo(262, 18);
      tavrel.PressMouse(1);
      ASSERT_TRUE(WaitUntil([&] { return InTray(tavrel); }, kStateChange));
      tavrel.ReleaseMouse(1);
    } else {
      MinimizeBySystem(tavrel);
      ASSERT_TRUE(WaitUntil([&] { return InTray(tavrel); }, kStateChange));
    }
    IconMessage(tavrel, releases[cycle]);
    ASSERT_TRUE(WaitUntil([&] { return Shown(tavrel); }, kStateChange));
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
