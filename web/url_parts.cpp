// Host, object name and port of an http URL, and two marker searches.
#include "web/url_parts.h"

#include <climits>

namespace {

// The text before the first exact marker, or all of it when there is none.
Text BeforeOrAll(const Text& text, const Text& marker) {
  const int at = FindText(text, marker);
  return at < 0 ? text : LeftText(text, at - 1);
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// A leading decimal number (optional spaces and sign, digits, optional
// fraction) rounded half away from zero; 0 when there is no digit. Trailing
// bytes after the number are ignored. Out-of-range values saturate.
int TextToRoundedInt(const Text& text) {
  std::size_t i = 0;
  while (i < text.size() && text[i] == ' ') ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '-' || text[i] == '+')) negative = text[i++] == '-';
  long long whole = 0;
  bool digits = false;
  bool overflow = false;
  for (; i < text.size() && IsDigit(text[i]); ++i) {
    digits = true;
    if (!overflow) {
      whole = whole * 10 + (text[i] - '0');
      if (whole > INT_MAX) overflow = true;
    }
  }
  bool roundUp = false;
  if (i < text.size() && text[i] == '.') {
    ++i;
    if (i < text.size() && IsDigit(text[i])) {
      digits = true;
      roundUp = text[i] >= '5';
    }
  }
  if (!digits) return 0;
  if (overflow) return negative ? INT_MIN : INT_MAX;
  if (roundUp && whole < INT_MAX) ++whole;
  return static_cast<int>(negative ? -whole : whole);
}

}  // namespace

Text UrlHost(const Text& url) {
  Text rest = ReplaceText(url, "https://");
  rest = ReplaceText(rest, "http://");
  rest = BeforeOrAll(rest, "/");
  rest = BeforeOrAll(rest, ":");
  return ToLowerAscii(rest);
}

Text UrlObjectName(const Text& url) {
  // The host is searched after the scheme that UrlHost removed, so that a
  // host such as "p" is not found inside "http" itself.
  int from = 1;
  if (LeftText(url, 7) == "http://") {
    from = 8;
  } else if (LeftText(url, 8) == "https://") {
    from = 9;
  }
  const Text host = UrlHost(url);
  const int at = FindText(url, host, from, true);
  if (at < 0) return "/";
  const int slash = FindText(url, "/", at, true);
  if (slash < 0) return "/";
  return url.substr(static_cast<std::size_t>(slash) - 1);
}

int UrlPort(const Text& url) {
  Text authority;
  if (CompareTextNoCase(LeftText(url, 7), "http://") == 0) {
    const int slash = FindText(url, "/", 8);
    authority = slash < 0 ? url.substr(7) : MidText(url, 8, slash - 8);
  } else {
    authority = BeforeOrAll(url, "/");
  }
  const int colon = FindText(authority, ":");
  const Text portText = colon < 0 ? Text("80") : authority.substr(static_cast<std::size_t>(colon));
  return TextToRoundedInt(portText);
}

Text TextBetween(const Text& text, const Text& left, const Text& right) {
  const int l = FindText(text, left, 1, true);
  if (l < 0) return Text();
  const int from = l + static_cast<int>(left.size());
  const int r = FindText(text, right, from, true);
  if (r < from) return Text();  // missing, or an empty right marker
  return text.substr(static_cast<std::size_t>(from) - 1, static_cast<std::size_t>(r - from));
}

Text TextBefore(const Text& text, const Text& marker) {
  const int at = FindText(text, marker);
  return at < 0 ? Text() : LeftText(text, at - 1);
}

Text ResolveRedirect(const Text& base, const Text& location) {
  const Text target = TrimSpaces(location);
  if (target.empty()) return Text();
  if (CompareTextNoCase(LeftText(target, 7), "http://") == 0 ||
      CompareTextNoCase(LeftText(target, 8), "https://") == 0)
    return target;
  // The base's scheme ("http:" or "https:") and its authority.
  const std::size_t schemeEnd = base.find("://");
  const Text scheme = schemeEnd == Text::npos ? Text("http:") : base.substr(0, schemeEnd + 1);
  if (target.compare(0, 2, "//") == 0) return scheme + target;
  const std::size_t authorityStart = schemeEnd == Text::npos ? 0 : schemeEnd + 3;
  const std::size_t pathStart = base.find_first_of("/?#", authorityStart);
  const Text origin = scheme + "//" +
                      base.substr(authorityStart, pathStart == Text::npos ? Text::npos
                                                                          : pathStart - authorityStart);
  if (target[0] == '/') return origin + target;
  // Beside the last "/" of the path, the query left out.
  Text path = pathStart == Text::npos ? Text("/") : base.substr(pathStart);
  path = path.substr(0, path.find_first_of("?#"));
  if (path.empty() || path[0] != '/') path = "/" + path;
  if (target[0] == '?') return origin + path + target;
  return origin + path.substr(0, path.rfind('/') + 1) + target;
}
