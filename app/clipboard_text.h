// Putting GBK text on the clipboard as CF_TEXT.
#pragma once

#include "app/text_ops.h"

// Opens the clipboard without an owner, empties it and hands over a copy of
// text with its terminating zero. False when the clipboard could not be
// opened or would not take the data; the clipboard is closed on every path.
bool PutClipboardText(const Text& text);
