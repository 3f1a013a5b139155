#include "tavrel/win32/screen_font.h"

#include <cwchar>

#include "tavrel/form/window_design.h"
#include "windows/wide_text.h"

namespace tavrel::win32 {

int ScreenDotsPerInch() {
  HDC screen = GetDC(nullptr);
  const int dots_per_inch = GetDeviceCaps(screen, LOGPIXELSY);
  ReleaseDC(nullptr, screen);
  return dots_per_inch > 0 ? dots_per_inch : form::kDesignDotsPerInch;
}

HFONT MakeFont(const std::u16string& name, int points, int weight, int character_set, int dots_per_inch) {
  LOGFONTW font{};
  font.lfHeight = -MulDiv(points, dots_per_inch, 72);
  font.lfWeight = weight;
  font.lfCharSet = static_cast<BYTE>(character_set);
  font.lfOutPrecision = OUT_DEFAULT_PRECIS;
  font.lfClipPrecision = CLIP_DEFAULT_PRECIS;
  font.lfQuality = DEFAULT_QUALITY;
  font.lfPitchAndFamily = DEFAULT_PITCH | FF_DONTCARE;
  const std::size_t length = name.size() < LF_FACESIZE - 1 ? name.size() : LF_FACESIZE - 1;
  std::wmemcpy(font.lfFaceName, windows::WideUnits(name), length);
  return CreateFontIndirectW(&font);
}

}  // namespace tavrel::win32
