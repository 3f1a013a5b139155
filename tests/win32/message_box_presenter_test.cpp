// The no-code message box as the user sees it: found on screen, read, closed.
#include <gtest/gtest.h>

#include <windows.h>

#include <atomic>
#include <string>
#include <thread>

#include "lookup/win32/message_box_presenter.h"

namespace tavrel::win32 {
namespace {

struct SeenBox {
  std::wstring caption;
  std::wstring text;
  bool has_icon = false;
  int buttons = 0;
  bool has_ok = false;
};

// Counts the buttons and looks for a shown icon among the box's children.
BOOL CALLBACK ReadChild(HWND child, LPARAM param) {
  auto* seen = reinterpret_cast<SeenBox*>(param);
  wchar_t name[32] = {};
  GetClassNameW(child, name, 32);
  const std::wstring kind = name;
  if (kind == L"Button") {
    ++seen->buttons;
    if (GetDlgCtrlID(child) == IDOK) seen->has_ok = true;
  }
  const LONG style = GetWindowLongW(child, GWL_STYLE);
  if (kind == L"Static" && (style & SS_TYPEMASK) == SS_ICON && IsWindowVisible(child) &&
      SendMessageW(child, STM_GETICON, 0, 0) != 0)
    seen->has_icon = true;
  return TRUE;
}

// Waits for the message box of this process, reads it and presses OK.
SeenBox ReadAndCloseMessageBox() {
  SeenBox seen;
  for (int tries = 0; tries < 200; ++tries) {
    HWND box = FindWindowW(L"#32770", kApplicationTitle);
    if (box != nullptr && IsWindowVisible(box)) {
      wchar_t buffer[256] = {};
      GetWindowTextW(box, buffer, 256);
      seen.caption = buffer;
      GetDlgItemTextW(box, 0xFFFF, buffer, 256);  // the message text
      seen.text = buffer;
      EnumChildWindows(box, ReadChild, reinterpret_cast<LPARAM>(&seen));
      PostMessageW(box, WM_COMMAND, IDOK, 0);
      return seen;
    }
    Sleep(50);
  }
  return seen;
}

TEST(MessageBoxPresenter, ShowsTheNoCodeMessageWithOkOnlyAndNoIcon) {
  std::atomic<bool> returned{false};
  std::thread shower([&] {
    MessageBoxPresenter presenter;
    presenter.ShowNoCode(u"，");
    returned = true;
  });
  const SeenBox seen = ReadAndCloseMessageBox();
  shower.join();

  EXPECT_TRUE(returned);
  EXPECT_EQ(seen.caption, L"Zelvaran");
  EXPECT_EQ(seen.text, L"无法给 ， 编码");
  EXPECT_FALSE(seen.has_icon);
  EXPECT_EQ(seen.buttons, 1);
  EXPECT_TRUE(seen.has_ok);
}

}  // namespace
}  // namespace tavrel::win32
