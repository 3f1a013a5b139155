// Module FormR: while the window abc is minimized it is hidden, and an icon in
// the notification area stands for it; releasing the left or the right mouse
// button over the icon brings the window back.
//
// The icon's messages reach the window's own window procedure, so AddTrayIcon
// hooks it: TrayWindowProc watches for them and passes every message on to
// the procedure it replaced.
#pragma once

#include <cstdint>
#include <string_view>

#include "tavrel/tray/tray_icon_data.h"

namespace tavrel::tray {

inline constexpr std::int32_t kGwlWndProc = -4;
inline constexpr std::uint32_t kNimAdd = 0;
inline constexpr std::uint32_t kNimModify = 1;
inline constexpr std::uint32_t kNimDelete = 2;

inline constexpr std::uint32_t kWmDestroy = 0x0002;
inline constexpr std::uint32_t kWmEndSession = 0x0016;
inline constexpr std::uint32_t kWmLButtonUp = 0x0202;
inline constexpr std::uint32_t kWmRButtonUp = 0x0205;

// The operating-system calls of the tray icon; on Windows each is bound on
// its first call. SetWindowLongPtrA is SetWindowLongA in a 32-bit program.
class TrayShell {
 public:
  virtual ~TrayShell() = default;
  virtual Handle SetWindowLongPtrA(Handle window, std::int32_t index, Handle value) = 0;
  virtual Handle CallWindowProcA(Handle procedure, Handle window, std::uint32_t message, Handle wparam,
                                 Handle lparam) = 0;
  // Hands the record to the shell, which may write it back; true when done.
  virtual bool Shell_NotifyIconA(std::uint32_t message, AnsiRecord& record) = 0;
  // The message the shell sends to every top-level window when it has built
  // the notification area anew ("TaskbarCreated").
  virtual std::uint32_t TaskbarCreatedMessage() = 0;
};

// The window, as the tray icon needs it.
class TrayForm {
 public:
  virtual ~TrayForm() = default;
  virtual Handle WindowHandle() const = 0;
  virtual Handle IconHandle() const = 0;
  virtual bool IsMinimizedState() const = 0;
  virtual void SetNormal() = 0;
  virtual void Show() = 0;
  virtual void Hide() = 0;
};

class FormR {
 public:
  // tray_window_proc: the address that AddTrayIcon installs as the window
  // procedure, whose calls come back to TrayWindowProc. layout: the shell's
  // record as the program's platform has it.
  FormR(TrayShell& shell, const SystemCodePageText& code_page, Handle tray_window_proc,
        const AnsiRecordLayout& layout = kPlatformAnsiRecord)
      : shell_(shell), code_page_(code_page), tray_window_proc_(tray_window_proc), layout_(layout) {}

  // Hooks the window procedure, fills the record and adds the icon. Returns
  // whether the shell added it; when it did not, the hook is taken out again.
  bool AddTrayIcon(TrayForm& form);
  void SetTrayTip(std::u16string_view tip);
  void RemoveTrayIcon();
  Handle TrayWindowProc(Handle window, std::uint32_t message, Handle wparam, Handle lparam);

  bool InTray() const { return hooked_; }
  const TrayIconData& Record() const { return data_; }
  Handle OldWindowProc() const { return old_window_proc_; }

 private:
  // Hands the record to the shell and reads it back; true when the shell
  // did what it was asked.
  bool Notify(std::uint32_t message);
  void Unhook();

  TrayShell& shell_;
  const SystemCodePageText& code_page_;
  const Handle tray_window_proc_;
  const AnsiRecordLayout layout_;
  Handle old_window_proc_ = 0;
  TrayForm* tray_form_ = nullptr;
  TrayIconData data_;
  bool hooked_ = false;
};

// The window's size or state changed: on minimize, the icon with its tip
// "Tavrel" takes the window's place. When the icon cannot be added the window
// stays minimized where the user can still reach it.
void Form_Resize(TrayForm& form, FormR& tray);

}  // namespace tavrel::tray
