// A rectangle of pixels read off a drawing surface: a window as the screen
// shows it now, or a drawing in memory. Two readings of the same rectangle
// can be compared pixel for pixel.
#pragma once

#include <windows.h>

#include <cstddef>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace win32_testing {

// A colour as 0xRRGGBB.
using Pixel = std::uint32_t;

class PixelArea {
 public:
  PixelArea() = default;
  PixelArea(RECT area, std::vector<Pixel> pixels) : area_(area), pixels_(std::move(pixels)) {}

  // Where the pixels lie, in the coordinates of the surface they were read from.
  RECT Area() const { return area_; }
  int Width() const { return area_.right - area_.left; }
  int Height() const { return area_.bottom - area_.top; }

  // The pixel at a point of the surface, inside Area().
  Pixel At(int x, int y) const { return pixels_[(y - area_.top) * Width() + (x - area_.left)]; }
  // Row after row, from the top-left corner.
  const std::vector<Pixel>& Pixels() const { return pixels_; }
  // Whether it holds a pixel for every point of its area: a surface that
  // cannot be read gives none.
  bool IsRead() const { return pixels_.size() == static_cast<std::size_t>(Width() * Height()); }

  // The pixels of a part of the area.
  PixelArea Within(RECT part) const;

 private:
  RECT area_{};
  std::vector<Pixel> pixels_;
};

// The rectangle of a drawing surface, in its logical coordinates.
PixelArea ReadPixels(HDC surface, RECT area);

// The rectangle of a window's client area, of any process, as the screen
// shows it now: read off the screen, so that it holds whatever any window
// or control last drew there.
PixelArea ReadWindowPixels(HWND window, RECT area);

// How a reading differs from what was expected of the same rectangle: empty
// when every pixel is equal, else how many pixels differ, the rectangle they
// lie in and the first of them.
std::string DifferencesFrom(const PixelArea& expected, const PixelArea& seen);

}  // namespace win32_testing
