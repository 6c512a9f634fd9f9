// The system's own words for an error code, in the ANSI code page (GBK).
#pragma once

#include "app/text_ops.h"

// The system's message text for an error code (WinINet's codes from
// WinINet's own messages), without the trailing line break; "错误 <code>"
// when the system has no text for it.
Text SystemErrorText(unsigned long code);
