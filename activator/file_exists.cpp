#include "activator/vesktal.h"

namespace vesktal {

bool FileExists(Platform& platform, const Text& path) {
  const std::optional<FileEntry> entry = platform.FindEntry(path);
  return entry.has_value() && !entry->directory && !entry->hidden && !entry->system;
}

}  // namespace vesktal
