// The extraction service query and the cut of its answer page.
#include "app/proxy_query.h"

namespace {

const char kHexDigits[] = "0123456789ABCDEF";

// Marker before the list and the line break after each entry.
const char kListMarker[] = "主</h4>";
const char kLineBreakMarker[] = "<br>";

}  // namespace

Text PercentEncode(const Text& text, const MessagePump& pump) {
  Text out;
  out.reserve(text.size() * 3);
  for (const char ch : text) {
    const auto c = static_cast<unsigned char>(ch);
    out += '%';
    out += kHexDigits[c >> 4];
    out += kHexDigits[c & 0x0F];
    if (pump) pump();
  }
  return out;
}

Text CarrierTail(Carrier carrier) {
  // tj is the form-encoded GBK text "提 取"; a fixed literal, not encoded here.
  return "&xl=" + ValueToText(static_cast<int>(carrier)) + "&cf=4&tj=%CC%E1+%C8%A1";
}

Text BuildQueryUrl(const Text& serviceHost, const Text& encodedRegion, const Text& count,
                   const Text& port, Carrier carrier) {
  Text url = "http://";
  url += serviceHost;
  url += "/tiqu.php?dq=";
  url += encodedRegion;
  url += "&sl=";
  url += count;
  url += "&dk=";
  url += port;
  url += CarrierTail(carrier);
  return url;
}

Text TextAfterLast(const Text& text, const Text& marker) {
  const int at = FindTextLast(text, marker);
  if (at < 0) return Text();
  return text.substr(static_cast<std::size_t>(at) - 1 + marker.size());
}

bool HasListMarker(const Text& page) { return FindTextLast(page, kListMarker) >= 0; }

Text CutProxyList(const Text& page) {
  // A page whose last character is cut off keeps its whole characters only.
  return DropLoneLeadByte(
      ReplaceText(TextAfterLast(page, kListMarker), kLineBreakMarker, "\r\n"));
}
