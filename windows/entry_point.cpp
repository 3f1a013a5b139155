#include "windows/entry_point.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <initializer_list>

namespace windows {

void EndForUnboundEntryPoint(UnboundEntryPointReport report, const char* library, const char* name) {
  // Made without the heap: the names are the program's own and short, and a
  // reason longer than the buffer is cut.
  std::array<char, 512> reason{};
  std::size_t length = 0;
  for (const std::string_view part : {std::string_view("the entry point "), std::string_view(name),
                                      std::string_view(" was not found in "), std::string_view(library)}) {
    const std::size_t count = std::min(part.size(), reason.size() - length);
    std::copy_n(part.data(), count, reason.data() + length);
    length += count;
  }
  report(std::string_view(reason.data(), length));
  ExitProcess(1);
}

}  // namespace windows
