#include "activator/system_directory.h"

#include <string_view>

namespace vesktal {
namespace {

// No Windows path is longer; a larger size needed is not believed.
constexpr std::uint32_t kLongestPath = 32768;

}  // namespace

std::optional<Text> SystemDirectory(Platform& platform) {
  CodePageText buffer(kDirectoryBufferSize, '\0');
  std::uint32_t count = platform.GetSystemDirectoryA(buffer);
  if (count >= buffer.size() && count <= kLongestPath) {
    // Too small: count is the size needed. Ask once more with that size.
    buffer = CodePageText(count, '\0');
    count = platform.GetSystemDirectoryA(buffer);
  }
  if (count == 0 || count >= buffer.size()) return std::nullopt;
  // count counts bytes of the system code page: cut before converting, so
  // that a name with double-byte characters comes out whole.
  return platform.FromSystemCodePage(std::string_view(buffer.data(), count));
}

}  // namespace vesktal
