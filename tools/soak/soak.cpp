// Runs extract, copy and save cycles against one main window, as a user
// clicking for a long time would, with a mix of answers from the demo
// service: good lists, slow ones, misbehaving ones (a lone lead byte at the
// end, a redirect loop, a reset, no HTTP at all, a huge header, an error
// page) and stalled or trickling ones that a newer click overtakes. Prints
// the live GDI objects, threads, kernel handles, sockets and memory after a
// warm-up and at the end; they should end flat.
//   px-soak HOST:PORT [CYCLES]     (default 1000 cycles)
// Saves into a scratch folder under %TEMP%; answers the confirmation boxes.
#include <windows.h>

#include <commctrl.h>
#include <psapi.h>

#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <thread>

#include "app/build_settings.h"
#include "app/notice_box.h"
#include "app/main_window.h"
#include "app/window_created.h"
#include "tests/control_host/control_host.h"
#include "tests/web/demo_service.h"
#include "web/message_pump.h"

namespace {

constexpr int kWarmUpCycles = 20;

HWND g_window = nullptr;

void Click(ControlId id) { SendMessageA(MainControl(g_window, id), BM_CLICK, 0, 0); }

void SetText(ControlId id, const char* text) { SetWindowTextA(MainControl(g_window, id), text); }

// A newer click while the current retrieval still waits.
void CALLBACK OvertakeNow(HWND, UINT, UINT_PTR timer, DWORD) {
  KillTimer(nullptr, timer);
  SetText(kEdit4, "soak-newer");
  Click(kButton10);
}

// Answers every confirmation box as soon as it shows.
class BoxAnswerer {
 public:
  BoxAnswerer() : thread_([this] { Run(); }) {}
  ~BoxAnswerer() {
    stop_ = true;
    thread_.join();
  }
  int Answered() const { return answered_; }

 private:
  void Run() {
    while (!stop_) {
      HWND box = FindWindowA(nullptr, kNoticeTitle);
      if (box && IsWindowVisible(box)) {
        PostMessageA(box, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
        for (int i = 0; i < 200 && IsWindow(box); ++i) Sleep(2);
        ++answered_;
      } else {
        Sleep(2);
      }
    }
  }
  std::atomic<bool> stop_{false};
  std::atomic<int> answered_{0};
  std::thread thread_;
};

struct Figures {
  int gdiObjects;
  Holdings holdings;
  SIZE_T workingSet;
  SIZE_T privateBytes;
};

Figures Measure() {
  // Let workers that were given up run out first.
  const DWORD start = GetTickCount();
  while (GetTickCount() - start < 300) {
    ProcessPendingMessages();
    Sleep(10);
  }
  PROCESS_MEMORY_COUNTERS memory = {};
  memory.cb = sizeof(memory);
  GetProcessMemoryInfo(GetCurrentProcess(), &memory, sizeof(memory));
  return Figures{LiveGdiObjectCount(), CurrentHoldings(), memory.WorkingSetSize,
                 memory.PagefileUsage};
}

void Print(const char* when, int cycle, const Figures& f) {
  std::printf("%-6s cycle %5d  gdi %4d  threads %3d  handles %4lu  sockets %3d  "
              "working_set_kb %7lu  private_kb %7lu\n",
              when, cycle, f.gdiObjects, f.holdings.threads,
              static_cast<unsigned long>(f.holdings.handles), f.holdings.sockets,
              static_cast<unsigned long>(f.workingSet / 1024),
              static_cast<unsigned long>(f.privateBytes / 1024));
  std::fflush(stdout);
}

// The region word of cycle i: mostly good lists, then slow, misbehaving and
// overtaken ones.
const char* RegionOf(int i, bool& overtake) {
  static const char* const kHostile[] = {"leadend", "loop", "reset", "nothttp", "hugeheader",
                                         "error", "nomarker", "zero", "empty", "utf8"};
  overtake = false;
  switch (i % 10) {
    case 6: return "slow200";
    case 7: return kHostile[(i / 10) % (sizeof(kHostile) / sizeof(kHostile[0]))];
    case 8: overtake = true; return (i / 10) % 2 ? "stall" : "trickle";
    default: return "soak";
  }
}

void RunCycle(int i) {
  bool overtake = false;
  SetText(kEdit4, RegionOf(i, overtake));
  SetText(kEdit2, i % 3 == 0 ? "300" : "40");
  if (overtake) SetTimer(nullptr, 0, 150, OvertakeNow);
  Click(kButton10);
  Click(kButton2);
  Click(kButton3);
}

Text ScratchFolder() {
  char base[MAX_PATH] = {};
  GetTempPathA(MAX_PATH, base);
  const Text folder = Text(base) + "px-soak-" + ValueToText(static_cast<long long>(GetCurrentProcessId()));
  CreateDirectoryA(folder.c_str(), nullptr);
  return folder;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2 || argc > 3) {
    std::fprintf(stderr, "usage: px-soak HOST:PORT [CYCLES]\n");
    return 2;
  }
  const int cycles = argc == 3 ? std::atoi(argv[2]) : 1000;
  OverrideServiceHostForTesting(argv[1]);
  const Text folder = ScratchFolder();
  SetCurrentDirectoryA(folder.c_str());

  INITCOMMONCONTROLSEX controls = {sizeof(controls), ICC_STANDARD_CLASSES};
  InitCommonControlsEx(&controls);
  StartSkinModule();
  g_window = CreateMainWindow(GetModuleHandleA(nullptr));
  if (!g_window) {
    std::fprintf(stderr, "px-soak: no main window\n");
    return 1;
  }
  BoxAnswerer answerer;
  const DWORD begin = GetTickCount();
  for (int i = 0; i < kWarmUpCycles; ++i) RunCycle(i);
  const Figures start = Measure();
  Print("start", kWarmUpCycles, start);
  for (int i = kWarmUpCycles; i < kWarmUpCycles + cycles; ++i) {
    RunCycle(i);
    if (!IsWindow(g_window)) {
      std::fprintf(stderr, "px-soak: the window went away at cycle %d\n", i);
      return 1;
    }
    if ((i - kWarmUpCycles + 1) % 100 == 0) Print("at", i + 1, Measure());
  }
  const Figures end = Measure();
  Print("end", kWarmUpCycles + cycles, end);
  std::printf("cycles %d  boxes_answered %d  seconds %.1f\n", cycles, answerer.Answered(),
              (GetTickCount() - begin) / 1000.0);
  std::printf("change  gdi %+d  threads %+d  handles %+ld  sockets %+d  private_kb %+ld\n",
              end.gdiObjects - start.gdiObjects, end.holdings.threads - start.holdings.threads,
              static_cast<long>(end.holdings.handles) - static_cast<long>(start.holdings.handles),
              end.holdings.sockets - start.holdings.sockets,
              static_cast<long>(end.privateBytes / 1024) - static_cast<long>(start.privateBytes / 1024));
  DestroyWindow(g_window);
  DeleteFileA((folder + "\\ip.txt").c_str());
  SetCurrentDirectoryA("..");
  RemoveDirectoryA(folder.c_str());
  return 0;
}
