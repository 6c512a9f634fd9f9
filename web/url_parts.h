// Pieces of an http URL and small marker searches used by the web client.
// Portable: no windows.h here.
#pragma once

#include "app/text_ops.h"

// Host in lower case, without scheme, path and port.
Text UrlHost(const Text& url);
// From the first "/" after the host to the end, query included; "/" if none.
Text UrlObjectName(const Text& url);
// Port after the host's ":", 80 when there is none, 0 for non-numbers.
int UrlPort(const Text& url);

// What lies between the first left marker and the next right marker, both
// searched ignoring case; empty when either is missing.
Text TextBetween(const Text& text, const Text& left, const Text& right);
// Text before the first exact marker; empty when it is absent.
Text TextBefore(const Text& text, const Text& marker);

// The absolute URL a redirect's Location value names, taken relative to the
// URL that answered: an absolute http(s) URL as it is, "//host/..." with the
// base's scheme, "/path" on the base's scheme and authority, anything else
// beside the last "/" of the base's path. Empty for an empty location.
Text ResolveRedirect(const Text& base, const Text& location);
