// The window's design is written without the system's headers; the values in
// it that the system takes as they are, the fonts' weights and character
// sets, are checked against those headers here.
#include <windows.h>

#include "tavrel/form/window_design.h"

namespace tavrel::win32 {
namespace {

constexpr bool IsSystemFont(const form::FontDesign& font, int weight, int character_set) {
  return font.weight == weight && font.character_set == character_set;
}

static_assert(IsSystemFont(form::kSongTi9, FW_NORMAL, GB2312_CHARSET));
static_assert(IsSystemFont(form::kMsSansSerif12, FW_NORMAL, ANSI_CHARSET));

}  // namespace
}  // namespace tavrel::win32
