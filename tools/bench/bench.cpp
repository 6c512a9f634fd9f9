// Times one "提取ip" click on a large list served by the demo service,
// through the main window made as the program makes it (common controls,
// skin start-up, the program's manifest, the frame skin), and the floor a
// bare edit box sets for showing the same kept lines.
//
//   px-bench click HOST[:PORT] REGION COUNT PREFIX KEPT
//       Posts the click and runs the program's message loop until 编辑框20
//       shows KEPT lines, then one second more. Another thread sends the
//       window a message every 5 ms and notes how long each took to be
//       answered. Prints
//         first_ms        click to the first shown line
//         complete_ms     click to all KEPT lines shown
//         complete_cpu_ms processor time the window thread spent meanwhile
//         unanswered_ms   longest wait of the other thread's messages, from
//                         the click to a second after completion
//         peak_bytes      peak private memory above what it was before
//         full_bytes      length of the full list in 编辑框1
//         shown_lines     lines shown in 编辑框20
//       and where the time of the click went, stage by stage:
//         fetch_ms        click to the page in hand (the last byte read)
//         cut_ms          the cut on its worker, until the window took it
//         store_ms        the cut list made the full list
//         filter_ms       the fill's filtering of the full list
//         fill_ms         the rest of the fill: the shown list taking the
//                         kept lines, and the waits between its slices
//   px-bench floor HOST[:PORT] REGION COUNT PREFIX
//       Fetches and filters the same page, then times a bare multi-line edit
//       box (the style and font of 编辑框20, no skin) laying out the kept
//       lines in one piece. Prints floor_ms, floor_cpu_ms (processor time),
//       floor_bytes (the private memory the box took) and kept_lines.
//   px-bench edit COUNT
//       What a bare box like the floor's costs holding COUNT proxy lines,
//       operation by operation (median of 3 each, in ms): a paint of the
//       whole box and of one line's band with the first lines shown and
//       with the last, moving the caret to the end, appending 1 and 1,000
//       lines at the end, scrolling by a box height, inserting one line at
//       the start. Run by hand, to see where a large list's time goes.
// run.sh runs click and floor several times next to curl + grep and prints
// the table.
#include <windows.h>

#include <commctrl.h>
#include <psapi.h>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <thread>
#include <vector>

#include "app/build_settings.h"
#include "app/counter_clock.h"
#include "app/edit_text.h"
#include "app/list_work.h"
#include "app/main_window.h"
#include "app/prefix_filter.h"
#include "app/proxy_query.h"
#include "app/window_created.h"
#include "web/timed_fetch.h"

namespace {

constexpr DWORD kProbeIntervalMs = 5;
constexpr double kSettleMs = 1000.0;
constexpr double kGiveUpMs = 15 * 60 * 1000.0;

int CountLines(const Text& text) {
  int lines = 0;
  for (size_t at = text.find("\r\n"); at != Text::npos; at = text.find("\r\n", at + 2)) ++lines;
  return lines;
}

// Processor time the calling thread has used: on a loaded machine it shows
// what the work itself costs.
double ThreadCpuMs() {
  FILETIME created, exited, kernel, user;
  if (!GetThreadTimes(GetCurrentThread(), &created, &exited, &kernel, &user)) return 0;
  auto ms = [](const FILETIME& t) {
    return static_cast<double>(static_cast<unsigned long long>(t.dwHighDateTime) << 32 | t.dwLowDateTime) / 10000.0;
  };
  return ms(kernel) + ms(user);
}

struct Memory {
  SIZE_T now = 0;
  SIZE_T peak = 0;
};

Memory PrivateMemory() {
  PROCESS_MEMORY_COUNTERS counters = {};
  counters.cb = sizeof(counters);
  GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof(counters));
  return Memory{counters.PagefileUsage, counters.PeakPagefileUsage};
}

// Sends the window a message every few milliseconds from its own thread and
// keeps the longest time one of them waited for its answer.
class ResponsivenessProbe {
 public:
  explicit ResponsivenessProbe(HWND window) : window_(window), thread_([this] { Run(); }) {}
  ~ResponsivenessProbe() { Stop(); }
  double Stop() {
    stop_ = true;
    if (thread_.joinable()) thread_.join();
    return longestMs_;
  }

 private:
  void Run() {
    while (!stop_) {
      const double start = CounterMs();
      SendMessageA(window_, WM_NULL, 0, 0);
      const double waited = CounterMs() - start;
      if (waited > longestMs_) longestMs_ = waited;
      Sleep(kProbeIntervalMs);
    }
  }
  HWND window_;
  std::atomic<bool> stop_{false};
  double longestMs_ = 0;
  std::thread thread_;
};

// The program's message loop, one round: everything queued, as
// RunMessageLoop dispatches it, with a check after each message.
template <typename Check>
void PumpOnce(HWND window, Check check) {
  MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
  MSG msg;
  while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
    if (msg.message == WM_QUIT) continue;
    if (!HandleNavigationKeys(window, msg)) {
      TranslateMessage(&msg);
      DispatchMessageA(&msg);
    }
    check();
  }
  check();
}

int ShownLines(HWND window) {
  // A box with n lines each ended by "\r\n" counts n + 1 lines.
  return static_cast<int>(SendMessageA(MainControl(window, kEdit20), EM_GETLINECOUNT, 0, 0)) - 1;
}

int RunClick(const Text& region, const Text& count, const Text& prefix, int kept) {
  INITCOMMONCONTROLSEX controls = {sizeof(controls), ICC_STANDARD_CLASSES};
  InitCommonControlsEx(&controls);
  StartSkinModule();
  HWND window = CreateMainWindow(GetModuleHandleA(nullptr));
  if (!window) {
    std::fprintf(stderr, "px-bench: no window\n");
    return 1;
  }
  SetEditText(MainControl(window, kEdit4), region);
  SetEditText(MainControl(window, kEdit2), count);
  SetEditText(MainControl(window, kEdit30), prefix);
  for (int i = 0; i < 20; ++i) PumpOnce(window, [] {});  // the first paints

  const Memory before = PrivateMemory();
  double firstMs = -1, completeMs = -1, completeCpuMs = -1;
  ResponsivenessProbe probe(window);
  const double start = CounterMs();
  const double startCpu = ThreadCpuMs();
  PostMessageA(MainControl(window, kButton10), BM_CLICK, 0, 0);
  auto check = [&] {
    if (completeMs >= 0) return;
    const int shown = ShownLines(window);
    if (shown > 0 && firstMs < 0) firstMs = CounterMs() - start;
    if (shown >= kept) {
      completeMs = CounterMs() - start;
      completeCpuMs = ThreadCpuMs() - startCpu;
    }
  };
  while (completeMs < 0 && CounterMs() - start < kGiveUpMs) PumpOnce(window, check);
  const double settleUntil = CounterMs() + kSettleMs;
  while (CounterMs() < settleUntil) PumpOnce(window, [] {});
  const double unansweredMs = probe.Stop();
  const Memory after = PrivateMemory();

  std::printf("first_ms %.1f\n", firstMs);
  std::printf("complete_ms %.1f\n", completeMs);
  std::printf("complete_cpu_ms %.1f\n", completeCpuMs);
  std::printf("unanswered_ms %.1f\n", unansweredMs);
  std::printf("peak_bytes %lu\n", static_cast<unsigned long>(after.peak - before.now));
  std::printf("full_bytes %d\n", GetWindowTextLengthA(MainControl(window, kEdit1)));
  std::printf("shown_lines %d\n", CountLines(GetEditText(MainControl(window, kEdit20))));
  const ListWorkTimes times = LatestListWorkTimes();
  std::printf("fetch_ms %.1f\n", times.pageIn - start);
  std::printf("cut_ms %.1f\n", times.cutTaken - times.pageIn);
  std::printf("store_ms %.1f\n", times.stored - times.cutTaken);
  std::printf("filter_ms %.1f\n", times.filterMs);
  std::printf("fill_ms %.1f\n", times.filled - times.stored - times.filterMs);
  DestroyWindow(window);
  return completeMs >= 0 ? 0 : 1;
}

// A popup the size of the main window, for the bare box.
HWND MakeFloorFrame() {
  return CreateWindowExA(0, "STATIC", "", WS_POPUP | WS_VISIBLE, 0, 0, kMainWindowWidth,
                         kMainWindowHeight, nullptr, nullptr, nullptr, nullptr);
}

// A bare multi-line edit box with the style, place and font of 编辑框20.
HWND MakeFloorBox(HWND frame) {
  const ControlSpec& spec = *FindControlSpec(kEdit20);
  HWND box = CreateWindowExA(spec.exStyle, "EDIT", "", WS_CHILD | WS_VISIBLE | spec.style, spec.left,
                             spec.top, spec.width, spec.height, frame, nullptr, nullptr, nullptr);
  // The box's own font: laying out a line costs more in the GUI font.
  SendMessageA(box, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), FALSE);
  SendMessageA(box, EM_SETLIMITTEXT, 0, 0);
  return box;
}

int RunFloor(const Text& host, const Text& region, const Text& count, const Text& prefix) {
  Text url = BuildQueryUrl(host, PercentEncode(region), count, "", Carrier::Telecom);
  FetchOptions options;
  options.method = 1;
  options.body = Bytes();
  const Text kept = FilterByPrefix(CutProxyList(BytesToText(TimedFetch(url, options))), prefix);

  const Memory before = PrivateMemory();
  HWND frame = MakeFloorFrame();
  HWND box = MakeFloorBox(frame);
  const double start = CounterMs();
  const double startCpu = ThreadCpuMs();
  SetWindowTextA(box, kept.c_str());
  const double floorMs = CounterMs() - start;
  std::printf("floor_ms %.1f\n", floorMs);
  std::printf("floor_cpu_ms %.1f\n", ThreadCpuMs() - startCpu);
  std::printf("floor_bytes %lu\n", static_cast<unsigned long>(PrivateMemory().now - before.now));
  std::printf("kept_lines %d\n", static_cast<int>(SendMessageA(box, EM_GETLINECOUNT, 0, 0)) - 1);
  DestroyWindow(frame);
  return 0;
}

// count lines like the demo service's entries, numbered from first on,
// each followed by "\r\n".
Text ProxyLines(int count, int first) {
  Text lines;
  for (int i = first; i < first + count; ++i) {
    lines += "11" + ValueToText(i % 10) + "." + ValueToText(i / 10 % 256) + "." +
             ValueToText(i / 2560 % 256) + "." + ValueToText(i % 254 + 1) + ":8080\r\n";
  }
  return lines;
}

int RunEditCosts(int count) {
  HWND frame = MakeFloorFrame();
  HWND box = MakeFloorBox(frame);
  double start = CounterMs();
  SetWindowTextA(box, ProxyLines(count, 0).c_str());
  std::printf("set_text %.1f\n", CounterMs() - start);

  RECT client = {};
  GetClientRect(box, &client);
  TEXTMETRICA metrics = {};
  HDC dc = GetDC(box);
  const HGDIOBJ old = SelectObject(dc, GetStockObject(DEFAULT_GUI_FONT));
  GetTextMetricsA(dc, &metrics);
  SelectObject(dc, old);
  ReleaseDC(box, dc);
  const int boxLines = std::max(1, static_cast<int>(client.bottom / std::max(1L, metrics.tmHeight)));
  RECT topBand = client;
  topBand.bottom = metrics.tmHeight;
  RECT bottomBand = client;
  bottomBand.top = bottomBand.bottom - metrics.tmHeight;
  auto paint = [box](const RECT* area) {
    InvalidateRect(box, area, TRUE);
    UpdateWindow(box);
  };
  auto caretTo = [box](DWORD at) {
    SendMessageA(box, EM_SETSEL, at, at);
    SendMessageA(box, EM_SCROLLCARET, 0, 0);
  };
  auto textEnd = [box] { return static_cast<DWORD>(GetWindowTextLengthA(box)); };
  const Text oneLine = ProxyLines(1, count);
  const Text thousandLines = ProxyLines(1000, count);
  auto replace = [box](const Text& text) {
    SendMessageA(box, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(text.c_str()));
  };

  struct Operation {
    const char* name;
    std::function<void()> prepare;  // not timed
    std::function<void()> run;
  };
  const std::vector<Operation> operations = {
      {"paint_whole_at_top", [&] { caretTo(0); UpdateWindow(box); }, [&] { paint(nullptr); }},
      {"paint_one_line_at_top", [&] { caretTo(0); UpdateWindow(box); }, [&] { paint(&topBand); }},
      {"caret_to_end", [&] { caretTo(0); }, [&] { caretTo(textEnd()); }},
      {"paint_whole_at_end", [&] { caretTo(textEnd()); UpdateWindow(box); }, [&] { paint(nullptr); }},
      {"paint_one_line_at_end", [&] { caretTo(textEnd()); UpdateWindow(box); },
       [&] { paint(&bottomBand); }},
      {"append_1_line", [&] { caretTo(textEnd()); UpdateWindow(box); }, [&] { replace(oneLine); }},
      {"append_1000_lines", [&] { caretTo(textEnd()); UpdateWindow(box); },
       [&] { replace(thousandLines); }},
      {"scroll_up_a_box", [&] { caretTo(textEnd()); UpdateWindow(box); },
       [&] { SendMessageA(box, EM_LINESCROLL, 0, -boxLines); }},
      {"insert_1_line_at_start", [&] { caretTo(0); UpdateWindow(box); }, [&] { replace(oneLine); }},
  };
  for (const Operation& operation : operations) {
    double took[3];
    for (double& ms : took) {
      operation.prepare();
      start = CounterMs();
      operation.run();
      ms = CounterMs() - start;
    }
    std::sort(took, took + 3);
    std::printf("%s %.1f\n", operation.name, took[1]);
  }
  std::printf("lines %d\n", static_cast<int>(SendMessageA(box, EM_GETLINECOUNT, 0, 0)));
  DestroyWindow(frame);
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc == 7 && std::strcmp(argv[1], "click") == 0) {
    OverrideServiceHostForTesting(argv[2]);
    return RunClick(argv[3], argv[4], argv[5], std::atoi(argv[6]));
  }
  if (argc == 6 && std::strcmp(argv[1], "floor") == 0) {
    return RunFloor(argv[2], argv[3], argv[4], argv[5]);
  }
  if (argc == 3 && std::strcmp(argv[1], "edit") == 0) {
    return RunEditCosts(std::atoi(argv[2]));
  }
  std::fprintf(stderr,
               "usage: px-bench click HOST[:PORT] REGION COUNT PREFIX KEPT\n"
               "       px-bench floor HOST[:PORT] REGION COUNT PREFIX\n"
               "       px-bench edit COUNT\n");
  return 2;
}
