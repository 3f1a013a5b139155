// The tray icon's operating-system calls on Win32, and the window procedure
// that the hook installs.
#pragma once

#include <windows.h>

#include "tavrel/tray/form_r.h"

namespace tavrel::win32 {

// SetWindowLongPtrA (SetWindowLongA in a 32-bit program), CallWindowProcA
// (user32) and Shell_NotifyIconA (shell32), each bound on its first call.
class TrayShellWin32 final : public tray::TrayShell {
 public:
  tray::Handle SetWindowLongPtrA(tray::Handle window, std::int32_t index, tray::Handle value) override;
  tray::Handle CallWindowProcA(tray::Handle procedure, tray::Handle window, std::uint32_t message,
                               tray::Handle wparam, tray::Handle lparam) override;
  bool Shell_NotifyIconA(std::uint32_t message, tray::AnsiRecord& record) override;
  std::uint32_t TaskbarCreatedMessage() override;
};

// The address that the hook installs as the window procedure. It passes each
// message to the FormR attached to the window it is called for.
LRESULT CALLBACK TrayWindowProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam);

// Attaches the FormR that may hook the window to it, as a window property,
// so that TrayWindowProc finds it; detach it before the window is gone.
void AttachTrayModule(HWND window, tray::FormR& module);
void DetachTrayModule(HWND window);

}  // namespace tavrel::win32
