#pragma once

#include <string>

namespace tavrel::win32 {

// Ends the program with a report of why it cannot start: a picture that
// cannot be read, an entry point that cannot be bound.
[[noreturn]] void ReportStartFailure(const std::string& reason);

}  // namespace tavrel::win32
