// The Windows system directory, asked of the system.
#pragma once

#include <cstddef>
#include <optional>

#include "activator/platform.h"
#include "activator/text.h"

namespace vesktal {

// The size of the first buffer handed to GetSystemDirectoryA.
inline constexpr std::size_t kDirectoryBufferSize = 80;

// The system directory, whole and converted to UTF-16; nothing when the
// system cannot tell it. A directory that does not fit into the first buffer
// is asked for again with a buffer of the size the system reported.
std::optional<Text> SystemDirectory(Platform& platform);

}  // namespace vesktal
