// The module Vesktal: the start-up routine and its file test.
#pragma once

#include "activator/platform.h"
#include "activator/text.h"

namespace vesktal {

// Installs the Ombrik input method from the system directory as a keyboard
// layout, or tells the user why it cannot. Runs once; the program ends when
// it returns.
void Main(Platform& platform);

// Whether path names a plain file: one that is neither a directory nor hidden
// nor a system file. Tests exactly that name.
bool FileExists(Platform& platform, const Text& path);

}  // namespace vesktal
