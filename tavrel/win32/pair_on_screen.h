// Where a character of two units lies in an EDIT control, as the control
// lays out its text.
#pragma once

#include <windows.h>

#include <cstddef>
#include <string_view>

#include "tavrel/form/whole_character_editing.h"

namespace tavrel::win32 {

// The pair that starts at that unit of the box's text.
form::PixelSpan PairOnScreen(HWND box, std::u16string_view text, std::size_t start);

}  // namespace tavrel::win32
