#include "tavrel/win32/picture.h"

#include <cstring>
#include <string>

#include "tavrel/win32/offscreen_canvas.h"
#include "tavrel/win32/start_failure.h"

namespace tavrel::win32 {
namespace {

[[noreturn]] void ReportBrokenPicture(int resource) {
  ReportStartFailure("picture " + std::to_string(resource) + " cannot be read");
}

int PixelsOfHimetric(long himetric, int dots_per_inch) {
  return MulDiv(static_cast<int>(himetric), dots_per_inch, 2540);
}

}  // namespace

Picture::~Picture() {
  if (picture_ != nullptr) picture_->Release();
}

void Picture::Load(HINSTANCE instance, int resource) {
  HRSRC found = FindResourceW(instance, MAKEINTRESOURCEW(resource), RT_RCDATA);
  HGLOBAL loaded = found != nullptr ? LoadResource(instance, found) : nullptr;
  const void* bytes = loaded != nullptr ? LockResource(loaded) : nullptr;
  const DWORD size = found != nullptr ? SizeofResource(instance, found) : 0;
  if (bytes == nullptr || size == 0) ReportBrokenPicture(resource);

  // The stream owns the copy and frees it on its last release.
  HGLOBAL copy = GlobalAlloc(GMEM_MOVEABLE, size);
  if (copy == nullptr) ReportBrokenPicture(resource);
  std::memcpy(GlobalLock(copy), bytes, size);
  GlobalUnlock(copy);
  IStream* stream = nullptr;
  if (FAILED(CreateStreamOnHGlobal(copy, TRUE, &stream))) {
    GlobalFree(copy);
    ReportBrokenPicture(resource);
  }
  void* picture = nullptr;
  const HRESULT loaded_picture =
      OleLoadPicture(stream, static_cast<LONG>(size), FALSE, IID_IPicture, &picture);
  stream->Release();
  if (FAILED(loaded_picture) || picture == nullptr) ReportBrokenPicture(resource);
  picture_ = static_cast<IPicture*>(picture);

  picture_->get_Width(&himetric_width_);
  picture_->get_Height(&himetric_height_);
  // A decoded GIF or JPEG is a bitmap of the picture's own pixels.
  OLE_HANDLE handle = 0;
  BITMAP bitmap{};
  if (SUCCEEDED(picture_->get_Handle(&handle)) &&
      GetObjectW(reinterpret_cast<HGDIOBJ>(static_cast<UINT_PTR>(handle)), sizeof bitmap, &bitmap) != 0) {
    width_ = bitmap.bmWidth;
    height_ = bitmap.bmHeight;
    return;
  }
  HDC screen = GetDC(nullptr);
  width_ = PixelsOfHimetric(himetric_width_, GetDeviceCaps(screen, LOGPIXELSX));
  height_ = PixelsOfHimetric(himetric_height_, GetDeviceCaps(screen, LOGPIXELSY));
  ReleaseDC(nullptr, screen);
}

void Picture::Draw(HDC dc, int x, int y, int width, int height) const {
  if (picture_ == nullptr) return;
  if (width == width_ && height == height_) {
    picture_->Render(dc, x, y, width_, height_, 0, himetric_height_, himetric_width_, -himetric_height_,
                     nullptr);
    return;
  }
  // Drawn at its own size first, then stretched: the system's halftone
  // stretch averages the pixels instead of dropping or repeating them.
  const OffscreenCanvas own(dc, width_, height_);
  picture_->Render(own.Dc(), 0, 0, width_, height_, 0, himetric_height_, himetric_width_, -himetric_height_,
                   nullptr);
  const int previous_mode = SetStretchBltMode(dc, HALFTONE);
  POINT previous_origin{};
  SetBrushOrgEx(dc, 0, 0, &previous_origin);
  StretchBlt(dc, x, y, width, height, own.Dc(), 0, 0, width_, height_, SRCCOPY);
  SetBrushOrgEx(dc, previous_origin.x, previous_origin.y, nullptr);
  SetStretchBltMode(dc, previous_mode);
}

}  // namespace tavrel::win32
