#pragma once

#include <windows.h>

#include <string>

namespace tavrel::win32 {

// The whole text of a box of this program, as UTF-16.
std::u16string TextOf(HWND box);

}  // namespace tavrel::win32
