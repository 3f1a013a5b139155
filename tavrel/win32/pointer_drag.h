// The window moved with the pointer while a mouse button other than the left
// one is held on its background. The system's move serves only the left
// button: it lasts until a left release, so begun by another button it would
// leave the window stuck to the pointer, and take the keys, after that
// button's release.
#pragma once

#include <windows.h>

#include <optional>

#include "tavrel/form/window_toolkit.h"

namespace tavrel::win32 {

class PointerDrag {
 public:
  // From the pointer's place at the message being handled (the press): the
  // window keeps that place under the pointer. The window must have the
  // mouse captured for as long as the button is held.
  void Begin(HWND window, form::MouseButton button);

  // Moves the window to the pointer's place at the message being handled,
  // while a drag lasts.
  void Follow() const;

  // The drag ends at the release of the button that began it, or when the
  // window loses the mouse.
  void Release(form::MouseButton button);
  void End() { drag_.reset(); }

  bool Runs() const { return drag_.has_value(); }
  // The button that began the drag that runs.
  std::optional<form::MouseButton> Button() const {
    if (!drag_) return std::nullopt;
    return drag_->button;
  }

 private:
  struct Drag {
    HWND window;
    form::MouseButton button;
    POINT grip;  // the pointer, from the window's top-left corner
  };
  std::optional<Drag> drag_;
};

}  // namespace tavrel::win32
