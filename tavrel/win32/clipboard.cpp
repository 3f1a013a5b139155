#include "tavrel/win32/clipboard.h"

#include <cstring>

namespace tavrel::win32 {
namespace {

constexpr int kOpenAttempts = 10;
constexpr DWORD kPauseBetweenAttempts = 20;  // milliseconds

bool OpenClipboardSoon(HWND owner) {
  for (int attempt = 0; attempt < kOpenAttempts; ++attempt) {
    if (OpenClipboard(owner)) return true;
    Sleep(kPauseBetweenAttempts);
  }
  return false;
}

HGLOBAL UnicodeTextBlock(std::u16string_view text) {
  const SIZE_T bytes = (text.size() + 1) * sizeof(char16_t);
  HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, bytes);
  if (block == nullptr) return nullptr;
  auto* units = static_cast<char16_t*>(GlobalLock(block));
  std::memcpy(units, text.data(), text.size() * sizeof(char16_t));
  units[text.size()] = u'\0';
  GlobalUnlock(block);
  return block;
}

// The locale that the Unicode text is converted with for a program that asks
// for ANSI text: the system's, whose code page the text came from. Without
// it, Windows takes the keyboard's, and Chinese would become "?" under an
// English keyboard layout.
void PutLocale() {
  HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, sizeof(LCID));
  if (block == nullptr) return;
  *static_cast<LCID*>(GlobalLock(block)) = GetSystemDefaultLCID();
  GlobalUnlock(block);
  if (SetClipboardData(CF_LOCALE, block) == nullptr) GlobalFree(block);
}

}  // namespace

bool PutTextOnClipboard(HWND owner, std::u16string_view text) {
  HGLOBAL block = UnicodeTextBlock(text);
  if (block == nullptr) return false;
  if (!OpenClipboardSoon(owner)) {
    GlobalFree(block);
    return false;
  }
  bool placed = false;
  if (EmptyClipboard()) placed = SetClipboardData(CF_UNICODETEXT, block) != nullptr;
  if (placed) PutLocale();
  CloseClipboard();
  if (!placed) GlobalFree(block);  // the clipboard took it only on success
  return placed;
}

}  // namespace tavrel::win32
