// The operating-system operations Vesktal's start-up routine uses. The
// Windows program implements them with the system's calls; tests use fakes.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

#include "activator/text.h"

namespace vesktal {

// What the file system holds under one exact name.
struct FileEntry {
  bool directory = false;
  bool hidden = false;
  bool system = false;
};

class Platform {
 public:
  virtual ~Platform() = default;

  // kernel32's GetSystemDirectoryA with the buffer and its size. Writes the
  // system directory into the buffer in the system code page and returns its
  // length in bytes; when the buffer is too small, writes nothing and returns
  // the size needed, the terminating null included; returns 0 on failure.
  virtual std::uint32_t GetSystemDirectoryA(std::span<char> buffer) = 0;

  // Text in the system code page to UTF-16, and back.
  virtual Text FromSystemCodePage(std::string_view bytes) = 0;
  virtual CodePageText ToSystemCodePage(std::u16string_view text) = 0;

  // The entry with exactly this name, or nothing when there is none. The name
  // is never taken as a pattern: wildcard characters match only themselves.
  virtual std::optional<FileEntry> FindEntry(const Text& path) = 0;

  // imm32's ImmInstallIMEA with the file and the layout text, both in the
  // system code page. Returns the new keyboard layout, or 0 when refused.
  virtual std::uintptr_t ImmInstallIMEA(const CodePageText& file, const CodePageText& layout_text) = 0;

  // A message box with the given style, captioned with the application
  // title. Returns when the user has closed it.
  virtual void ShowMessageBox(const Text& text, std::uint32_t style) = 0;
};

}  // namespace vesktal
