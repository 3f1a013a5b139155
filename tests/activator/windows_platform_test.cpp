// Vesktal's Windows operations against the real system, under Wine with code
// page 936: the system directory call, the conversions and the file test.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

#include "activator/vesktal.h"
#include "activator/win32/windows_platform.h"

namespace vesktal::win32 {
namespace {

TEST(WindowsPlatform, SystemDirectoryFitsOrAsksForTheSizeNeeded) {
  WindowsPlatform platform;
  std::vector<char> buffer(80, 'x');
  const std::uint32_t count = platform.GetSystemDirectoryA(buffer);
  EXPECT_EQ(std::string(buffer.data(), count), "C:\\windows\\system32");
  EXPECT_EQ(buffer[count], '\0');

  std::vector<char> small(5, 'x');
  EXPECT_EQ(platform.GetSystemDirectoryA(small), count + 1);
}

TEST(WindowsPlatform, ConvertsThroughCodePage936) {
  WindowsPlatform platform;
  EXPECT_EQ(platform.FromSystemCodePage("C:\\\xD6\xD0\xCE\xC4").view(), u"C:\\中文");
  EXPECT_EQ(platform.ToSystemCodePage(u"Ombrik输入法 2011版").view(),
            "Ombrik\xCA\xE4\xC8\xEB\xB7\xA8 2011\xB0\xE6");
  EXPECT_EQ(platform.FromSystemCodePage("").view(), u"");
  EXPECT_EQ(platform.ToSystemCodePage(u"").view(), "");
}

// A scratch folder of the test's own, removed again afterwards.
class FileExistsOnDisk : public ::testing::Test {
 protected:
  void SetUp() override {
    wchar_t temp[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, temp);
    folder_ = std::wstring(temp) + L"vesktal_file_test";
    RemoveAll();
    ASSERT_TRUE(CreateDirectoryW(folder_.c_str(), nullptr));
  }
  void TearDown() override { RemoveAll(); }

  Text Path(const std::wstring& name) const {
    const std::wstring path = folder_ + L"\\" + name;
    return Text(std::u16string(path.begin(), path.end()));
  }

  void MakeFile(const std::wstring& name, DWORD attributes) {
    const std::wstring path = folder_ + L"\\" + name;
    HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE);
    CloseHandle(file);
    ASSERT_TRUE(SetFileAttributesW(path.c_str(), attributes));
  }

  void RemoveAll() {
    WIN32_FIND_DATAW found;
    HANDLE search = FindFirstFileW((folder_ + L"\\*").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
      do {
        const std::wstring name = found.cFileName;
        if (name == L"." || name == L"..") continue;
        const std::wstring path = folder_ + L"\\" + name;
        SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
        if (!DeleteFileW(path.c_str())) RemoveDirectoryW(path.c_str());
      } while (FindNextFileW(search, &found));
      FindClose(search);
    }
    RemoveDirectoryW(folder_.c_str());
  }

  std::wstring folder_;
  WindowsPlatform platform_;
};

TEST_F(FileExistsOnDisk, CountsOnlyPlainFiles) {
  struct Case {
    const wchar_t* name;
    DWORD attributes;  // 0: make a directory instead
    bool exists;
  };
  const Case cases[] = {
      {L"plain.ime", FILE_ATTRIBUTE_NORMAL, true},
      {L"archive.ime", FILE_ATTRIBUTE_ARCHIVE, true},
      {L"readonly.ime", FILE_ATTRIBUTE_READONLY, true},
      {L"hidden.ime", FILE_ATTRIBUTE_HIDDEN, false},
      {L"system.ime", FILE_ATTRIBUTE_SYSTEM, false},
      {L"hiddensystem.ime", FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM, false},
      {L"folder.ime", 0, false},
  };
  for (const Case& c : cases) {
    if (c.attributes == 0) {
      ASSERT_TRUE(CreateDirectoryW((folder_ + L"\\" + c.name).c_str(), nullptr));
    } else {
      MakeFile(c.name, c.attributes);
    }
    EXPECT_EQ(FileExists(platform_, Path(c.name)), c.exists) << std::string(c.name, c.name + wcslen(c.name));
  }
  EXPECT_FALSE(FileExists(platform_, Path(L"nothing.ime")));
  EXPECT_FALSE(FileExists(platform_, Path(L"no folder\\plain.ime")));
}

TEST_F(FileExistsOnDisk, TakesWildcardsLiterally) {
  MakeFile(L"Vesktal.ime", FILE_ATTRIBUTE_NORMAL);
  ASSERT_TRUE(FileExists(platform_, Path(L"Vesktal.ime")));
  for (const wchar_t* pattern : {L"Vesk*.ime", L"Vesktal.im?", L"*", L"*.*", L"Vesktal<", L"Vesktal.im>"}) {
    EXPECT_FALSE(FileExists(platform_, Path(pattern)))
        << std::string(pattern, pattern + wcslen(pattern));
  }
}

}  // namespace
}  // namespace vesktal::win32
