// Vesktal's operating-system operations as Windows provides them.
#pragma once

#include <windows.h>

#include "activator/platform.h"
#include "activator/win32/entry_point.h"

namespace vesktal::win32 {

class WindowsPlatform final : public Platform {
 public:
  std::uint32_t GetSystemDirectoryA(std::span<char> buffer) override;
  std::u16string FromSystemCodePage(std::string_view bytes) override;
  std::string ToSystemCodePage(std::u16string_view text) override;
  std::optional<FileEntry> FindEntry(const std::u16string& path) override;
  std::uintptr_t ImmInstallIMEA(const std::string& file, const std::string& layout_text) override;
  void ShowMessageBox(const std::u16string& text, std::uint32_t style) override;

 private:
  EntryPoint<UINT(WINAPI*)(LPSTR, UINT)> get_system_directory_{"kernel32", "GetSystemDirectoryA"};
  EntryPoint<HKL(WINAPI*)(LPCSTR, LPCSTR)> imm_install_ime_{"imm32.dll", "ImmInstallIMEA"};
};

}  // namespace vesktal::win32
