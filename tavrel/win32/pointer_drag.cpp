#include "tavrel/win32/pointer_drag.h"

#include <windowsx.h>

namespace tavrel::win32 {
namespace {

// Where the pointer was on the screen when the message being handled was
// sent: later moves still wait in the queue.
POINT PointerAtMessage() {
  const DWORD position = GetMessagePos();
  return {GET_X_LPARAM(position), GET_Y_LPARAM(position)};
}

}  // namespace

void PointerDrag::Begin(HWND window, form::MouseButton button) {
  RECT frame{};
  GetWindowRect(window, &frame);
  const POINT pointer = PointerAtMessage();
  drag_ = Drag{window, button, {pointer.x - frame.left, pointer.y - frame.top}};
}

void PointerDrag::Follow() const {
  if (!drag_) return;
  const POINT pointer = PointerAtMessage();
  SetWindowPos(drag_->window, nullptr, pointer.x - drag_->grip.x, pointer.y - drag_->grip.y, 0, 0,
               SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void PointerDrag::Release(form::MouseButton button) {
  if (drag_ && drag_->button == button) drag_.reset();
}

}  // namespace tavrel::win32
