// A picture of the four skinned controls to look at (kept open for
// PX_CONTROL_HOLD_MS milliseconds when set), then painting over and over
// gives back every GDI object and memory DC it takes.
#include "bars_fixture.h"

#include <cstdio>
#include <cstdlib>

#include "graphics/paint/memory_dc_table.h"

namespace {

class BarResourceTest : public BarSkinTest {
 protected:
  // A trackbar with a selection, a progress bar, an up-down with its buddy
  // and a header of three items, one with an icon made on every paint.
  void AddFour() {
    track = Add(TRACKBAR_CLASSA, TBS_AUTOTICKS | TBS_ENABLESELRANGE, 20, 20, 220, 36, 1);
    bar = Add(PROGRESS_CLASSA, 0, 20, 70, 220, 18, 2);
    HWND buddy = Add("EDIT", WS_BORDER, 270, 20, 50, 24, 3, "7");
    spin = Add(UPDOWN_CLASSA, UDS_SETBUDDYINT, 320, 20, 18, 24, 4);
    header = Add(WC_HEADERA, HDS_BUTTONS, 20, 110, 320, 24, 5);
    SendMessageA(track, TBM_SETRANGE, TRUE, MAKELPARAM(0, 100));
    SendMessageA(track, TBM_SETTICFREQ, 10, 0);
    SendMessageA(track, TBM_SETSEL, TRUE, MAKELPARAM(20, 70));
    SendMessageA(track, TBM_SETPOS, TRUE, 45);
    SendMessageA(bar, PBM_SETPOS, 60, 0);
    SendMessageA(spin, UDM_SETBUDDY, reinterpret_cast<WPARAM>(buddy), 0);
    SendMessageA(spin, UDM_SETRANGE32, 0, 20);
    images = RedImageList();
    SendMessageA(header, HDM_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(images));
    for (int i = 0; i < 3; ++i) {
      HDITEMA item{};
      item.mask = HDI_WIDTH | HDI_TEXT | HDI_FORMAT | HDI_IMAGE;
      item.cxy = 90;
      item.pszText = const_cast<char*>(i == 1 ? "端口" : "地区");
      item.fmt = (i == 1 ? HDF_CENTER : HDF_LEFT) | HDF_STRING | (i == 2 ? HDF_IMAGE : 0);
      SendMessageA(header, HDM_INSERTITEMA, i, reinterpret_cast<LPARAM>(&item));
    }
  }
  void TearDown() override {
    if (header != nullptr) DestroyWindow(header);
    if (images != nullptr) ImageList_Destroy(images);
    BarSkinTest::TearDown();
  }
  HWND track = nullptr, bar = nullptr, spin = nullptr, header = nullptr;
  HIMAGELIST images = nullptr;
};

TEST_F(BarResourceTest, ShowcaseAndAThousandPaintCyclesLeakingNothing) {
  MakeHost(360, 160);
  AddFour();
  Install();
  SendMessageA(spin, WM_MOUSEMOVE, 0, MAKELPARAM(9, 18));      // lower half hot
  SendMessageA(header, WM_MOUSEMOVE, 0, MAKELPARAM(130, 10));  // second item hot
  PumpMessages();
  EXPECT_TRUE(SavePng(CaptureClient(host->get()), "control_bars_showcase.png")) << OutputFolder();
  for (HWND w : {track, bar, spin, header}) {
    EXPECT_EQ(CountDifferent(CaptureComposite(*host, w), Screen(w), 2), 0);
  }
  if (const char* hold = std::getenv("PX_CONTROL_HOLD_MS")) PumpMessagesFor(std::atoi(hold));
  int step = 0;
  auto cycle = [&] {
    ++step;
    SendMessageA(track, TBM_SETPOS, TRUE, step % 100);
    SendMessageA(bar, PBM_SETPOS, static_cast<WPARAM>(step % 101), 0);
    for (HWND w : {track, spin, header}) {
      SendMessageA(w, WM_MOUSEMOVE, 0, MAKELPARAM(10 + step % 30, 4 + step % 16));
      SendMessageA(w, WM_MOUSELEAVE, 0, 0);
    }
    for (HWND w : {track, bar, spin, header}) {
      InvalidateRect(w, nullptr, TRUE);
      UpdateWindow(w);
    }
  };
  for (int i = 0; i < 20; ++i) cycle();  // caches of the system and of GDI+
  PumpMessages();
  const int before = LiveGdiObjectCount();
  const int dcsBefore = MemoryDcCount();
  for (int i = 0; i < 1000; ++i) cycle();
  PumpMessages();
  const int after = LiveGdiObjectCount();
  EXPECT_EQ(MemoryDcCount(), dcsBefore);
  // One object lost per thousand paints of any of the four would show.
  EXPECT_LE(after - before, 2) << "before " << before << ", after " << after;
  std::printf("live GDI objects: %d before, %d after 1000 cycles of four controls\n", before, after);
}

}  // namespace
