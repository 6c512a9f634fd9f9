// Request header block, request flags and Set-Cookie handling of one HTTP
// exchange. Portable: no windows.h here; the WinINet flag values are
// spelled out under their SDK names.
#pragma once

#include <cstdint>
#include <vector>

#include "app/text_ops.h"

// When wininet.h came first its macros already carry these same values.
#ifndef INTERNET_FLAG_RELOAD
constexpr std::uint32_t INTERNET_FLAG_RELOAD = 0x80000000u;
constexpr std::uint32_t INTERNET_FLAG_NEED_FILE = 0x00000010u;
constexpr std::uint32_t INTERNET_FLAG_NO_COOKIES = 0x00080000u;
constexpr std::uint32_t INTERNET_FLAG_NO_AUTO_REDIRECT = 0x00200000u;
constexpr std::uint32_t INTERNET_FLAG_SECURE = 0x00800000u;
constexpr std::uint32_t INTERNET_FLAG_IGNORE_REDIRECT_TO_HTTPS = 0x00004000u;
#endif

extern const char* const kDefaultUserAgent;

// True when "https://" occurs anywhere in the lower-cased URL.
bool IsHttpsUrl(const Text& url);

// The agent named by a "User-Agent:" line of the extra headers, else the
// default agent.
Text RequestUserAgent(const Text& extraHeaders);

std::uint32_t RequestFlags(bool https, const Text& cookies, bool followRedirects);

// The complete header block sent with the request: the caller's extra
// headers plus the defaults, content headers for a POST with a body and the
// Cookie line, in the order the service expects.
Text ComposeHeaderBlock(const Text& extraHeaders, const Text& url, const Text& method,
                        const Bytes& body, const Text& cookies);

// One cookie to hand to the system cookie store.
struct CookieToStore {
  Text name;
  Text data;  // everything after "=", attributes included
};

struct ReceivedCookies {
  Text cookieText;                   // each Set-Cookie's cookie followed by ";"
  std::vector<CookieToStore> store;  // in header order
};

ReceivedCookies ParseSetCookies(const Text& headerBlock);
