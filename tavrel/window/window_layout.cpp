#include "tavrel/window/label_layout.h"

#include <algorithm>

namespace tavrel::window {

void LabelLayout::SetCaptionSize(Label label, int width, int height) {
  const LabelDesign& design = kLabels[IndexOf(label)];
  bounds_[IndexOf(label)] = {PixelsOfTwips(design.left), PixelsOfTwips(design.top), width, height};
}

bool LabelLayout::RunsInto(Label label, Box box) const {
  const PixelRect caption = Bounds(label);
  const PixelRect place = PixelsOf(DesignOf(box).place);
  const bool beside = caption.top < place.Bottom() && place.top < caption.Bottom();
  return beside && caption.left < place.left && caption.Right() > place.left;
}

int LabelLayout::LeftMarginOf(Box box) const {
  const int box_left = PixelsOf(DesignOf(box).place).left;
  int margin = 0;
  for (const LabelDesign& design : kLabels)
    if (RunsInto(design.label, box)) margin = std::max(margin, Bounds(design.label).Right() - box_left + 2);
  return margin;
}

}  // namespace tavrel::window
