#include "activator/win32/entry_point.h"

#include <string>

#include "activator/texts.h"

namespace vesktal::win32 {

void ReportUnboundEntryPoint(const char* library, const char* name) {
  const std::string text = std::string("Run-time error: the entry point ") + name +
                           " was not found in " + library + ".";
  const std::wstring title(kApplicationTitle.begin(), kApplicationTitle.end());
  MessageBoxW(nullptr, std::wstring(text.begin(), text.end()).c_str(), title.c_str(),
              MB_OK | MB_ICONERROR | MB_TASKMODAL);
  ExitProcess(1);
}

}  // namespace vesktal::win32
