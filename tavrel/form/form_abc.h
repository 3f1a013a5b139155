// The event handlers of the window abc. Each one runs on the user-interface
// thread when its event occurs; only Form_MouseDown reads the mouse button of
// its event, and none reads the shift keys or the pointer position.
#pragma once

#include "tavrel/form/window_toolkit.h"

namespace tavrel::form {

// Sizes the window, empties Text1 and sets the fonts of the labels and boxes.
void Form_Load(WindowToolkit& form);

// A press anywhere on the background moves the window with the mouse while
// that button is held. The system's move serves the left button only: it
// ends on a left release and on nothing else, so begun by another button it
// would leave the window stuck to the pointer, and take the keys, after that
// button's release. For the right and middle buttons the window follows the
// pointer itself, and no move outlasts the press that began it.
void Form_MouseDown(WindowToolkit& form, MouseButton button);

// Over the background both buttons return to their normal look.
void Form_MouseMove(WindowToolkit& form);

// The close button.
void Image1_MouseMove(WindowToolkit& form);
void Image2_MouseDown(WindowToolkit& form);
void Image2_MouseUp(WindowToolkit& form);

// The minimize button, which acts on the press.
void Image4_MouseMove(WindowToolkit& form);
void Image5_MouseDown(WindowToolkit& form);
void Image6_MouseUp(WindowToolkit& form);

// The link.
void Label4_Click(WindowToolkit& form);

// A click in a box puts its whole text on the clipboard; a click in an empty
// box leaves the clipboard as it was.
void Text1_Click(WindowToolkit& form);
void Text2_Click(WindowToolkit& form);
void Text3_Click(WindowToolkit& form);

}  // namespace tavrel::form
