// Times one "提取ip" click on a large list served by the demo service, and
// its parts: the fetch alone, the cut plus the prefix filter alone, and
// filling the full-list box and the shown-list box alone.
//   px-bench HOST[:PORT] [COUNT]
// Prints "name value" lines; run.sh compares them with curl + grep.
#include <windows.h>

#include <cstdio>
#include <cstdlib>

#include "app/build_settings.h"
#include "app/edit_text.h"
#include "app/main_window.h"
#include "app/prefix_filter.h"
#include "app/proxy_query.h"
#include "web/timed_fetch.h"

namespace {

double NowMs() {
  static LARGE_INTEGER frequency = [] {
    LARGE_INTEGER f;
    QueryPerformanceFrequency(&f);
    return f;
  }();
  LARGE_INTEGER now;
  QueryPerformanceCounter(&now);
  return static_cast<double>(now.QuadPart) * 1000.0 / static_cast<double>(frequency.QuadPart);
}

int CountLines(const Text& text) {
  int lines = 0;
  for (size_t at = text.find("\r\n"); at != Text::npos; at = text.find("\r\n", at + 2)) ++lines;
  return lines;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2 || argc > 3) {
    std::fprintf(stderr, "usage: px-bench HOST[:PORT] [COUNT]\n");
    return 2;
  }
  const Text host = argv[1];
  const Text count = argc == 3 ? argv[2] : "100000";
  const Text region = "bench";
  OverrideServiceHostForTesting(host);

  // The fetch alone, with the same query a click sends.
  Text url = BuildQueryUrl(host, PercentEncode(region), count, "", Carrier::Telecom);
  FetchOptions options;
  options.method = 1;
  options.body = Bytes();
  double start = NowMs();
  const Bytes page = TimedFetch(url, options);
  const double fetchMs = NowMs() - start;

  start = NowMs();
  const Text list = CutProxyList(BytesToText(page));
  const Text kept = FilterByPrefix(list, "11");
  const double cutFilterMs = NowMs() - start;

  // The whole click through the window: fetch, cut, fill both boxes, filter.
  HWND window = CreateMainWindow(GetModuleHandleA(nullptr));
  if (!window) {
    std::fprintf(stderr, "px-bench: no window\n");
    return 1;
  }
  SetEditText(MainControl(window, kEdit4), region);
  SetEditText(MainControl(window, kEdit2), count);
  start = NowMs();
  SendMessageA(MainControl(window, kButton10), BM_CLICK, 0, 0);
  const double clickMs = NowMs() - start;
  const Text shown = GetEditText(MainControl(window, kEdit20));
  const Text full = GetEditText(MainControl(window, kEdit1));

  // Where the click's time goes: filling the two boxes by themselves.
  SetEditText(MainControl(window, kEdit1), "\r\n");
  SetEditText(MainControl(window, kEdit20), Text());
  start = NowMs();
  SetEditText(MainControl(window, kEdit1), list);
  const double fillFullMs = NowMs() - start;
  start = NowMs();
  AppendEditText(MainControl(window, kEdit20), kept);
  const double fillShownMs = NowMs() - start;
  DestroyWindow(window);

  std::printf("page_bytes %u\n", static_cast<unsigned>(page.size()));
  std::printf("entries %d\n", CountLines(list));
  std::printf("kept %d\n", CountLines(kept));
  std::printf("fetch_ms %.1f\n", fetchMs);
  std::printf("cut_and_filter_ms %.1f\n", cutFilterMs);
  std::printf("click_ms %.1f\n", clickMs);
  std::printf("fill_full_list_ms %.1f\n", fillFullMs);
  std::printf("fill_shown_list_ms %.1f\n", fillShownMs);
  std::printf("click_entries %d\n", CountLines(full));
  std::printf("click_kept %d\n", CountLines(shown));
  return CountLines(shown) == CountLines(kept) && full == list ? 0 : 1;
}
