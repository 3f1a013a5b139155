#include <optional>

#include "activator/system_directory.h"
#include "activator/texts.h"
#include "activator/vesktal.h"

namespace vesktal {

void Main(Platform& platform) {
  const std::optional<Text> directory = SystemDirectory(platform);
  if (!directory) {
    // Never look for the file elsewhere: an input method is loaded into every
    // program, so it is installed only from the system directory.
    platform.ShowMessageBox(NoSystemDirectoryMessage(), kMessageStyle);
    return;
  }

  const Text ime_path = Joined({*directory, kImeFileSuffix});

  if (!FileExists(platform, ime_path)) {
    platform.ShowMessageBox(MissingFileMessage(ime_path), kMessageStyle);
    return;
  }

  const std::uintptr_t layout = platform.ImmInstallIMEA(platform.ToSystemCodePage(ime_path),
                                                        platform.ToSystemCodePage(kLayoutText));
  if (layout == 0) platform.ShowMessageBox(RefusedFileMessage(ime_path), kMessageStyle);
}

}  // namespace vesktal
