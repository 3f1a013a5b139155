#pragma once

#include <windows.h>

#include <string_view>

namespace tavrel::win32 {

// Puts the text on the clipboard as Unicode text, alone: the clipboard is
// emptied first, so that no format of an earlier owner stays beside it (the
// system offers the ANSI form from the Unicode one). While another program
// holds the clipboard open, tries again for a moment and then gives up;
// returns whether the text is on the clipboard.
bool PutTextOnClipboard(HWND owner, std::u16string_view text);

}  // namespace tavrel::win32
