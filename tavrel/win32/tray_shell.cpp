#include "tavrel/win32/tray_shell.h"

#include <shellapi.h>

#include <cstddef>
#include <type_traits>

#include "tavrel/win32/entry_point.h"
#include "tavrel/win32/system_code_page.h"

namespace tavrel::win32 {
namespace {

// The shell's ANSI record and the constants of the tray, as the system's
// headers have them.
constexpr tray::AnsiRecordLayout kRecord = tray::kPlatformAnsiRecord;
static_assert(kRecord.size == NOTIFYICONDATAA_V1_SIZE);
static_assert(kRecord.hwnd == offsetof(NOTIFYICONDATAA, hWnd) && kRecord.handle_size == sizeof(HWND));
static_assert(kRecord.uid == offsetof(NOTIFYICONDATAA, uID));
static_assert(kRecord.flags == offsetof(NOTIFYICONDATAA, uFlags));
static_assert(kRecord.callback_message == offsetof(NOTIFYICONDATAA, uCallbackMessage));
static_assert(kRecord.icon == offsetof(NOTIFYICONDATAA, hIcon) && kRecord.handle_size == sizeof(HICON));
static_assert(kRecord.tip == offsetof(NOTIFYICONDATAA, szTip));
static_assert(sizeof(tray::Handle) == sizeof(LONG_PTR) && sizeof(tray::Handle) == sizeof(WPARAM));
static_assert(tray::kNifMessage == NIF_MESSAGE && tray::kNifIcon == NIF_ICON && tray::kNifTip == NIF_TIP);
static_assert(tray::kNimAdd == NIM_ADD && tray::kNimModify == NIM_MODIFY && tray::kNimDelete == NIM_DELETE);
static_assert(tray::kGwlWndProc == GWLP_WNDPROC);
static_assert(tray::kWmDestroy == WM_DESTROY && tray::kWmEndSession == WM_ENDSESSION);
static_assert(tray::kWmLButtonUp == WM_LBUTTONUP && tray::kWmRButtonUp == WM_RBUTTONUP);
// The icon's own message lies among those a window class may define.
static_assert(tray::kTrayCallbackMessage >= WM_USER && tray::kTrayCallbackMessage < WM_APP);

// A 32-bit user32 has no SetWindowLongPtrA: there the window long is the
// pointer, and SetWindowLongA sets it (the 32-bit header makes the name
// SetWindowLongPtrA a macro for SetWindowLongA).
constexpr bool kWindowLongIsPointer = sizeof(LONG_PTR) == sizeof(LONG);
using SetWindowLongPtrAFunction =
    std::conditional_t<kWindowLongIsPointer, decltype(&::SetWindowLongA), decltype(&::SetWindowLongPtrA)>;
constexpr const char* kSetWindowLongPtrA = kWindowLongIsPointer ? "SetWindowLongA" : "SetWindowLongPtrA";

EntryPoint<SetWindowLongPtrAFunction> set_window_long_ptr("user32.dll", kSetWindowLongPtrA);
EntryPoint<decltype(&::CallWindowProcA)> call_window_proc("user32.dll", "CallWindowProcA");
EntryPoint<decltype(&::Shell_NotifyIconA)> shell_notify_icon("shell32.dll", "Shell_NotifyIconA");

template <typename Pointer>
Pointer FromValue(tray::Handle value) {
  return reinterpret_cast<Pointer>(value);
}

// The window property that holds the window's FormR.
constexpr char kTrayModuleProperty[] = "Tavrel.FormR";

}  // namespace

tray::Handle TrayShellWin32::SetWindowLongPtrA(tray::Handle window, std::int32_t index, tray::Handle value) {
  return static_cast<tray::Handle>(
      set_window_long_ptr(FromValue<HWND>(window), index, static_cast<LONG_PTR>(value)));
}

tray::Handle TrayShellWin32::CallWindowProcA(tray::Handle procedure, tray::Handle window, std::uint32_t message,
                                             tray::Handle wparam, tray::Handle lparam) {
  return static_cast<tray::Handle>(call_window_proc(FromValue<WNDPROC>(procedure), FromValue<HWND>(window),
                                                    message, static_cast<WPARAM>(wparam),
                                                    static_cast<LPARAM>(lparam)));
}

bool TrayShellWin32::Shell_NotifyIconA(std::uint32_t message, tray::AnsiRecord& record) {
  return shell_notify_icon(message, reinterpret_cast<PNOTIFYICONDATAA>(record.data())) != FALSE;
}

std::uint32_t TrayShellWin32::TaskbarCreatedMessage() {
  static const UINT message = RegisterWindowMessageA("TaskbarCreated");
  return message;
}

void AttachTrayModule(HWND window, tray::FormR& module) { SetPropA(window, kTrayModuleProperty, &module); }

void DetachTrayModule(HWND window) { RemovePropA(window, kTrayModuleProperty); }

LRESULT CALLBACK TrayWindowProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  auto* module = static_cast<tray::FormR*>(GetPropA(window, kTrayModuleProperty));
  // Only the FormR attached to the window installs this procedure, and it
  // stays attached until the window is gone.
  if (module == nullptr) return DefWindowProcA(window, message, wparam, lparam);
  const tray::Handle result =
      module->TrayWindowProc(reinterpret_cast<tray::Handle>(window), message, static_cast<tray::Handle>(wparam),
                             static_cast<tray::Handle>(lparam));
  return static_cast<LRESULT>(result);
}

}  // namespace tavrel::win32
