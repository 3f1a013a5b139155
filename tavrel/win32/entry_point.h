// Operating-system entry points bound on their first call: the library is
// loaded and the entry point looked up then, and kept for later calls.
#pragma once

#include <windows.h>

namespace tavrel::win32 {

// Ends the program with a report naming the entry point that could not be bound.
[[noreturn]] void ReportUnboundEntryPoint(const char* library, const char* name);

template <typename Function>
class EntryPoint {
 public:
  constexpr EntryPoint(const char* library, const char* name) : library_(library), name_(name) {}

  template <typename... Args>
  auto operator()(Args... args) {
    return Bound()(args...);
  }

  Function Bound() {
    if (function_ == nullptr) {
      HMODULE module = LoadLibraryA(library_);
      FARPROC address = module != nullptr ? GetProcAddress(module, name_) : nullptr;
      if (address == nullptr) ReportUnboundEntryPoint(library_, name_);
      function_ = reinterpret_cast<Function>(reinterpret_cast<void*>(address));
    }
    return function_;
  }

 private:
  const char* library_;
  const char* name_;
  Function function_ = nullptr;
};

}  // namespace tavrel::win32
