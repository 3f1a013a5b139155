// The real Vesktal.exe under Wine: started as a user starts it, its message
// box found, read and closed, the keyboard layouts read from the registry.
#include <gtest/gtest.h>

#include <windows.h>

#include <set>
#include <string>
#include <vector>

#include "program_paths.h"
#include "tests/support/message_box_reader.h"

namespace vesktal::testing {
namespace {

constexpr wchar_t kLayoutsKey[] = L"System\\CurrentControlSet\\Control\\Keyboard Layouts";
constexpr wchar_t kLayoutText[] = L"Ombrik输入法 2011版";

using win32_testing::SeenMessageBox;

struct ProgramRun {
  bool ended = false;  // by itself, in time
  DWORD exit_code = 0;
  std::vector<SeenMessageBox> boxes;
  std::set<HWND> other_windows;  // shown by the program besides message boxes
};

struct BoxSearch {
  DWORD process_id;
  HWND box = nullptr;
  std::set<HWND>* other_windows;
};

BOOL CALLBACK FindBoxOf(HWND window, LPARAM param) {
  auto* search = reinterpret_cast<BoxSearch*>(param);
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  wchar_t name[32] = {};
  GetClassNameW(window, name, 32);
  if (owner != search->process_id || !IsWindowVisible(window)) return TRUE;
  if (std::wstring(name) != L"#32770") {
    search->other_windows->insert(window);
    return TRUE;
  }
  search->box = window;
  return FALSE;
}

SeenMessageBox ReadAndClose(HWND box) {
  const SeenMessageBox seen = win32_testing::ReadMessageBox(box);
  PostMessageW(box, WM_COMMAND, IDOK, 0);
  return seen;
}

// Starts a program and waits up to 30 seconds for it to end, reading and
// closing every message box it shows meanwhile. A program that does not end
// in time is stopped.
ProgramRun RunProgram(const std::wstring& exe) {
  ProgramRun run;
  std::wstring command = L"\"" + exe + L"\"";
  STARTUPINFOW startup = {};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process = {};
  if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                      &process)) {
    ADD_FAILURE() << "the program could not be started, error " << GetLastError();
    return run;
  }
  for (int tries = 0; tries < 600; ++tries) {
    if (WaitForSingleObject(process.hProcess, 50) == WAIT_OBJECT_0) {
      run.ended = true;
      break;
    }
    BoxSearch search{process.dwProcessId, nullptr, &run.other_windows};
    EnumWindows(FindBoxOf, reinterpret_cast<LPARAM>(&search));
    if (search.box != nullptr) {
      run.boxes.push_back(ReadAndClose(search.box));
      // Let the box go before looking again.
      for (int wait = 0; wait < 100 && IsWindow(search.box); ++wait) Sleep(20);
    }
  }
  if (!run.ended) TerminateProcess(process.hProcess, 99);
  WaitForSingleObject(process.hProcess, 5000);
  GetExitCodeProcess(process.hProcess, &run.exit_code);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return run;
}

ProgramRun RunVesktal() { return RunProgram(VesktalExe()); }

std::wstring StringValue(HKEY key, const wchar_t* name) {
  wchar_t value[MAX_PATH] = {};
  DWORD size = sizeof value - sizeof(wchar_t);
  DWORD type = 0;
  if (RegQueryValueExW(key, name, nullptr, &type, reinterpret_cast<BYTE*>(value), &size) != ERROR_SUCCESS ||
      type != REG_SZ) {
    return {};
  }
  return value;
}

struct Layout {
  std::wstring key;
  std::wstring ime_file;
};

// The keyboard layouts installed under the Ombrik layout text.
std::vector<Layout> OmbrikLayouts() {
  std::vector<Layout> layouts;
  HKEY all = nullptr;
  if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, kLayoutsKey, 0, KEY_READ, &all) != ERROR_SUCCESS) return layouts;
  wchar_t name[256];
  for (DWORD index = 0;; ++index) {
    DWORD length = 256;
    if (RegEnumKeyExW(all, index, name, &length, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS) break;
    HKEY layout = nullptr;
    if (RegOpenKeyExW(all, name, 0, KEY_READ, &layout) != ERROR_SUCCESS) continue;
    if (StringValue(layout, L"Layout Text") == kLayoutText) {
      layouts.push_back({name, StringValue(layout, L"Ime File")});
    }
    RegCloseKey(layout);
  }
  RegCloseKey(all);
  return layouts;
}

void RemoveOmbrikLayouts() {
  for (const Layout& layout : OmbrikLayouts()) {
    const std::wstring key = std::wstring(kLayoutsKey) + L"\\" + layout.key;
    RegDeleteKeyW(HKEY_LOCAL_MACHINE, key.c_str());
  }
}

// Each test starts and ends with no Vesktal.ime in the system directory and
// no Ombrik keyboard layout.
class VesktalProgram : public ::testing::Test {
 protected:
  void SetUp() override {
    wchar_t directory[MAX_PATH] = {};
    GetSystemDirectoryW(directory, MAX_PATH);
    ime_path_ = std::wstring(directory) + L"\\Vesktal.ime";
    CleanUp();
  }
  void TearDown() override { CleanUp(); }

  void CleanUp() {
    SetFileAttributesW(ime_path_.c_str(), FILE_ATTRIBUTE_NORMAL);
    DeleteFileW(ime_path_.c_str());
    RemoveDirectoryW(ime_path_.c_str());
    RemoveOmbrikLayouts();
    ASSERT_EQ(GetFileAttributesW(ime_path_.c_str()), INVALID_FILE_ATTRIBUTES);
    ASSERT_TRUE(OmbrikLayouts().empty());
  }

  void PutImeFile(DWORD attributes) {
    HANDLE file = CreateFileW(ime_path_.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL,
                              nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE);
    DWORD written = 0;
    WriteFile(file, "MZ", 2, &written, nullptr);
    CloseHandle(file);
    ASSERT_TRUE(SetFileAttributesW(ime_path_.c_str(), attributes));
  }

  void ExpectMissingFileMessage(const ProgramRun& run) {
    EXPECT_TRUE(run.ended);
    EXPECT_EQ(run.exit_code, 0u);
    ASSERT_EQ(run.boxes.size(), 1u);
    const SeenMessageBox& box = run.boxes[0];
    EXPECT_EQ(box.caption, L"Orvestil");
    EXPECT_EQ(box.text,
              L"文件\u201C" L"C:\\windows\\system32\\Vesktal.ime" L"\u201D未找到\uFF0C无法激活Ombrik输入法\uFF01");
    EXPECT_EQ(box.buttons, 1);
    EXPECT_TRUE(box.has_ok);
    EXPECT_FALSE(box.has_icon);
    EXPECT_TRUE(run.other_windows.empty());
    EXPECT_TRUE(OmbrikLayouts().empty());
  }

  std::wstring ime_path_;
};

TEST_F(VesktalProgram, NoFileGivesTheMissingFileMessage) {
  ExpectMissingFileMessage(RunVesktal());
}

TEST_F(VesktalProgram, HiddenSystemOrDirectoryCountsAsMissing) {
  struct Case {
    const char* name;
    DWORD attributes;  // 0: a directory of that name
  };
  for (const Case c : {Case{"hidden file", FILE_ATTRIBUTE_HIDDEN}, Case{"system file", FILE_ATTRIBUTE_SYSTEM},
                       Case{"directory", 0}}) {
    SCOPED_TRACE(c.name);
    if (c.attributes == 0) {
      ASSERT_TRUE(CreateDirectoryW(ime_path_.c_str(), nullptr));
    } else {
      PutImeFile(c.attributes);
    }
    ExpectMissingFileMessage(RunVesktal());
    CleanUp();
  }
}

TEST_F(VesktalProgram, PresentFileIsInstalledWithoutAMessage) {
  PutImeFile(FILE_ATTRIBUTE_ARCHIVE);
  const ProgramRun run = RunVesktal();

  EXPECT_TRUE(run.ended);
  EXPECT_EQ(run.exit_code, 0u);
  EXPECT_TRUE(run.boxes.empty());
  EXPECT_TRUE(run.other_windows.empty());
  const std::vector<Layout> layouts = OmbrikLayouts();
  ASSERT_EQ(layouts.size(), 1u);
  EXPECT_EQ(layouts[0].ime_file, L"C:\\windows\\system32\\Vesktal.ime");
}

TEST_F(VesktalProgram, InstalledLayoutIsRequestedAgainWithoutAMessage) {
  PutImeFile(FILE_ATTRIBUTE_NORMAL);
  const ProgramRun first = RunVesktal();
  const ProgramRun second = RunVesktal();

  EXPECT_TRUE(first.boxes.empty());
  EXPECT_TRUE(second.ended);
  EXPECT_TRUE(second.boxes.empty());
  // Wine records every installation under a key of its own.
  EXPECT_EQ(OmbrikLayouts().size(), 2u);
}

TEST(VesktalEntryPoint, ThatCannotBeBoundEndsTheProgramWithAReport) {
  const ProgramRun run = RunProgram(UnboundEntryPointExe());

  EXPECT_TRUE(run.ended);
  EXPECT_EQ(run.exit_code, 1u);
  ASSERT_EQ(run.boxes.size(), 1u);
  EXPECT_EQ(run.boxes[0].caption, L"Orvestil");
  EXPECT_EQ(run.boxes[0].text,
            L"Run-time error: the entry point NoSuchEntryPoint was not found in vesktal_no_such_library.");
}

}  // namespace
}  // namespace vesktal::testing
