// An EDIT control counts its text in UTF-16 units, and Wine's moves its caret
// and deletes by unit too, so a box can come to hold or show half of a
// character beyond the Basic Multilingual Plane. Passing a box's messages on
// through here keeps it to whole characters:
// - an insertion that the box's limit would cut inside a pair is cut before
//   the pair, by a limit one unit lower for that message alone; one of which
//   not a single whole character fits changes nothing; a lone half in a
//   paste or an EM_REPLACESEL is left out, and the rest goes in; and a typed
//   half that could not become whole goes nowhere;
// - Backspace, Delete and Shift+Delete take a whole pair, where they take a
//   character at all;
// - keys, clicks and drags never leave the caret or an end of the selection
//   between the halves of a pair: a click there goes to the side of the
//   character nearer the pointer, and the anchor of a selection stays where
//   the control keeps it.
// What the control does with everything else stays its own, and where it
// already treats a pair as one character (Windows) nothing changes.
#pragma once

#include <windows.h>

#include "tavrel/form/control_selection.h"

namespace tavrel::win32 {

class WholeCharacterBox {
 public:
  // The box, the control's own procedure that its messages go on to, and
  // whether the user types into it (all of the above) or only reads and
  // selects (the caret and the selection alone). The limit of a box the user
  // types into must be above one unit, since a limit of 0 means none.
  void Attach(HWND box, WNDPROC control_procedure, bool typed_into);

  // Passes one of the box's messages on to the control, keeping the box to
  // whole characters.
  LRESULT Call(UINT message, WPARAM wparam, LPARAM lparam);

 private:
  // Each step passes the message on to the next, and the last to the
  // control: the selection that the message leaves, what Backspace and
  // Delete take, what goes in.
  LRESULT CallKeepingTheSelectionWhole(UINT message, WPARAM wparam, LPARAM lparam);
  LRESULT CallDeletingWholeCharacters(UINT message, WPARAM wparam, LPARAM lparam);
  LRESULT CallInsertingWholeCharacters(UINT message, WPARAM wparam, LPARAM lparam);
  LRESULT Control(UINT message, WPARAM wparam, LPARAM lparam) const {
    return CallWindowProcW(procedure_, box_, message, wparam, lparam);
  }
  form::UnitSpan ControlSelection() const;
  void Select(form::Selection selection);
  int Limit() const;
  // The units that an insertion in place of the selection can take.
  int Room() const;
  // The unit just before the place a typed character goes to, 0 at the start.
  char16_t UnitBeforeTheSelection() const;

  HWND box_ = nullptr;
  WNDPROC procedure_ = nullptr;
  bool typed_into_ = false;
  // The control's selection with its anchor, which the control does not
  // tell: told at each message from what the message is.
  form::Selection selection_;
};

}  // namespace tavrel::win32
