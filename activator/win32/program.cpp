// Vesktal.exe: runs the start-up routine once and ends.
#include <windows.h>

#include "activator/vesktal.h"
#include "activator/win32/windows_platform.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  vesktal::win32::WindowsPlatform platform;
  vesktal::Main(platform);
  return 0;
}
