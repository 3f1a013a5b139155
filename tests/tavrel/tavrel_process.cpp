#include "tests/tavrel/tavrel_process.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <thread>

#include "tests/tavrel/window_places.h"

namespace tavrel::form::testing {
namespace {

struct FoundWindows {
  DWORD process;
  std::vector<HWND> windows;
  const wchar_t* class_name;
  const wchar_t* title;
};

BOOL CALLBACK CollectWindow(HWND window, LPARAM param) {
  auto* found = reinterpret_cast<FoundWindows*>(param);
  DWORD process = 0;
  GetWindowThreadProcessId(window, &process);
  if (process != found->process || !IsWindowVisible(window)) return TRUE;
  wchar_t name[64] = {};
  GetClassNameW(window, name, 64);
  if (found->class_name != nullptr && std::wcscmp(name, found->class_name) != 0) return TRUE;
  if (found->title != nullptr && WindowText(window) != found->title) return TRUE;
  found->windows.push_back(window);
  return TRUE;
}

}  // namespace

std::string DosPath(std::string unix_path) {
  std::replace(unix_path.begin(), unix_path.end(), '/', '\\');
  return "Z:" + unix_path;
}

void RunUnix(const std::string& command) {
  static std::atomic<int> counter{0};
  const std::string marker = std::string(TAVREL_TEST_DIR) + "/unix-" + std::to_string(GetCurrentProcessId()) +
                             "-" + std::to_string(++counter) + ".done";
  const std::string dos_marker = DosPath(marker);
  DeleteFileA(dos_marker.c_str());
  std::string line = "Z:\\bin\\sh -c \"" + command + "; echo done > " + marker + "\"";
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION started{};
  ASSERT_TRUE(
      CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &started))
      << command;
  // A Linux program's process handle cannot be waited on: wait for its marker.
  ASSERT_TRUE(
      WaitUntil([&] { return GetFileAttributesA(dos_marker.c_str()) != INVALID_FILE_ATTRIBUTES; }, 10000))
      << command;
  DeleteFileA(dos_marker.c_str());
  // Wine starts a Linux program (32-bit and 64-bit builds alike) with
  // success and writes every field of the record, whatever it held before,
  // but gives no handle: hProcess is null, and hThread, like the two ids,
  // holds a leftover value: often 0, else mostly a number that is no handle,
  // but at times the value of a handle this program holds (once its standard
  // output). Close only what a Windows program's start gives.
  if (started.hProcess != nullptr) {
    CloseHandle(started.hThread);
    CloseHandle(started.hProcess);
  }
}

RECT ClientRectOf(HWND child, HWND parent) {
  RECT r{};
  GetWindowRect(child, &r);
  MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&r), 2);
  return r;
}

void MoveMouseOnScreen(int x, int y) {
  RunUnix("xdotool mousemove " + std::to_string(x) + " " + std::to_string(y));
  Sleep(150);
}

TavrelProcess::TavrelProcess() {
  std::string line = DosPath(TAVREL_EXE);
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  if (!CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                      &process_)) {
    ADD_FAILURE() << "cannot start " << line;
    return;
  }
  WaitUntil(
      [&] {
        const std::vector<HWND> windows = VisibleWindows(nullptr, L"Tavrel");
        if (windows.empty()) return false;
        window_ = windows.front();
        return true;
      },
      20000);
  if (window_ == nullptr) {
    ADD_FAILURE() << "Tavrel's window did not appear";
    return;
  }
  for (int i = 0; i < 3; ++i) boxes_[i] = GetDlgItem(window_, 101 + i);
}

TavrelProcess::~TavrelProcess() {
  if (process_.hProcess == nullptr) return;
  if (!HasEnded()) {
    for (HWND box : MessageBoxes()) PostMessageW(box, WM_COMMAND, IDOK, 0);
    PostMessageW(window_, WM_CLOSE, 0, 0);
    if (!HasEnded(5000)) TerminateProcess(process_.hProcess, 1);
  }
  CloseHandle(process_.hThread);
  CloseHandle(process_.hProcess);
}

bool TavrelProcess::HasEnded(DWORD wait_milliseconds) const {
  return WaitForSingleObject(process_.hProcess, wait_milliseconds) == WAIT_OBJECT_0;
}

void TavrelProcess::SetText1(const std::wstring& text) {
  SendMessageW(Box(1), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

BoxSelection TavrelProcess::Selection(int number) const {
  BoxSelection selection;
  SendMessageW(Box(number), EM_GETSEL, reinterpret_cast<WPARAM>(&selection.start),
               reinterpret_cast<LPARAM>(&selection.end));
  return selection;
}

void TavrelProcess::Select(int number, int anchor, int caret) const {
  SendMessageW(Box(number), EM_SETSEL, static_cast<WPARAM>(anchor), static_cast<LPARAM>(caret));
}

TavrelProcess::AnchorAndCaret TavrelProcess::CaretAndAnchor(int number) const {
  const BoxSelection selection = Selection(number);
  if (selection.start == selection.end) return {selection.start, selection.end};
  const GUITHREADINFO state = InputState();
  EXPECT_EQ(state.hwndCaret, Box(number)) << "the caret is not in Text" << number;
  // Where the box puts its caret before a unit, in its client pixels; past
  // the last unit the box tells no place, and its caret lies further right
  // than before any other unit.
  const auto place_of = [&](DWORD unit) {
    const LRESULT place = SendMessageW(Box(number), EM_POSFROMCHAR, unit, 0);
    return place == -1 ? LONG_MAX : static_cast<LONG>(static_cast<short>(LOWORD(place)));
  };
  const LONG caret = state.rcCaret.left;
  const LONG to_start = std::labs(caret - place_of(selection.start));
  const LONG end_place = place_of(selection.end);
  const bool at_start = end_place == LONG_MAX ? to_start <= 2 : to_start < std::labs(caret - end_place);
  return at_start ? AnchorAndCaret{selection.end, selection.start} : AnchorAndCaret{selection.start, selection.end};
}

int TavrelProcess::LeftEdgeOfUnit(int number, int unit) const {
  const LRESULT place = SendMessageW(Box(number), EM_POSFROMCHAR, static_cast<WPARAM>(unit), 0);
  POINT p{static_cast<short>(LOWORD(place)), static_cast<short>(HIWORD(place))};
  MapWindowPoints(Box(number), window_, &p, 1);
  return p.x;
}

GUITHREADINFO TavrelProcess::InputState() const {
  GUITHREADINFO state{};
  state.cbSize = sizeof state;
  GetGUIThreadInfo(GetWindowThreadProcessId(window_, nullptr), &state);
  return state;
}

bool TavrelProcess::Responds() const {
  DWORD_PTR result = 0;
  return SendMessageTimeoutW(window_, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 3000, &result) != 0;
}

POINT TavrelProcess::Origin() const {
  RECT frame{};
  GetWindowRect(window_, &frame);
  return {frame.left, frame.top};
}

bool TavrelProcess::ReachesOrigin(POINT origin, DWORD wait_milliseconds) const {
  return WaitUntil(
      [&] {
        const POINT now = Origin();
        return now.x == origin.x && now.y == origin.y;
      },
      wait_milliseconds);
}

void TavrelProcess::MoveMouseTo(int x, int y) const {
  const POINT origin = Origin();
  MoveMouseOnScreen(origin.x + x, origin.y + y);
}

void TavrelProcess::PressMouse(int button) const {
  RunUnix("xdotool mousedown " + std::to_string(button));
  Sleep(150);
}

void TavrelProcess::ReleaseMouse(int button) const {
  RunUnix("xdotool mouseup " + std::to_string(button));
  Sleep(150);
}

void TavrelProcess::ClickAt(int x, int y) const {
  MoveMouseTo(x, y);
  RunUnix("xdotool click 1");
  Sleep(200);
}

void TavrelProcess::MoveMouseBy(int dx, int dy) const {
  POINT from{};
  GetCursorPos(&from);
  constexpr int kSteps = 4;
  for (int step = 1; step <= kSteps; ++step)
    MoveMouseOnScreen(from.x + dx * step / kSteps, from.y + dy * step / kSteps);
}

std::vector<HWND> TavrelProcess::VisibleWindows(const wchar_t* class_name, const wchar_t* title) const {
  FoundWindows found{process_.dwProcessId, {}, class_name, title};
  EnumWindows(CollectWindow, reinterpret_cast<LPARAM>(&found));
  return found.windows;
}

std::vector<HWND> TavrelProcess::MessageBoxes() const { return VisibleWindows(L"#32770", L"Zelvaran"); }

std::vector<HWND> TavrelProcess::ShownMenus() const { return VisibleWindows(L"#32768", nullptr); }

std::vector<std::wstring> SetText1ClosingMessages(TavrelProcess& tavrel, const std::wstring& text) {
  std::thread setter([&] { tavrel.SetText1(text); });
  std::vector<std::wstring> texts;
  HWND last = nullptr;
  for (;;) {
    HWND box = nullptr;
    const bool shown = WaitUntil(
        [&] {
          const std::vector<HWND> boxes = tavrel.MessageBoxes();
          if (boxes.empty() || boxes.front() == last) return false;
          box = boxes.front();
          return true;
        },
        1500);
    if (!shown) break;
    texts.push_back(ReadMessageBox(box).text);
    PostMessageW(box, WM_COMMAND, IDOK, 0);
    last = box;
    WaitUntil([&] { return !IsWindow(box); }, 3000);
  }
  setter.join();
  return texts;
}

std::wstring TavrelProcess::ShownTooltip() const {
  const std::vector<HWND> tips = VisibleWindows(L"tooltips_class32", nullptr);
  return tips.empty() ? std::wstring() : WindowText(tips.front());
}


// Once the letters have come, every move before them has been seen.
void ExpectTheWindowLetGo(const TavrelProcess& tavrel, const std::string& what, POINT left_at) {
  tavrel.MoveMouseTo(-30, 120);
  tavrel.MoveMouseBy(360, 0);
  tavrel.ClickAt(kInText1.x, kInText1.y);
  RunUnix("xdotool type --delay 60 zz");
  EXPECT_TRUE(WaitUntil([&] { return tavrel.Text(1) == L"zz"; }, 3000))
      << what << ", then the pointer across the window, a click into Text1 and zz typed: Text1 holds '"
      << Ansi(tavrel.Text(1)) << "'";
  const POINT now = tavrel.Origin();
  EXPECT_EQ(now.x, left_at.x) << what << ": the window followed the pointer after the drag";
  EXPECT_EQ(now.y, left_at.y) << what << ": the window followed the pointer after the drag";
}

void PutOnClipboard(const std::wstring& unicode, UINT extra_format) {
  ASSERT_TRUE(WaitUntil([] { return OpenClipboard(nullptr) != FALSE; }, 2000));
  EmptyClipboard();
  HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, (unicode.size() + 1) * sizeof(wchar_t));
  std::memcpy(GlobalLock(block), unicode.c_str(), (unicode.size() + 1) * sizeof(wchar_t));
  GlobalUnlock(block);
  SetClipboardData(CF_UNICODETEXT, block);
  if (extra_format != 0) {
    HGLOBAL extra = GlobalAlloc(GMEM_MOVEABLE, 4);
    std::memcpy(GlobalLock(extra), "old", 4);
    GlobalUnlock(extra);
    SetClipboardData(extra_format, extra);
  }
  CloseClipboard();
}

namespace {

// The clipboard's text in one format, of the format's characters.
template <typename Char>
bool ReadClipboardText(UINT format, std::basic_string<Char>& text) {
  if (!WaitUntil([] { return OpenClipboard(nullptr) != FALSE; }, 2000)) return false;
  HANDLE data = GetClipboardData(format);
  if (data != nullptr) text = static_cast<const Char*>(GlobalLock(data));
  if (data != nullptr) GlobalUnlock(data);
  CloseClipboard();
  return data != nullptr;
}

}  // namespace

bool ReadUnicodeClipboard(std::wstring& text) { return ReadClipboardText(CF_UNICODETEXT, text); }

bool ReadAnsiClipboard(std::string& text) { return ReadClipboardText(CF_TEXT, text); }

bool ClipboardHasFormat(UINT format) { return IsClipboardFormatAvailable(format) != FALSE; }

std::string Ansi(const std::wstring& text) {
  if (text.empty()) return {};
  const int size = WideCharToMultiByte(CP_ACP, 0, text.c_str(), static_cast<int>(text.size()), nullptr, 0,
                                       nullptr, nullptr);
  std::string bytes(static_cast<std::size_t>(size), '\0');
  WideCharToMultiByte(CP_ACP, 0, text.c_str(), static_cast<int>(text.size()), bytes.data(), size, nullptr,
                      nullptr);
  return bytes;
}

}  // namespace tavrel::form::testing
