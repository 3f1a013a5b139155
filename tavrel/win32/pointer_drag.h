// The window's own drag: the window follows the pointer for as long as the
// button that began the drag is held.
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
