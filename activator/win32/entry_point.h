// Vesktal's operating-system entry points, bound on their first call; one
// that cannot be bound ends the program with Vesktal's run-time error report.
#pragma once

#include <string_view>

#include "windows/entry_point.h"

namespace vesktal::win32 {

// "Run-time error: " and the reason, in a message box captioned with the
// application title.
void ReportUnboundEntryPoint(std::string_view reason);

template <typename Function>
using EntryPoint = windows::EntryPoint<Function, ReportUnboundEntryPoint>;

}  // namespace vesktal::win32
