// The screen's dots per inch, and fonts of a size in points on such a screen.
#pragma once

#include <windows.h>

#include <string>

namespace tavrel::win32 {

// As the system tells it; the design's 96 when it tells none.
int ScreenDotsPerInch();

// A font of that many points on a screen of that many dots per inch.
HFONT MakeFont(const std::u16string& name, int points, int weight, int character_set, int dots_per_inch);

}  // namespace tavrel::win32
