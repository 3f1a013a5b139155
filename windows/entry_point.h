// An operating-system entry point bound on its first call: its library is
// loaded and the entry point looked up by name then (LoadLibraryA,
// GetProcAddress), and the address is kept for later calls. An entry point
// that cannot be bound ends the program with the program's own report.
//
// Function is the entry point's pointer type. Where the system's headers
// declare the entry point, take the type from that declaration,
// EntryPoint<decltype(&::Name), ...>, so that the compiler checks the calling
// convention and every parameter: a wrong type shows only in the 32-bit
// program, whose stdcall entry points clear their own arguments off the stack.
#pragma once

#include <windows.h>

#include <string_view>

namespace windows {

// Shows the user why the program ends, given the reason "the entry point
// NAME was not found in LIBRARY".
using UnboundEntryPointReport = void (*)(std::string_view reason);

// Hands the reason to the report, then ends the program with exit code 1.
[[noreturn]] void EndForUnboundEntryPoint(UnboundEntryPointReport report, const char* library, const char* name);

template <typename Function, UnboundEntryPointReport report>
class EntryPoint {
 public:
  constexpr EntryPoint(const char* library, const char* name) : library_(library), name_(name) {}

  template <typename... Args>
  auto operator()(Args... args) {
    return Bound()(args...);
  }

 private:
  Function Bound() {
    if (function_ == nullptr) {
      HMODULE module = LoadLibraryA(library_);
      FARPROC address = module != nullptr ? GetProcAddress(module, name_) : nullptr;
      if (address == nullptr) EndForUnboundEntryPoint(report, library_, name_);
      function_ = reinterpret_cast<Function>(reinterpret_cast<void*>(address));
    }
    return function_;
  }

  const char* library_;
  const char* name_;
  Function function_ = nullptr;
};

}  // namespace windows
