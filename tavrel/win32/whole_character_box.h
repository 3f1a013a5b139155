// An EDIT control with a limit on its length counts it in UTF-16 units and
// cuts an insertion where the limit falls, even between the two halves of a
// surrogate pair. Passing a box's messages on through here keeps it from
// ever taking half a character: an insertion that its limit would cut inside
// a pair is cut before the pair, by a limit one unit lower for that message
// alone, and a typed half that could not become whole goes nowhere. What the
// control does with everything else stays its own.
#pragma once

#include <windows.h>

namespace tavrel::win32 {

// Passes the message on to the control's own procedure. The control's limit
// must be above one unit, since a limit of 0 means none.
LRESULT CallKeepingCharactersWhole(WNDPROC control_procedure, HWND box, UINT message, WPARAM wparam,
                                   LPARAM lparam);

}  // namespace tavrel::win32
