// Where the window's parts lie on the screen, in pixels: the design's twips
// converted at the screen's dots per inch, read once when the window starts.
// The mouse routing, the painting, the boxes and the tooltips all read their
// places from here.
//
// A label is drawn flat on the skin, as large as its one-line caption in its
// font, with its top-left corner where the design puts it. Only the toolkit
// can measure a caption, so it gives the layout each caption's size whenever
// a label's font changes.
//
// A caption longer than the room before its box ("Ombrik码" before Text2)
// runs on into the box: the box keeps its text clear of it with a left
// margin, and draws the end of the caption over itself.
#pragma once

#include <array>

#include "tavrel/form/window_design.h"

namespace tavrel::form {

struct PixelSize {
  int width, height;
  friend constexpr bool operator==(const PixelSize&, const PixelSize&) = default;
};

class WindowLayout {
 public:
  explicit WindowLayout(int dots_per_inch) : dots_per_inch_(dots_per_inch) {}

  int DotsPerInch() const { return dots_per_inch_; }

  int Pixels(int twips) const { return PixelsOfTwips(twips, dots_per_inch_); }
  PixelPoint Pixels(int x_twips, int y_twips) const { return {Pixels(x_twips), Pixels(y_twips)}; }
  PixelRect Pixels(const TwipRect& r) const { return PixelsOf(r, dots_per_inch_); }

  // The window as Form_Load sizes it, which its skin covers, and as it was
  // designed, before that.
  PixelSize LoadedWindow() const { return {Pixels(kWindow.loaded_width), Pixels(kWindow.loaded_height)}; }
  PixelSize DesignedWindow() const {
    return {Pixels(kWindow.design_client_width), Pixels(kWindow.design_client_height)};
  }
  // Where the window is first shown, on the screen.
  PixelPoint FirstPosition() const { return Pixels(kWindow.left, kWindow.top); }

  PixelRect PlaceOf(Box box) const { return Pixels(DesignOf(box).place); }
  PixelRect PlaceOf(Image image) const { return Pixels(kImages[IndexOf(image)].place); }

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
  int dots_per_inch_;
  std::array<PixelRect, kLabelCount> bounds_{};
};

}  // namespace tavrel::form
