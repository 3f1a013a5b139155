// Vesktal's start-up routine against a recording fake of the system: every
// course a run can take, with the exact texts and arguments of each call.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "activator/vesktal.h"
#include "fake_platform.h"

namespace vesktal::testing {
namespace {

using Sizes = std::vector<std::size_t>;

// The layout text "Ombrik输入法 2011版" in GBK.
const std::string kLayoutTextGbk = "Ombrik\xCA\xE4\xC8\xEB\xB7\xA8 2011\xB0\xE6";

const std::u16string kImePath = u"C:\\WINDOWS\\system32\\Vesktal.ime";

// 文件“…”未找到，无法激活Ombrik输入法！
std::u16string MissingFile(const std::u16string& path) {
  return u"\u6587\u4EF6\u201C" + path +
         u"\u201D\u672A\u627E\u5230\uFF0C\u65E0\u6CD5\u6FC0\u6D3BOmbrik\u8F93\u5165\u6CD5\uFF01";
}

// 文件“…”安装失败，无法激活Ombrik输入法！
std::u16string Refused(const std::u16string& path) {
  return u"\u6587\u4EF6\u201C" + path +
         u"\u201D\u5B89\u88C5\u5931\u8D25\uFF0C\u65E0\u6CD5\u6FC0\u6D3BOmbrik\u8F93\u5165\u6CD5\uFF01";
}

// 无法取得系统目录，无法激活Ombrik输入法！
const std::u16string kNoSystemDirectory =
    u"\u65E0\u6CD5\u53D6\u5F97\u7CFB\u7EDF\u76EE\u5F55\uFF0C\u65E0\u6CD5\u6FC0\u6D3BOmbrik\u8F93\u5165\u6CD5\uFF01";

TEST(VesktalMain, InstallsAPlainFileFromTheSystemDirectoryUnderTheLayoutText) {
  FakePlatform system;
  system.entries[kImePath] = FileEntry{};
  Main(system);

  EXPECT_EQ(system.directory_buffer_sizes, Sizes{80});
  EXPECT_EQ(system.entries_asked, (std::vector<std::u16string>{kImePath}));
  EXPECT_EQ(system.installs,
            (std::vector<InstallCall>{{"C:\\WINDOWS\\system32\\Vesktal.ime", kLayoutTextGbk}}));
  EXPECT_TRUE(system.message_boxes.empty());
}

struct AbsentCase {
  const char* name;
  std::optional<FileEntry> entry;
};

void PrintTo(const AbsentCase& c, std::ostream* out) { *out << c.name; }

class VesktalMainAbsent : public ::testing::TestWithParam<AbsentCase> {};

TEST_P(VesktalMainAbsent, ShowsTheMissingFileMessageAndInstallsNothing) {
  FakePlatform system;
  if (GetParam().entry) system.entries[kImePath] = *GetParam().entry;
  Main(system);

  EXPECT_EQ(system.entries_asked, (std::vector<std::u16string>{kImePath}));
  EXPECT_TRUE(system.installs.empty());
  EXPECT_EQ(system.message_boxes, (std::vector<MessageBoxCall>{{MissingFile(kImePath), 0}}));
}

INSTANTIATE_TEST_SUITE_P(
    FileStates, VesktalMainAbsent,
    ::testing::Values(AbsentCase{"Missing", std::nullopt},
                      AbsentCase{"Directory", FileEntry{.directory = true}},
                      AbsentCase{"Hidden", FileEntry{.hidden = true}},
                      AbsentCase{"System", FileEntry{.system = true}},
                      AbsentCase{"HiddenSystem", FileEntry{.hidden = true, .system = true}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(VesktalMain, RefusedInstallationIsReported) {
  FakePlatform system;
  system.entries[kImePath] = FileEntry{};
  system.installed_layout = 0;
  Main(system);

  EXPECT_EQ(system.installs.size(), 1u);
  EXPECT_EQ(system.message_boxes, (std::vector<MessageBoxCall>{{Refused(kImePath), 0}}));
}

TEST(VesktalMain, NoSystemDirectoryIsReportedAndNothingElsewhereIsInstalled) {
  FakePlatform system;
  system.system_directory_fails = true;
  system.entries[u"\\Vesktal.ime"] = FileEntry{};  // a file in the root of the drive
  Main(system);

  EXPECT_EQ(system.directory_buffer_sizes, Sizes{80});
  EXPECT_TRUE(system.entries_asked.empty());
  EXPECT_TRUE(system.installs.empty());
  EXPECT_EQ(system.message_boxes, (std::vector<MessageBoxCall>{{kNoSystemDirectory, 0}}));
}

struct LengthCase {
  std::size_t length;  // of the system directory, in bytes
  Sizes sizes_asked;
};

void PrintTo(const LengthCase& c, std::ostream* out) { *out << c.length << " bytes"; }

class VesktalMainDirectoryLength : public ::testing::TestWithParam<LengthCase> {};

TEST_P(VesktalMainDirectoryLength, UsesTheWholeDirectory) {
  FakePlatform system;
  system.system_directory = "C:\\" + std::string(GetParam().length - 3, 'd');
  const std::u16string directory(system.system_directory.begin(), system.system_directory.end());
  const std::u16string ime_path = directory + u"\\Vesktal.ime";
  system.entries[ime_path] = FileEntry{};
  Main(system);

  EXPECT_EQ(system.directory_buffer_sizes, GetParam().sizes_asked);
  EXPECT_EQ(system.entries_asked, (std::vector<std::u16string>{ime_path}));
  EXPECT_EQ(system.installs,
            (std::vector<InstallCall>{{system.system_directory + "\\Vesktal.ime", kLayoutTextGbk}}));
  EXPECT_TRUE(system.message_boxes.empty());
}

// 79 bytes and the terminating null fit into the 80-byte buffer; longer
// directories are asked for again with the size the system reported.
INSTANTIATE_TEST_SUITE_P(Lengths, VesktalMainDirectoryLength,
                         ::testing::Values(LengthCase{3, {80}}, LengthCase{79, {80}},
                                           LengthCase{80, {80, 81}}, LengthCase{200, {80, 201}}));

TEST(VesktalMain, LongDirectoryStillMissingTheFileIsNamedWhole) {
  FakePlatform system;
  system.system_directory = "C:\\" + std::string(120, 'd');
  Main(system);

  const std::u16string directory(system.system_directory.begin(), system.system_directory.end());
  EXPECT_EQ(system.message_boxes,
            (std::vector<MessageBoxCall>{{MissingFile(directory + u"\\Vesktal.ime"), 0}}));
}

TEST(VesktalMain, DirectoryThatGrowsPastTheSecondBufferIsReported) {
  FakePlatform system;
  system.system_directory = "C:\\" + std::string(100, 'd');
  system.system_directory_later = "C:\\" + std::string(300, 'd');
  Main(system);

  EXPECT_EQ(system.directory_buffer_sizes, (Sizes{80, 104}));
  EXPECT_TRUE(system.entries_asked.empty());
  EXPECT_TRUE(system.installs.empty());
  EXPECT_EQ(system.message_boxes, (std::vector<MessageBoxCall>{{kNoSystemDirectory, 0}}));
}

TEST(VesktalMain, DoubleByteDirectoryIsTakenWhole) {
  FakePlatform system;
  system.system_directory = "C:\\\xD6\xD0\xCE\xC4";  // C:\中文: 5 characters, 7 bytes
  const std::u16string ime_path = u"C:\\中文\\Vesktal.ime";
  system.entries[ime_path] = FileEntry{};
  Main(system);

  EXPECT_EQ(system.entries_asked, (std::vector<std::u16string>{ime_path}));
  EXPECT_EQ(system.installs,
            (std::vector<InstallCall>{{"C:\\\xD6\xD0\xCE\xC4\\Vesktal.ime", kLayoutTextGbk}}));
  EXPECT_TRUE(system.message_boxes.empty());
}

TEST(VesktalMain, DoubleByteDirectoryMissingTheFileIsNamedRight) {
  FakePlatform system;
  system.system_directory = "C:\\\xD6\xD0\xCE\xC4";
  Main(system);

  EXPECT_EQ(system.message_boxes,
            (std::vector<MessageBoxCall>{{MissingFile(u"C:\\中文\\Vesktal.ime"), 0}}));
}

}  // namespace
}  // namespace vesktal::testing
