#include "activator/win32/entry_point.h"

#include <windows.h>

#include <algorithm>

#include "activator/text.h"
#include "activator/texts.h"
#include "windows/wide_text.h"

namespace vesktal::win32 {

void ReportUnboundEntryPoint(std::string_view reason) {
  // The reason names the program's own entry points and libraries: plain
  // ASCII, each byte one character.
  Text wide_reason(reason.size(), u'\0');
  std::copy(reason.begin(), reason.end(), wide_reason.begin());
  const Text text = Joined({u"Run-time error: ", wide_reason, u"."});
  MessageBoxW(nullptr, windows::WideString(text), windows::WideString(Text(kApplicationTitle)),
              MB_OK | MB_ICONERROR | MB_TASKMODAL);
}

}  // namespace vesktal::win32
