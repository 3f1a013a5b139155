// Routes the mouse over what the window draws itself (background, frame
// lines, labels, images) to the handlers of form_abc.h. The text boxes are
// windows of their own and get their mouse events from the system.
//
// - A frame line takes no mouse events: over a line the background has them.
// - Among overlapping visible images the upper one gets the mouse.
// - A button release belongs to the control that got the press, wherever the
//   pointer is then; while a button is held, moves belong to it as well.
// - A press of a further button while one is held belongs to no control, and
//   so does its release: the control has had its press already.
#pragma once

#include <optional>

#include "tavrel/form/window_layout.h"
#include "tavrel/form/window_design.h"
#include "tavrel/form/window_toolkit.h"

namespace tavrel::form {

// What the mouse is over, among what the window draws itself.
struct MouseTarget {
  enum class Kind { Background, Label, Image } kind = Kind::Background;
  int index = 0;  // into kLabels or kImages
  friend constexpr bool operator==(const MouseTarget&, const MouseTarget&) = default;
};

inline constexpr MouseTarget kBackground{};
constexpr MouseTarget TargetOf(Label label) { return {MouseTarget::Kind::Label, IndexOf(label)}; }
constexpr MouseTarget TargetOf(Image image) { return {MouseTarget::Kind::Image, IndexOf(image)}; }

// The mouse pointer to show.
enum class Pointer { Default, Hand, LinkHand };

class MouseRouter {
 public:
  MouseRouter(WindowToolkit& form, const WindowLayout& layout) : form_(form), layout_(layout) {}

  MouseTarget TargetAt(PixelPoint point) const;
  Pointer PointerAt(PixelPoint point) const;

  void Press(MouseButton button, PixelPoint point);
  void Move(PixelPoint point);
  void Release(MouseButton button, PixelPoint point);

  // The window lost the mouse (the system took it, or the window was hidden):
  // no button counts as held any more.
  void CaptureLost();

  // Whether a press is still waiting for its release: the toolkit keeps the
  // mouse captured while it is.
  bool ButtonsHeld() const { return held_ != 0; }

 private:
  WindowToolkit& form_;
  const WindowLayout& layout_;
  MouseTarget pressed_on_;
  // The button whose press chose pressed_on_, until its release.
  std::optional<MouseButton> pressed_with_;
  unsigned held_ = 0;
};

}  // namespace tavrel::form
