#include "lookup/win32/entry_point.h"

#include <string>

#include "lookup/win32/message_box_presenter.h"

namespace tavrel::win32 {

void ReportUnboundEntryPoint(const char* library, const char* name) {
  const std::string text = std::string("Tavrel cannot start: the entry point ") + name +
                           " was not found in " + library + ".";
  MessageBoxA(nullptr, text.c_str(), "Zelvaran", MB_OK | MB_ICONERROR | MB_TASKMODAL);
  ExitProcess(1);
}

}  // namespace tavrel::win32
