// Keeping only the proxies whose address begins with a two-byte prefix.
// Portable: no windows.h here.
#pragma once

#include "app/text_ops.h"

// The first two bytes of the line's part before its first ".".
Text PrefixKey(const Text& line);

// The lines of fullList (split at "\r\n") whose key equals prefix byte for
// byte, each followed by "\r\n"; empty lines are skipped.
Text FilterByPrefix(const Text& fullList, const Text& prefix);
