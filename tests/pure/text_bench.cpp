// Prints how long the list handling takes on a 100,000-entry answer page
// (about 3 MB). Not a test: run it by hand and read the figures.
#include <chrono>
#include <cstdio>

#include "app/prefix_filter.h"
#include "app/proxy_query.h"
#include "web/request_headers.h"

template <typename F>
static void Time(const char* what, F&& work) {
  const auto start = std::chrono::steady_clock::now();
  const std::size_t size = work();
  const std::chrono::duration<double, std::milli> took = std::chrono::steady_clock::now() - start;
  std::printf("%-28s %9.2f ms  (%lu bytes out)\n", what, took.count(), static_cast<unsigned long>(size));
}

int main() {
  Text page = "<html><body><h4>地区：北京 主</h4>";
  for (int i = 0; i < 100000; ++i) {
    page += ValueToText(100 + i % 130) + "." + ValueToText(i % 256) + "." +
            ValueToText((i / 256) % 256) + "." + ValueToText(i % 200) + ":" + ValueToText(8000 + i % 1000) + "<br>";
  }
  page += "</div></body></html>";
  std::printf("page: %lu bytes\n", static_cast<unsigned long>(page.size()));
  Text list;
  Time("CutProxyList", [&] { list = CutProxyList(page); return list.size(); });
  Time("SplitText lines", [&] { return SplitText(list, "\r\n").size(); });
  Time("FilterByPrefix 11", [&] { return FilterByPrefix(list, "11").size(); });
  Time("ReplaceText \\r\\n -> <br>", [&] { return ReplaceText(list, "\r\n", "<br>").size(); });
  Time("TrimSpaces", [&] { return TrimSpaces(" " + list + " ").size(); });
  Time("PercentEncode 1 MB", [&] { return PercentEncode(page.substr(0, 1 << 20), [] {}).size(); });
  Time("ParseSetCookies 3 MB", [&] { return ParseSetCookies(list).cookieText.size(); });
  return 0;
}
