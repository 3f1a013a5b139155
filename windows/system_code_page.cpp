#include "windows/system_code_page.h"

#include <windows.h>

#include <climits>

#include "windows/wide_text.h"

namespace windows {
namespace {

// The system's calls count in int; no text of these programs comes near it.
int CountOf(std::size_t size) { return size < INT_MAX ? static_cast<int>(size) : INT_MAX; }

std::size_t LengthOf(int converted) { return converted > 0 ? static_cast<std::size_t>(converted) : 0; }

}  // namespace

std::size_t ConvertFromSystemCodePage(std::string_view bytes, std::span<char16_t> out) {
  if (bytes.empty()) return 0;
  return LengthOf(MultiByteToWideChar(CP_ACP, 0, bytes.data(), CountOf(bytes.size()), WideUnits(out.data()),
                                      CountOf(out.size())));
}

std::size_t ConvertToSystemCodePage(std::u16string_view text, std::span<char> out) {
  if (text.empty()) return 0;
  return LengthOf(WideCharToMultiByte(CP_ACP, 0, WideUnits(text), CountOf(text.size()), out.data(),
                                      CountOf(out.size()), nullptr, nullptr));
}

}  // namespace windows
