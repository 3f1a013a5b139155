#include "tavrel/win32/start_failure.h"

#include <windows.h>

namespace tavrel::win32 {

void ReportStartFailure(const std::string& reason) {
  const std::string text = "Tavrel cannot start: " + reason + ".";
  MessageBoxA(nullptr, text.c_str(), "Zelvaran", MB_OK | MB_ICONERROR | MB_TASKMODAL);
  ExitProcess(1);
}

}  // namespace tavrel::win32
