// Waiting on another program's windows, as the Windows-side tests do.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

namespace win32_testing {

// Waits until the condition holds, up to the time given; returns whether it did.
bool WaitUntil(const std::function<bool()>& condition, DWORD milliseconds = 5000);

// The text of a window, also of one of another process.
std::wstring WindowText(HWND window);

}  // namespace win32_testing
