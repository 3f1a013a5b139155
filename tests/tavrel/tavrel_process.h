// Drives a running Tavrel.exe from outside, as a person or an automation tool
// would: finds its window and boxes, sets and reads text, moves the real
// mouse with xdotool, reads and closes its message boxes.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "tests/support/message_box_reader.h"
#include "tests/support/window_waits.h"

namespace tavrel::form::testing {

using win32_testing::WaitUntil;
using win32_testing::WindowText;

// A Linux path as Wine shows it to Windows programs.
std::string DosPath(std::string unix_path);

// Runs a Linux command line (through /bin/sh) on the display of the test and
// waits until it has finished.
void RunUnix(const std::string& command);

// Where a child window lies in its parent, in the parent's client pixels.
RECT ClientRectOf(HWND child, HWND parent);

// The real mouse, at a point of the screen.
void MoveMouseOnScreen(int x, int y);

// A box's selection: the units from start up to end, start <= end.
struct BoxSelection {
  DWORD start = 0, end = 0;
  friend bool operator==(const BoxSelection&, const BoxSelection&) = default;
};

class TavrelProcess {
 public:
  TavrelProcess();  // starts Tavrel.exe and waits for its window
  ~TavrelProcess();
  TavrelProcess(const TavrelProcess&) = delete;
  TavrelProcess& operator=(const TavrelProcess&) = delete;

  HWND Window() const { return window_; }
  HWND Box(int number) const { return boxes_[number - 1]; }  // Text1 .. Text3
  DWORD Id() const { return process_.dwProcessId; }
  bool HasEnded(DWORD wait_milliseconds = 0) const;

  // Sets Text1 as code would, and waits for the lookup to finish.
  void SetText1(const std::wstring& text);
  std::wstring Text(int number) const { return WindowText(Box(number)); }

  // A box's selection, and setting it as code would: the anchor stays, the
  // caret is the end that keys and drags move.
  BoxSelection Selection(int number) const;
  void Select(int number, int anchor, int caret) const;

  // A box's selection with its two ends told apart: the caret is the end
  // where the box shows its caret (the focused box's, read from the input
  // state of Tavrel's thread), the anchor the other one. A collapsed
  // selection has both at the same unit. Only for the box with the focus.
  struct AnchorAndCaret {
    DWORD anchor = 0, caret = 0;
    friend bool operator==(const AnchorAndCaret&, const AnchorAndCaret&) = default;
  };
  AnchorAndCaret CaretAndAnchor(int number) const;

  // The left edge of a unit of a box's text, in the window's client pixels,
  // as the box lays its text out.
  int LeftEdgeOfUnit(int number, int unit) const;

  // The keyboard's focus and the mouse capture of Tavrel's thread.
  GUITHREADINFO InputState() const;

  // Whether Tavrel's thread answers a message sent to its window: once it
  // has, it has finished with what it was doing before.
  bool Responds() const;

  // The window's top-left corner on the screen.
  POINT Origin() const;
  // Whether the window's top-left corner comes to that point of the screen
  // within the time, as a drag that ends there leaves it.
  bool ReachesOrigin(POINT origin, DWORD wait_milliseconds = 3000) const;

  // The real mouse, at a point of the window (client pixels).
  void MoveMouseTo(int x, int y) const;
  void PressMouse(int button) const;
  void ReleaseMouse(int button) const;
  void ClickAt(int x, int y) const;
  // Moves the real mouse from where it is by dx, dy, a few pixels a step, as
  // a hand does.
  void MoveMouseBy(int dx, int dy) const;

  // The text of the tooltip this process shows, or empty when none is shown.
  std::wstring ShownTooltip() const;

  // The visible message boxes ("#32770", titled "Zelvaran") of this process.
  std::vector<HWND> MessageBoxes() const;
  // The visible popup menus ("#32768") of this process, such as a box's
  // context menu.
  std::vector<HWND> ShownMenus() const;

  // The window of this process that has the keyboard focus, or none.
  HWND Focus() const { return InputState().hwndFocus; }

 private:
  // The visible top-level windows of this process of that class and title;
  // either may be null for any.
  std::vector<HWND> VisibleWindows(const wchar_t* class_name, const wchar_t* title) const;

  PROCESS_INFORMATION process_{};
  HWND window_ = nullptr;
  HWND boxes_[3] = {};
};

using win32_testing::ReadMessageBox;
using win32_testing::SeenMessageBox;

// Sets Text1 from another thread, since the change waits inside its message
// boxes; closes every no-code box that comes, and returns their texts.
std::vector<std::wstring> SetText1ClosingMessages(TavrelProcess& tavrel, const std::wstring& text);

// Once a drag has ended, the window has let go of the mouse: the pointer
// moves on across the window with no button held, a click into Text1 and
// typing there reach Text1, and the window stays where the drag left it, its
// top-left corner at left_at. Text1 is empty before. `what` names the case in
// the failures.
void ExpectTheWindowLetGo(const TavrelProcess& tavrel, const std::string& what, POINT left_at);

// Clipboard helpers of the test process itself.
void PutOnClipboard(const std::wstring& unicode, UINT extra_format = 0);
bool ReadUnicodeClipboard(std::wstring& text);
bool ReadAnsiClipboard(std::string& text);
bool ClipboardHasFormat(UINT format);

// The text in the system code page, as the ANSI clipboard format holds it.
std::string Ansi(const std::wstring& text);

}  // namespace tavrel::form::testing
