// Vesktal's own texts: its title, the input method's file and layout name,
// and the messages it shows.
#pragma once

#include <cstdint>
#include <string_view>

#include "activator/text.h"

namespace vesktal {

// The caption of every message box Vesktal shows.
inline constexpr std::u16string_view kApplicationTitle = u"Orvestil";

// Appended to the system directory to name the input method's file.
inline constexpr std::u16string_view kImeFileSuffix = u"\\Vesktal.ime";

// The name under which the input method is installed as a keyboard layout.
inline constexpr std::u16string_view kLayoutText = u"Ombrik输入法 2011版";

// Message boxes show an OK button only and no icon.
inline constexpr std::uint32_t kMessageStyle = 0;

// The file is not there, or is hidden, a system file or a directory.
Text MissingFileMessage(std::u16string_view ime_path);

// The system refused to install the file as a keyboard layout.
Text RefusedFileMessage(std::u16string_view ime_path);

// The system directory could not be found out.
Text NoSystemDirectoryMessage();

}  // namespace vesktal
