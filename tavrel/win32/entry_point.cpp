#include "tavrel/win32/entry_point.h"

#include <string>

#include "tavrel/win32/start_failure.h"

namespace tavrel::win32 {

void ReportUnboundEntryPoint(std::string_view reason) { ReportStartFailure(std::string(reason)); }

}  // namespace tavrel::win32
