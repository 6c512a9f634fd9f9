// URL splitting, redirect targets and the marker searches of the web client.
#include "tests/fuzz/fuzz_input.h"
#include "web/url_parts.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzInput in(data, size);
  const Text url = in.Text();
  const Text other = in.Text();
  const Text host = UrlHost(url);
  FUZZ_CHECK(host.size() <= url.size());
  FUZZ_CHECK(ToLowerAscii(host) == host);
  // A "/" right after a lead byte is that character's second byte.
  bool ascii = true;
  for (char c : url) ascii = ascii && static_cast<unsigned char>(c) < 0x80;
  if (ascii) FUZZ_CHECK(host.find('/') == Text::npos);
  const Text object = UrlObjectName(url);
  FUZZ_CHECK(!object.empty() && object[0] == '/');
  UrlPort(url);
  const Text between = TextBetween(url, other, "\r\n");
  FUZZ_CHECK(between.size() <= url.size());
  FUZZ_CHECK(TextBefore(url, other).size() <= url.size());
  const Text target = ResolveRedirect(url, other);
  if (!TrimSpaces(other).empty()) {
    FUZZ_CHECK(target.find("://") != Text::npos);
    UrlHost(target);
    UrlObjectName(target);
    UrlPort(target);
  } else {
    FUZZ_CHECK(target.empty());
  }
  return 0;
}
