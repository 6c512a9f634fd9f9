// Reading and writing the text of an edit box as GBK bytes.
#pragma once

#include <windows.h>

#include "app/text_ops.h"

// The whole text of the box.
Text GetEditText(HWND edit);

// Replaces the whole text of the box.
void SetEditText(HWND edit, const Text& text);

// Puts text after the current end: the caret moves to the end, is scrolled
// into view and the empty selection there is replaced by text.
void AppendEditText(HWND edit, const Text& text);
