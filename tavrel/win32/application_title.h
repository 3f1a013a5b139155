#pragma once

namespace tavrel::win32 {

// Tavrel's title, the caption of every message box it shows.
inline constexpr wchar_t kApplicationTitle[] = L"Zelvaran";

}  // namespace tavrel::win32
