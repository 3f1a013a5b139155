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

BOOL CALLBACK CountButton(HWND child, LPARAM param) {
  auto* seen = reinterpret_cast<SeenBox*>(param);
  wchar_t cls[32] = {};
  GetClassNameW(child, cls, 32);
  if (std::wstring(cls) == L"Button") {
    ++seen->buttons;
    if (GetDlgCtrlID(child) == IDOK) seen->has_ok = true;
  }
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
      seen.has_icon = GetDlgItem(box, 0x14) != nullptr;  // the icon's static control
      EnumChildWindows(box, CountButton, reinterpret_cast<LPARAM>(&seen));
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
