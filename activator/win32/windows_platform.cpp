#include "activator/win32/windows_platform.h"

#include "activator/texts.h"

namespace vesktal::win32 {

// Message boxes: an OK button only and no icon.
static_assert(kMessageStyle == MB_OK);

namespace {

std::wstring Wide(std::u16string_view text) { return std::wstring(text.begin(), text.end()); }

}  // namespace

std::uint32_t WindowsPlatform::GetSystemDirectoryA(std::span<char> buffer) {
  return get_system_directory_(buffer.data(), static_cast<UINT>(buffer.size()));
}

std::u16string WindowsPlatform::FromSystemCodePage(std::string_view bytes) {
  if (bytes.empty()) return {};
  const int size = static_cast<int>(bytes.size());
  const int length = MultiByteToWideChar(CP_ACP, 0, bytes.data(), size, nullptr, 0);
  std::wstring wide(static_cast<std::size_t>(length), L'\0');
  MultiByteToWideChar(CP_ACP, 0, bytes.data(), size, wide.data(), length);
  return std::u16string(wide.begin(), wide.end());
}

std::string WindowsPlatform::ToSystemCodePage(std::u16string_view text) {
  if (text.empty()) return {};
  const std::wstring wide = Wide(text);
  const int size = static_cast<int>(wide.size());
  const int length = WideCharToMultiByte(CP_ACP, 0, wide.data(), size, nullptr, 0, nullptr, nullptr);
  std::string bytes(static_cast<std::size_t>(length), '\0');
  WideCharToMultiByte(CP_ACP, 0, wide.data(), size, bytes.data(), length, nullptr, nullptr);
  return bytes;
}

std::optional<FileEntry> WindowsPlatform::FindEntry(const std::u16string& path) {
  // The attributes of exactly this name; unlike a directory search, nothing
  // in the name is taken as a wildcard.
  const DWORD attributes = GetFileAttributesW(Wide(path).c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES) return std::nullopt;
  return FileEntry{.directory = (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0,
                   .hidden = (attributes & FILE_ATTRIBUTE_HIDDEN) != 0,
                   .system = (attributes & FILE_ATTRIBUTE_SYSTEM) != 0};
}

std::uintptr_t WindowsPlatform::ImmInstallIMEA(const std::string& file, const std::string& layout_text) {
  return reinterpret_cast<std::uintptr_t>(imm_install_ime_(file.c_str(), layout_text.c_str()));
}

void WindowsPlatform::ShowMessageBox(const std::u16string& text, std::uint32_t style) {
  MessageBoxW(nullptr, Wide(text).c_str(), Wide(kApplicationTitle).c_str(), style);
}

}  // namespace vesktal::win32
