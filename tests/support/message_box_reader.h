// Reads a message box ("#32770") of any program, as a person sees it.
#pragma once

#include <windows.h>

#include <string>

namespace win32_testing {

struct SeenMessageBox {
  std::wstring caption;
  std::wstring text;
  HWND owner = nullptr;
  int buttons = 0;
  bool has_ok = false;
  bool has_icon = false;  // an icon is shown in it
};

SeenMessageBox ReadMessageBox(HWND box);

}  // namespace win32_testing
