#include "tavrel/win32/start_failure.h"

#include <windows.h>

#include "tavrel/win32/application_title.h"
#include "windows/system_code_page.h"
#include "windows/wide_text.h"

namespace tavrel::win32 {

void ReportStartFailure(const std::string& reason) {
  const std::u16string text = windows::FromSystemCodePage<std::u16string>("Tavrel cannot start: " + reason + ".");
  MessageBoxW(nullptr, windows::WideString(text), kApplicationTitle, MB_OK | MB_ICONERROR | MB_TASKMODAL);
  ExitProcess(1);
}

}  // namespace tavrel::win32
