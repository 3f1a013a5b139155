// Where the window's labels lie. A label is drawn flat on the skin, as large
// as its one-line caption in its font, with its top-left corner where the
// window's design puts it. Only the toolkit can measure a caption, so it
// gives the layout each caption's size whenever a label's font changes; the
// mouse routing, the painting and the tooltips all read the bounds from here.
//
// A caption longer than the room before its box ("Ombrik码" before Text2)
// runs on into the box: the box keeps its text clear of it with a left
// margin, and draws the end of the caption over itself.
#pragma once

#include <array>

#include "tavrel/window/window_design.h"

namespace tavrel::window {

class LabelLayout {
 public:
  // The caption's size in pixels, in the label's font.
  void SetCaptionSize(Label label, int width, int height);

  // Empty until the caption's size is known.
  PixelRect Bounds(Label label) const { return bounds_[IndexOf(label)]; }

  // Whether the label's caption runs on into the box: the two share rows, and
  // the caption starts before the box and ends past its left edge.
  bool RunsInto(Label label, Box box) const;

  // The left margin that keeps the box's text two pixels clear of every
  // caption that runs into it; 0 when none does.
  int LeftMarginOf(Box box) const;

 private:
  std::array<PixelRect, kLabelCount> bounds_{};
};

}  // namespace tavrel::window
