#include "activator/win32/windows_platform.h"

#include "activator/texts.h"
#include "windows/system_code_page.h"
#include "windows/wide_text.h"

namespace vesktal::win32 {

// Message boxes: an OK button only and no icon.
static_assert(kMessageStyle == MB_OK);

std::uint32_t WindowsPlatform::GetSystemDirectoryA(std::span<char> buffer) {
  return get_system_directory_(buffer.data(), static_cast<UINT>(buffer.size()));
}

Text WindowsPlatform::FromSystemCodePage(std::string_view bytes) {
  return windows::FromSystemCodePage<Text>(bytes);
}

CodePageText WindowsPlatform::ToSystemCodePage(std::u16string_view text) {
  return windows::ToSystemCodePage<CodePageText>(text);
}

std::optional<FileEntry> WindowsPlatform::FindEntry(const Text& path) {
  // The attributes of exactly this name; unlike a directory search, nothing
  // in the name is taken as a wildcard.
  const DWORD attributes = GetFileAttributesW(windows::WideString(path));
  if (attributes == INVALID_FILE_ATTRIBUTES) return std::nullopt;
  return FileEntry{.directory = (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0,
                   .hidden = (attributes & FILE_ATTRIBUTE_HIDDEN) != 0,
                   .system = (attributes & FILE_ATTRIBUTE_SYSTEM) != 0};
}

std::uintptr_t WindowsPlatform::ImmInstallIMEA(const CodePageText& file, const CodePageText& layout_text) {
  return reinterpret_cast<std::uintptr_t>(imm_install_ime_(file.c_str(), layout_text.c_str()));
}

void WindowsPlatform::ShowMessageBox(const Text& text, std::uint32_t style) {
  MessageBoxW(nullptr, windows::WideString(text), windows::WideString(Text(kApplicationTitle)), style);
}

}  // namespace vesktal::win32
