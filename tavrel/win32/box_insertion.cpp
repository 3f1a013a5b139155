#include "tavrel/win32/box_insertion.h"

#include <imm.h>

#include <string_view>

namespace tavrel::win32 {
namespace {

// The Unicode text on the clipboard; empty when there is none or the
// clipboard cannot be opened, and then the control pastes nothing either.
std::u16string ClipboardText(HWND box) {
  if (!OpenClipboard(box)) return {};
  std::u16string text;
  if (HANDLE data = GetClipboardData(CF_UNICODETEXT); data != nullptr) {
    if (const auto* units = static_cast<const char16_t*>(GlobalLock(data)); units != nullptr) {
      // Up to the NUL that ends it, and never past the block that holds it.
      const std::u16string_view block(units, GlobalSize(data) / sizeof(char16_t));
      text = block.substr(0, block.find(u'\0'));
      GlobalUnlock(data);
    }
  }
  CloseClipboard();
  return text;
}

std::u16string CompositionString(HIMC context, DWORD part) {
  const LONG bytes = ImmGetCompositionStringW(context, part, nullptr, 0);
  if (bytes <= 0) return {};
  std::u16string text(static_cast<std::size_t>(bytes) / sizeof(char16_t), u'\0');
  ImmGetCompositionStringW(context, part, text.data(), static_cast<DWORD>(bytes));
  return text;
}

// An input method's result, then the new composition, which the control
// shows in its text while it lasts.
std::u16string InputMethodText(HWND box, LPARAM parts) {
  HIMC context = ImmGetContext(box);
  if (context == nullptr) return {};
  std::u16string text;
  if (parts & GCS_RESULTSTR) text += CompositionString(context, GCS_RESULTSTR);
  if (parts & GCS_COMPSTR) text += CompositionString(context, GCS_COMPSTR);
  ImmReleaseContext(box, context);
  return text;
}

}  // namespace

std::optional<Insertion> InsertionOf(HWND box, UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_PASTE:
      return Insertion{ClipboardText(box)};
    case WM_KEYDOWN:
      // Shift+Insert pastes without a WM_PASTE.
      if (wparam == VK_INSERT && GetKeyState(VK_SHIFT) < 0) return Insertion{ClipboardText(box)};
      return std::nullopt;
    case EM_REPLACESEL:
      if (lparam == 0) return std::nullopt;
      return Insertion{reinterpret_cast<const char16_t*>(lparam)};
    case WM_IME_COMPOSITION:
      return Insertion{InputMethodText(box, lparam), (lparam & GCS_RESULTSTR) != 0};
    default:
      return std::nullopt;
  }
}

}  // namespace tavrel::win32
