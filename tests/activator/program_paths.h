// Where the built programs lie, as Windows paths (Wine shows the host's root
// as drive Z:).
#pragma once

#include <string>

namespace vesktal::testing {

inline std::wstring WindowsPath(const wchar_t* host_path) {
  std::wstring path = std::wstring(L"Z:") + host_path;
  for (wchar_t& c : path) {
    if (c == L'/') c = L'\\';
  }
  return path;
}

inline std::wstring VesktalExe() { return WindowsPath(VESKTAL_EXE); }

// A program that calls an entry point which cannot be bound.
inline std::wstring UnboundEntryPointExe() { return WindowsPath(UNBOUND_ENTRY_POINT_EXE); }

}  // namespace vesktal::testing
