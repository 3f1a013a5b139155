#include "lookup/win32/tray_shell.h"

#include "lookup/win32/entry_point.h"
#include "lookup/win32/system_code_page.h"

namespace tavrel::win32 {
namespace {

using SetWindowLongAFunction = LONG(WINAPI*)(HWND, int, LONG);
using CallWindowProcAFunction = LRESULT(WINAPI*)(WNDPROC, HWND, UINT, WPARAM, LPARAM);
using Shell_NotifyIconAFunction = BOOL(WINAPI*)(DWORD, void*);

EntryPoint<SetWindowLongAFunction> set_window_long("user32", "SetWindowLongA");
EntryPoint<CallWindowProcAFunction> call_window_proc("user32", "CallWindowProcA");
EntryPoint<Shell_NotifyIconAFunction> shell_notify_icon("shell32", "Shell_NotifyIconA");

// Handles and procedure addresses of a 32-bit program, as the record keeps them.
template <typename Handle>
Handle FromValue(std::uint32_t value) {
  return reinterpret_cast<Handle>(static_cast<std::uintptr_t>(value));
}

}  // namespace

std::uint32_t TrayShellWin32::SetWindowLongA(std::uint32_t window, std::int32_t index, std::uint32_t value) {
  return static_cast<std::uint32_t>(set_window_long(FromValue<HWND>(window), index, static_cast<LONG>(value)));
}

std::uint32_t TrayShellWin32::CallWindowProcA(std::uint32_t procedure, std::uint32_t window, std::uint32_t message,
                                              std::uint32_t wparam, std::uint32_t lparam) {
  return static_cast<std::uint32_t>(call_window_proc(FromValue<WNDPROC>(procedure), FromValue<HWND>(window),
                                                     message, static_cast<WPARAM>(wparam),
                                                     static_cast<LPARAM>(lparam)));
}

bool TrayShellWin32::Shell_NotifyIconA(std::uint32_t message, tray::AnsiRecord& record) {
  return shell_notify_icon(message, record.data()) != FALSE;
}

std::uint32_t TrayShellWin32::TaskbarCreatedMessage() {
  static const UINT message = RegisterWindowMessageA("TaskbarCreated");
  return message;
}

std::string SystemCodePageTextWin32::CharacterBytes(char16_t character) const { return AnsiBytes(character); }

std::u16string SystemCodePageTextWin32::FromBytes(std::string_view bytes) const {
  if (bytes.empty()) return {};
  const int size = static_cast<int>(bytes.size());
  const int length = MultiByteToWideChar(CP_ACP, 0, bytes.data(), size, nullptr, 0);
  std::wstring wide(static_cast<std::size_t>(length), L'\0');
  MultiByteToWideChar(CP_ACP, 0, bytes.data(), size, wide.data(), length);
  return std::u16string(wide.begin(), wide.end());
}

tray::FormR& TrayModule() {
  static TrayShellWin32 shell;
  static SystemCodePageTextWin32 code_page;
  static tray::FormR module(shell, code_page,
                            static_cast<std::uint32_t>(reinterpret_cast<std::uintptr_t>(&TrayWindowProc)));
  return module;
}

LRESULT CALLBACK TrayWindowProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  const std::uint32_t result = TrayModule().TrayWindowProc(
      static_cast<std::uint32_t>(reinterpret_cast<std::uintptr_t>(window)), message,
      static_cast<std::uint32_t>(wparam), static_cast<std::uint32_t>(lparam));
  return static_cast<LRESULT>(static_cast<std::int32_t>(result));
}

}  // namespace tavrel::win32
