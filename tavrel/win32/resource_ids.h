// Resource numbers of Tavrel.exe.
#pragma once

// The program's icon, also the window's (the first icon of the file).
#define TAVREL_ICON 1
// The pointing hand over the link label, as an icon in two depths.
#define TAVREL_LINK_HAND 2
// The pointing hand over the six images.
#define TAVREL_HAND_CURSOR 3

// The pictures, as their files are: the background GIF, then Image1 to Image6.
#define TAVREL_BACKGROUND 10
#define TAVREL_IMAGE1 11
#define TAVREL_IMAGE2 12
#define TAVREL_IMAGE3 13
#define TAVREL_IMAGE4 14
#define TAVREL_IMAGE5 15
#define TAVREL_IMAGE6 16
