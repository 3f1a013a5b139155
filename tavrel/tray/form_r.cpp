#include "tavrel/tray/form_r.h"

namespace tavrel::tray {

bool FormR::Notify(std::uint32_t message) {
  AnsiRecord record = ToAnsiRecord(data_, code_page_, layout_);
  const bool done = shell_.Shell_NotifyIconA(message, record);
  ReadBack(data_, record, code_page_, layout_);
  return done;
}

void FormR::Unhook() {
  shell_.SetWindowLongPtrA(tray_form_->WindowHandle(), kGwlWndProc, old_window_proc_);
  hooked_ = false;
}

bool FormR::AddTrayIcon(TrayForm& form) {
  // Hooking twice would chain the hook to itself.
  if (hooked_) return true;
  tray_form_ = &form;
  old_window_proc_ = shell_.SetWindowLongPtrA(form.WindowHandle(), kGwlWndProc, tray_window_proc_);
  hooked_ = true;
  data_.uID = 0;
  data_.cbSize = static_cast<std::uint32_t>(layout_.size);
  data_.hWnd = form.WindowHandle();
  data_.hIcon = form.IconHandle();
  data_.uCallbackMessage = kTrayCallbackMessage;
  data_.uFlags = kNifMessage | kNifIcon;
  // The size once more, last before the add, in the order the record has
  // always been filled in; the same value as above.
  data_.cbSize = static_cast<std::uint32_t>(layout_.size);
  if (Notify(kNimAdd)) return true;
  Unhook();
  return false;
}

void FormR::SetTrayTip(std::u16string_view tip) {
  data_.szTip = TipField(tip);
  data_.uFlags = kNifTip;
  Notify(kNimModify);
}

void FormR::RemoveTrayIcon() {
  data_.uFlags = 0;
  Notify(kNimDelete);
  Unhook();
}

Handle FormR::TrayWindowProc(Handle window, std::uint32_t message, Handle wparam, Handle lparam) {
  // Read before anything below may take the hook out.
  const Handle old_window_proc = old_window_proc_;
  if (hooked_) {
    if (message == kTrayCallbackMessage && (lparam == kWmLButtonUp || lparam == kWmRButtonUp)) {
      RemoveTrayIcon();
      tray_form_->SetNormal();
      tray_form_->Show();
    } else if (message == shell_.TaskbarCreatedMessage()) {
      // The notification area was built anew without the icon: add it again,
      // or the hidden window could not be brought back. When that fails, the
      // window shows again, minimized, where the user can reach it.
      data_.uFlags = kNifMessage | kNifIcon;
      if (Notify(kNimAdd)) {
        data_.uFlags = kNifTip;
        Notify(kNimModify);
      } else {
        Unhook();
        tray_form_->Show();
      }
    } else if (message == kWmDestroy || (message == kWmEndSession && wparam != 0)) {
      // Ended from outside while hidden: take the icon away first.
      RemoveTrayIcon();
    }
  }
  return shell_.CallWindowProcA(old_window_proc, window, message, wparam, lparam);
}

void Form_Resize(TrayForm& form, FormR& tray) {
  if (!form.IsMinimizedState()) return;
  if (!tray.AddTrayIcon(form)) return;
  tray.SetTrayTip(u"Tavrel");
  form.Hide();
}

}  // namespace tavrel::tray
