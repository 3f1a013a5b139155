// What a message puts into an EDIT control in place of its selection, read
// before the control takes it: the clipboard's text of a paste, the text of
// EM_REPLACESEL, an input method's result and composition.
#pragma once

#include <windows.h>

#include <optional>
#include <string>

namespace tavrel::win32 {

struct Insertion {
  std::u16string text;
  // Whether an input method gives it: the control reads that from the input
  // context itself, and shows the composition in its text.
  bool from_an_input_method = false;
};

// What the message would insert into the box; nothing for a message that
// inserts no text of many units (a typed character is one unit).
std::optional<Insertion> InsertionOf(HWND box, UINT message, WPARAM wparam, LPARAM lparam);

}  // namespace tavrel::win32
