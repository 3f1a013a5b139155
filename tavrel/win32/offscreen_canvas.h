// A bitmap in memory, made like a drawing surface, to draw on before what is
// drawn is copied to the surface at once, or stretched onto it.
#pragma once

#include <windows.h>

namespace tavrel::win32 {

class OffscreenCanvas {
 public:
  OffscreenCanvas(HDC like, int width, int height)
      : dc_(CreateCompatibleDC(like)), bitmap_(CreateCompatibleBitmap(like, width, height)) {
    previous_ = SelectObject(dc_, bitmap_);
  }
  ~OffscreenCanvas() {
    SelectObject(dc_, previous_);
    DeleteObject(bitmap_);
    DeleteDC(dc_);
  }
  OffscreenCanvas(const OffscreenCanvas&) = delete;
  OffscreenCanvas& operator=(const OffscreenCanvas&) = delete;

  HDC Dc() const { return dc_; }

 private:
  HDC dc_;
  HBITMAP bitmap_;
  HGDIOBJ previous_ = nullptr;
};

}  // namespace tavrel::win32
