// Tavrel's operating-system entry points, bound on their first call; one that
// cannot be bound ends the program with Tavrel's start-failure report.
#pragma once

#include <string_view>

#include "windows/entry_point.h"

namespace tavrel::win32 {

// The start-failure report with the reason.
void ReportUnboundEntryPoint(std::string_view reason);

template <typename Function>
using EntryPoint = windows::EntryPoint<Function, ReportUnboundEntryPoint>;

}  // namespace tavrel::win32
