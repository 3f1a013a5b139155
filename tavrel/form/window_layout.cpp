#include "tavrel/form/window_layout.h"

#include <algorithm>

namespace tavrel::form {

void WindowLayout::SetCaptionSize(Label label, int width, int height) {
  const LabelDesign& design = kLabels[IndexOf(label)];
  const PixelPoint corner = Pixels(design.left, design.top);
  bounds_[IndexOf(label)] = {corner.x, corner.y, width, height};
}

bool WindowLayout::RunsInto(Label label, Box box) const {
  const PixelRect caption = Bounds(label);
  const PixelRect place = PlaceOf(box);
  const bool beside = caption.top < place.Bottom() && place.top < caption.Bottom();
  return beside && caption.left < place.left && caption.Right() > place.left;
}

int WindowLayout::LeftMarginOf(Box box) const {
  const int box_left = PlaceOf(box).left;
  int margin = 0;
  for (const LabelDesign& design : kLabels)
    if (RunsInto(design.label, box)) margin = std::max(margin, Bounds(design.label).Right() - box_left + 2);
  return margin;
}

}  // namespace tavrel::form
