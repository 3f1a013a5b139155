// A GIF or JPEG picture kept as a resource of the program, decoded by the
// system (OleLoadPicture) and drawn at its own pixel size, or stretched
// smoothly to another.
#pragma once

#include <windows.h>

#include <ocidl.h>
#include <olectl.h>

namespace tavrel::win32 {

class Picture {
 public:
  Picture() = default;
  Picture(const Picture&) = delete;
  Picture& operator=(const Picture&) = delete;
  ~Picture();

  // Decodes the RCDATA resource; a picture that cannot be decoded ends the
  // program with a report, as it can only be a fault of the build.
  void Load(HINSTANCE instance, int resource);

  int Width() const { return width_; }
  int Height() const { return height_; }

  // Draws the picture into the rectangle: unscaled when it is the picture's
  // own size, else stretched to it with halftone smoothing.
  void Draw(HDC dc, int x, int y, int width, int height) const;

 private:
  IPicture* picture_ = nullptr;
  int width_ = 0;
  int height_ = 0;
  OLE_XSIZE_HIMETRIC himetric_width_ = 0;
  OLE_YSIZE_HIMETRIC himetric_height_ = 0;
};

}  // namespace tavrel::win32
