#include "tavrel/win32/box_text.h"

#include "windows/wide_text.h"

namespace tavrel::win32 {

std::u16string TextOf(HWND box) {
  std::u16string text(static_cast<std::size_t>(GetWindowTextLengthW(box)), u'\0');
  if (!text.empty()) {
    const int copied = GetWindowTextW(box, windows::WideUnits(text.data()), static_cast<int>(text.size() + 1));
    text.resize(static_cast<std::size_t>(copied > 0 ? copied : 0));
  }
  return text;
}

}  // namespace tavrel::win32
