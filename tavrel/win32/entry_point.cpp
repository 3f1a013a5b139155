#include "tavrel/win32/entry_point.h"

#include <string>

#include "tavrel/win32/start_failure.h"

namespace tavrel::win32 {

void ReportUnboundEntryPoint(const char* library, const char* name) {
  ReportStartFailure(std::string("the entry point ") + name + " was not found in " + library);
}

}  // namespace tavrel::win32
