// A graphical program that takes the C++ runtime from its DLL instead of
// linking it in: the program header check must refuse it, for that alone.
#include <windows.h>

#include <string>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR command_line, int) {
  return static_cast<int>(std::string(command_line).size());
}
