// Vesktal's operating-system operations as Windows provides them.
#pragma once

#include <windows.h>

#include <imm.h>

#include "activator/platform.h"
#include "activator/win32/entry_point.h"

namespace vesktal::win32 {

class WindowsPlatform final : public Platform {
 public:
  std::uint32_t GetSystemDirectoryA(std::span<char> buffer) override;
  Text FromSystemCodePage(std::string_view bytes) override;
  CodePageText ToSystemCodePage(std::u16string_view text) override;
  std::optional<FileEntry> FindEntry(const Text& path) override;
  std::uintptr_t ImmInstallIMEA(const CodePageText& file, const CodePageText& layout_text) override;
  void ShowMessageBox(const Text& text, std::uint32_t style) override;

 private:
  EntryPoint<decltype(&::GetSystemDirectoryA)> get_system_directory_{"kernel32.dll", "GetSystemDirectoryA"};
  EntryPoint<decltype(&::ImmInstallIMEA)> imm_install_ime_{"imm32.dll", "ImmInstallIMEA"};
};

}  // namespace vesktal::win32
