// The no-code message box as the user sees it: found on screen, read, closed.
#include <gtest/gtest.h>

#include <windows.h>

#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <thread>

#include "tavrel/win32/message_box_presenter.h"
#include "tests/support/message_box_reader.h"

namespace tavrel::win32 {
namespace {

// Waits for the message box (this test's process is the only one that runs),
// reads it and presses OK; nothing when none comes.
std::optional<win32_testing::SeenMessageBox> ReadAndCloseMessageBox() {
  for (int tries = 0; tries < 200; ++tries) {
    HWND box = FindWindowW(L"#32770", kApplicationTitle);
    if (box != nullptr && IsWindowVisible(box)) {
      const win32_testing::SeenMessageBox seen = win32_testing::ReadMessageBox(box);
      PostMessageW(box, WM_COMMAND, IDOK, 0);
      return seen;
    }
    Sleep(50);
  }
  return std::nullopt;
}

TEST(MessageBoxPresenter, ShowsTheNoCodeMessageWithOkOnlyAndNoIconUntilItIsClosed) {
  std::atomic<bool> returned{false};
  std::thread shower([&] {
    MessageBoxPresenter presenter;
    presenter.ShowNoCode(u"，");
    returned = true;
  });
  const std::optional<win32_testing::SeenMessageBox> seen = ReadAndCloseMessageBox();
  if (!seen) {
    // The box never came, so the thread that shows it cannot be joined.
    std::fprintf(stderr, "the no-code message box did not appear\n");
    std::_Exit(1);
  }
  const bool returned_while_open = returned;
  shower.join();

  EXPECT_FALSE(returned_while_open) << "the presenter must wait until the box is closed";
  EXPECT_EQ(seen->caption, L"Zelvaran");
  EXPECT_EQ(seen->text, L"无法给 ， 编码");
  EXPECT_FALSE(seen->has_icon);
  EXPECT_EQ(seen->buttons, 1);
  EXPECT_TRUE(seen->has_ok);
}

}  // namespace
}  // namespace tavrel::win32
