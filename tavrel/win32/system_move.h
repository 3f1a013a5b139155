#pragma once

#include <windows.h>

namespace tavrel::win32 {

// Lets go of the mouse (user32 ReleaseCapture) and sends the window a
// left-button press on its caption (user32 SendMessageA, WM_NCLBUTTONDOWN,
// HTCAPTION, the address of a 32-bit 0 as lParam), so that the system moves
// the window with the mouse. Both results are dropped.
void BeginSystemMove(HWND window);

}  // namespace tavrel::win32
