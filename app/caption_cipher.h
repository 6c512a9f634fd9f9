// The expected caption of the main window is kept only enciphered in the
// program: a hex text of its GBK bytes, each XORed with a rolling key.
// Portable: no windows.h here.
#pragma once

#include "app/text_ops.h"

// Hex text (two upper- or lower-case digits per byte) back to the text.
// Returns empty text for a malformed hex text (odd length, non-hex digit)
// and stops at a byte that deciphers to zero.
Text DecipherCaption(const Text& hex);

// The inverse: the hex text DecipherCaption turns back into text.
Text EncipherCaption(const Text& text);

// The main window's caption, deciphered from the stored hex text.
Text ExpectedMainCaption();
