#include "tests/support/pixel_area.h"

#include <algorithm>
#include <cstdio>

namespace win32_testing {
namespace {

std::string Hex(Pixel pixel) {
  char text[8];
  std::snprintf(text, sizeof text, "#%06x", static_cast<unsigned>(pixel & 0xFFFFFF));
  return text;
}

std::string Text(const RECT& r) {
  char text[64];
  std::snprintf(text, sizeof text, "(%ld, %ld)-(%ld, %ld)", static_cast<long>(r.left), static_cast<long>(r.top),
                static_cast<long>(r.right), static_cast<long>(r.bottom));
  return text;
}

}  // namespace

PixelArea PixelArea::Within(RECT part) const {
  if (!IsRead()) return PixelArea(part, {});
  std::vector<Pixel> pixels;
  for (int y = part.top; y < part.bottom; ++y)
    for (int x = part.left; x < part.right; ++x) pixels.push_back(At(x, y));
  return PixelArea(part, std::move(pixels));
}

PixelArea ReadPixels(HDC surface, RECT area) {
  const int width = area.right - area.left;
  const int height = area.bottom - area.top;
  if (width <= 0 || height <= 0) return PixelArea(area, {});
  // A top-down 32-bit section: each pixel is one 0x00RRGGBB word, row after row.
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  HBITMAP section = CreateDIBSection(surface, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  if (section == nullptr) return PixelArea(area, {});
  HDC copy = CreateCompatibleDC(surface);
  HGDIOBJ previous = SelectObject(copy, section);
  BitBlt(copy, 0, 0, width, height, surface, area.left, area.top, SRCCOPY);
  GdiFlush();
  std::vector<Pixel> pixels(static_cast<const Pixel*>(bits), static_cast<const Pixel*>(bits) + width * height);
  for (Pixel& pixel : pixels) pixel &= 0xFFFFFF;
  SelectObject(copy, previous);
  DeleteDC(copy);
  DeleteObject(section);
  return PixelArea(area, std::move(pixels));
}

PixelArea ReadWindowPixels(HWND window, RECT area) {
  RECT on_screen = area;
  MapWindowPoints(window, nullptr, reinterpret_cast<POINT*>(&on_screen), 2);
  HDC screen = GetDC(nullptr);
  const PixelArea read = ReadPixels(screen, on_screen);
  ReleaseDC(nullptr, screen);
  return PixelArea(area, read.Pixels());
}

std::string DifferencesFrom(const PixelArea& expected, const PixelArea& seen) {
  const RECT area = expected.Area();
  const RECT seen_area = seen.Area();
  if (!EqualRect(&area, &seen_area)) return "read another area: " + Text(seen_area) + " for " + Text(area);
  if (!seen.IsRead() || !expected.IsRead()) return "no pixels read of " + Text(area);
  int count = 0;
  RECT bounds{area.right, area.bottom, area.left, area.top};
  std::string first;
  for (int y = area.top; y < area.bottom; ++y) {
    for (int x = area.left; x < area.right; ++x) {
      if (expected.At(x, y) == seen.At(x, y)) continue;
      if (++count == 1) {
        char text[80];
        std::snprintf(text, sizeof text, "first at (%d, %d): %s where %s was expected", x, y,
                      Hex(seen.At(x, y)).c_str(), Hex(expected.At(x, y)).c_str());
        first = text;
      }
      bounds = {std::min<LONG>(bounds.left, x), std::min<LONG>(bounds.top, y), std::max<LONG>(bounds.right, x + 1),
                std::max<LONG>(bounds.bottom, y + 1)};
    }
  }
  if (count == 0) return {};
  return std::to_string(count) + " of " + std::to_string(expected.Width() * expected.Height()) +
         " pixels differ, within " + Text(bounds) + "; " + first;
}

}  // namespace win32_testing
