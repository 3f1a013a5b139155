// An EDIT control counts its text in UTF-16 units, and Wine's moves its caret
// and deletes by unit too, so a box can come to hold or show half of a
// character beyond the Basic Multilingual Plane. Passing a box's messages on
// through here keeps it to whole characters:
// - an insertion that the box's limit would cut inside a pair is cut before
//   the pair, by a limit one unit lower for that message alone, and a typed
//   half that could not become whole goes nowhere;
// - Backspace and Delete take a whole pair;
// - keys, clicks and drags never leave the caret or an end of the selection
//   between the halves of a pair.
// What the control does with everything else stays its own, and where it
// already treats a pair as one character (Windows) nothing changes.
#pragma once

#include <windows.h>

namespace tavrel::win32 {

// For a box the user types into: all of the above. Passes the message on to
// the control's own procedure. The control's limit must be above one unit,
// since a limit of 0 means none.
LRESULT CallKeepingCharactersWhole(WNDPROC control_procedure, HWND box, UINT message, WPARAM wparam,
                                   LPARAM lparam);

// For a read-only box: the caret and the selection alone.
LRESULT CallKeepingSelectionWhole(WNDPROC control_procedure, HWND box, UINT message, WPARAM wparam,
                                  LPARAM lparam);

}  // namespace tavrel::win32
