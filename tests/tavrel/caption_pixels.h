// The captions that lie beside Tavrel's boxes, as the screen shows them while
// the focus moves from box to box, and while a box's context menu is open
// or the mouse drags in a box.
#pragma once

#include "tests/tavrel/tavrel_process.h"

namespace tavrel::form::testing {

// Reads the pixels of every caption beside a box or running on into one
// ("Ombrik码" into Text2), then clicks with the real mouse into Text1, Text2,
// Text3, Text2 and Text1 in turn, and expects each caption pixel for pixel as
// it was before, after every click. The compared areas are the captions'
// bounds, which end left of a box's text and its caret. The left margin of a
// box that a caption runs into is expected, before and after every click,
// pixel for pixel as the caption's end drawn in memory over the box's
// background. Fills Text1 first, as a user would before copying a line.
void ExpectCaptionsKeptWhileTheFocusMoves(TavrelProcess& tavrel);

// The same captions and margins while the real mouse keeps Text2 at work
// for a while: its context menu, opened by a right click after a click into
// Text1 (the box takes the focus, and the menu's loop runs inside one of its
// messages until Escape closes it), once as it is and once while a program
// sets Text1 and Text2 paints its new line; and a drag that selects in Text2
// past its right edge and back past its left, where the box scrolls on by
// itself while the button is held. Each is checked while it lasts and again
// once it has ended.
void ExpectCaptionsKeptThroughAMenuAndADrag(TavrelProcess& tavrel);

}  // namespace tavrel::form::testing
