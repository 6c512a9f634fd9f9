// Conversions between the program's ANSI (GBK) texts and the UTF-16 texts
// and GUIDs that GDI+ takes.
#pragma once

#include <string>

#include "app/text_ops.h"

// UTF-16 text; c_str() is always NUL-terminated.
using WideText = std::wstring;

// ANSI text to UTF-16 in the process code page.
WideText ToWideText(const Text& text);
// NUL-terminated UTF-16 text to ANSI text; an empty text for nullptr.
Text FromWideText(const wchar_t* wide);

// A 16-byte GUID as "{XXXXXXXX-XXXX-XXXX-XXXX-XXXXXXXXXXXX}", upper-case hex.
Text GuidToText(const void* guid16);
// The GUID named by text into the 16 bytes at guid16; false (and zeros)
// when the text is not a GUID.
bool TextToGuid(const Text& text, void* guid16);
