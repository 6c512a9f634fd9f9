// The arrow pictures of the drawn scroll bars, the combo box's button and
// the up-down control, decoded once for every painter that draws them.
//
// A picture is decoded at its first use and then kept; the skin's exit
// routine (ReleaseSkinState) releases all of them, and the next use after
// that decodes afresh.
#pragma once

#include "graphics/gdiplus/image.h"

enum class ArrowPicture { Up, Down, Left, Right };

// The decoded picture (ArrowUp, ArrowDown: 7 x 4; ArrowLeft, ArrowRight:
// 4 x 7), valid until the skin's exit routine runs; nullptr when it cannot
// be decoded (GDI+ is not running).
const Image* DecodedArrow(ArrowPicture which);

// How many of the four pictures are decoded now.
int DecodedArrowCount();
