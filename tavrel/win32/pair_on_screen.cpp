#include "tavrel/win32/pair_on_screen.h"

#include <usp10.h>

namespace tavrel::win32 {
namespace {

// How wide a pair is laid out in the box's font: as the box lays out its
// text, with the fallback fonts that have the character.
int WidthOfPair(HWND box, std::u16string_view pair) {
  HDC dc = GetDC(box);
  HGDIOBJ previous = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(box, WM_GETFONT, 0, 0)));
  int width = 0;
  SCRIPT_STRING_ANALYSIS analysis = nullptr;
  if (SUCCEEDED(ScriptStringAnalyse(dc, pair.data(), static_cast<int>(pair.size()), 16, -1,
                                    SSA_GLYPHS | SSA_FALLBACK | SSA_LINK, 0, nullptr, nullptr, nullptr, nullptr,
                                    nullptr, &analysis))) {
    if (const SIZE* size = ScriptString_pSize(analysis); size != nullptr) width = size->cx;
    ScriptStringFree(&analysis);
  }
  SelectObject(dc, previous);
  ReleaseDC(box, dc);
  return width;
}

int LeftEdgeOf(HWND box, std::size_t unit) {
  return static_cast<short>(LOWORD(SendMessageW(box, EM_POSFROMCHAR, unit, 0)));
}

}  // namespace

// Up to the next character's left edge, which the box tells; it tells none
// past the end of its text.
form::PixelSpan PairOnScreen(HWND box, std::u16string_view text, std::size_t start) {
  const int left = LeftEdgeOf(box, start);
  if (start + 2 < text.size()) return {left, LeftEdgeOf(box, start + 2) - left};
  return {left, WidthOfPair(box, text.substr(start, 2))};
}

}  // namespace tavrel::win32
