#include "tavrel/form/mouse_routing.h"

#include "tavrel/form/form_abc.h"

namespace tavrel::form {
namespace {

unsigned BitOf(MouseButton button) { return 1u << static_cast<unsigned>(button); }

bool Is(MouseTarget target, Image image) { return target == TargetOf(image); }

}  // namespace

MouseTarget MouseRouter::TargetAt(PixelPoint point) const {
  // From the top down: what is drawn last lies above.
  for (auto it = kDrawingOrder.rbegin(); it != kDrawingOrder.rend(); ++it) {
    const DrawnItem& item = *it;
    switch (item.kind) {
      case DrawnItem::Kind::Line:
        break;
      case DrawnItem::Kind::Label:
        if (layout_.Bounds(kLabels[item.index].label).Contains(point))
          return {MouseTarget::Kind::Label, item.index};
        break;
      case DrawnItem::Kind::Image:
        if (form_.IsImageVisible(kImages[item.index].image) &&
            layout_.PlaceOf(kImages[item.index].image).Contains(point))
          return {MouseTarget::Kind::Image, item.index};
        break;
    }
  }
  return kBackground;
}

Pointer MouseRouter::PointerAt(PixelPoint point) const {
  const MouseTarget target = TargetAt(point);
  if (target.kind == MouseTarget::Kind::Image) return Pointer::Hand;
  if (target == TargetOf(Label::Label4)) return Pointer::LinkHand;
  return Pointer::Default;
}

void MouseRouter::Press(MouseButton button, PixelPoint point) {
  const bool further = held_ != 0;
  held_ |= BitOf(button);
  if (further) return;
  pressed_on_ = TargetAt(point);
  pressed_with_ = button;
  const MouseTarget target = pressed_on_;
  // The handlers may move, minimize or unload the window: nothing of the
  // router is used after them.
  if (target == kBackground) {
    Form_MouseDown(form_, button);
  } else if (Is(target, Image::Image2)) {
    Image2_MouseDown(form_);
  } else if (Is(target, Image::Image5)) {
    Image5_MouseDown(form_);
  }
}

void MouseRouter::Move(PixelPoint point) {
  const MouseTarget target = held_ != 0 ? pressed_on_ : TargetAt(point);
  if (target == kBackground) {
    Form_MouseMove(form_);
  } else if (Is(target, Image::Image1)) {
    Image1_MouseMove(form_);
  } else if (Is(target, Image::Image4)) {
    Image4_MouseMove(form_);
  }
}

void MouseRouter::Release(MouseButton button, PixelPoint point) {
  // A release without its press here (the press fell outside the window, or
  // the system took the mouse meanwhile) belongs to no control, and so does
  // a further button's.
  if ((held_ & BitOf(button)) == 0) return;
  held_ &= ~BitOf(button);
  if (pressed_with_ != button) return;
  pressed_with_.reset();
  const MouseTarget target = pressed_on_;
  const bool clicked = button == MouseButton::Left && TargetAt(point) == target;
  if (Is(target, Image::Image2)) {
    Image2_MouseUp(form_);
  } else if (Is(target, Image::Image6)) {
    Image6_MouseUp(form_);
  } else if (clicked && target == TargetOf(Label::Label4)) {
    Label4_Click(form_);
  }
}

void MouseRouter::CaptureLost() {
  held_ = 0;
  pressed_with_.reset();
}

}  // namespace tavrel::form
