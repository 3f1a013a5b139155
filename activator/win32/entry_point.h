// An operating-system entry point bound on its first call: the library is
// loaded and the entry point looked up by name then, and the address is kept
// for later calls.
#pragma once

#include <windows.h>

namespace vesktal::win32 {

// Ends the program with a report naming what could not be bound.
[[noreturn]] void ReportUnboundEntryPoint(const char* library, const char* name);

template <typename Function>
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
      if (address == nullptr) ReportUnboundEntryPoint(library_, name_);
      function_ = reinterpret_cast<Function>(reinterpret_cast<void*>(address));
    }
    return function_;
  }

  const char* library_;
  const char* name_;
  Function function_ = nullptr;
};

}  // namespace vesktal::win32
