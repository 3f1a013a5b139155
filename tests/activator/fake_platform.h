// A recording stand-in for the operating system, with a small double-byte
// code page that behaves like GBK for the few characters the tests use.
#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "activator/platform.h"

namespace vesktal::testing {

struct InstallCall {
  std::string file;
  std::string layout_text;
  bool operator==(const InstallCall&) const = default;
};

struct MessageBoxCall {
  std::u16string text;
  std::uint32_t style;
  bool operator==(const MessageBoxCall&) const = default;
};

// Readable failure output.
void PrintTo(const InstallCall& call, std::ostream* out);
void PrintTo(const MessageBoxCall& call, std::ostream* out);

class FakePlatform final : public Platform {
 public:
  // What the system holds.
  std::string system_directory = "C:\\WINDOWS\\system32";  // in the code page
  std::optional<std::string> system_directory_later;       // from the 2nd call on
  bool system_directory_fails = false;                     // every call answers 0
  std::map<std::u16string, FileEntry> entries;
  std::uintptr_t installed_layout = 0xE0020804;            // 0: refused

  // What it was asked.
  std::vector<std::size_t> directory_buffer_sizes;
  std::vector<std::u16string> entries_asked;
  std::vector<InstallCall> installs;
  std::vector<MessageBoxCall> message_boxes;

  std::uint32_t GetSystemDirectoryA(std::span<char> buffer) override;
  Text FromSystemCodePage(std::string_view bytes) override;
  CodePageText ToSystemCodePage(std::u16string_view text) override;
  std::optional<FileEntry> FindEntry(const Text& path) override;
  std::uintptr_t ImmInstallIMEA(const CodePageText& file, const CodePageText& layout_text) override;
  void ShowMessageBox(const Text& text, std::uint32_t style) override;
};

}  // namespace vesktal::testing
