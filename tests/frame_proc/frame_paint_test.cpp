// The frame procedure's own drawing: the three paint paths (full render,
// cached back buffer, minimised), the erase that copies the composite once,
// the first show that renders before the window appears, the caption
// redrawn by WM_SETTEXT, and the double click on the title band.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include "skin/frame/frame_render.h"
#include "tests/control_host/control_host.h"
#include "tests/frame_proc/frame_fixture.h"

namespace {

constexpr std::uint32_t kMagenta = 0xFF00FF;
// A point of the frame that no child covers.
constexpr POINT kOpen{100, 280};

class FramePaint : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetFrameSkinState();
    INITCOMMONCONTROLSEX icc{sizeof(icc), ICC_LISTVIEW_CLASSES};
    InitCommonControlsEx(&icc);
  }

  // The program's frame with a list view and a transparent label on it,
  // shown and painted.
  void MakeFrame() {
    frame = std::make_unique<TestFrame>();
    list = frame->AddControl(WC_LISTVIEWA, "", LVS_REPORT, 20, 70, 140, 80);
    label = frame->AddControl("STATIC", "label", 0, 180, 70, 100, 20);
    SetWindowLongA(label, GWL_EXSTYLE, GetWindowLongA(label, GWL_EXSTYLE) | WS_EX_TRANSPARENT);
    frame->InstallLikeProgram();
    ShowWindow(frame->get(), SW_SHOWNA);
    PumpMessages();
  }
  WindowRecord& Record() const { return frame->Record(); }
  // The bitmap of the back buffer now in frameDC: every render makes a new one.
  int BackBuffer() const { return GetPropInt(frame->get(), Ck_wtjbdx); }
  // Paints the client area magenta on screen, so that a paint that draws
  // nothing shows.
  void Smear() const {
    const HDC dc = GetDC(frame->get());
    RECT r{};
    GetClientRect(frame->get(), &r);
    HBRUSH brush = CreateSolidBrush(RGB(255, 0, 255));
    FillRect(dc, &r, brush);
    DeleteObject(brush);
    ReleaseDC(frame->get(), dc);
  }
  // The frame alone: without WS_CLIPCHILDREN its children would be
  // invalidated with it.
  void Paint() const {
    RedrawWindow(frame->get(), nullptr, nullptr, RDW_INVALIDATE | RDW_NOCHILDREN | RDW_UPDATENOW);
  }
  std::uint32_t OnScreen(POINT p) const { return CaptureClient(frame->get()).At(p.x, p.y); }
  std::uint32_t InDc(HDC dc, POINT p) const { return CaptureDc(dc, p.x, p.y, 1, 1).At(0, 0); }
  ListRecord* ListOf(HWND control) const {
    for (auto& l : Record().lists) {
      if (l->window == control) return l.get();
    }
    return nullptr;
  }
  static bool HasUpdate(HWND window) { return GetUpdateRect(window, nullptr, FALSE) != FALSE; }

  std::unique_ptr<TestFrame> frame;
  HWND list = nullptr, label = nullptr;
};

TEST_F(FramePaint, FullCachedAndMinimisedPaths) {
  MakeFrame();
  WindowRecord& r = Record();
  ASSERT_FALSE(r.needsFullRedraw) << "the first show rendered";
  ListRecord* listRecord = ListOf(list);
  ASSERT_NE(listRecord, nullptr);

  // Cached: the back buffer as it is goes to the screen; the transparent
  // child is painted after it.
  const int rendered = BackBuffer();
  ASSERT_NE(rendered, 0);
  PumpMessages();
  ValidateRect(label, nullptr);
  Smear();
  Paint();
  EXPECT_EQ(BackBuffer(), rendered) << "no new render";
  EXPECT_EQ(OnScreen(kOpen), InDc(r.frameDC.get(), kOpen));
  EXPECT_NE(OnScreen(kOpen), kMagenta);
  EXPECT_TRUE(HasUpdate(label));
  EXPECT_FALSE(r.needsFullRedraw);

  // Full: a new back buffer on screen; stale children are sent to paint
  // and the marks of the last show and erase are cleared.
  PumpMessages();
  r.needsFullRedraw = true;
  r.childrenStale = true;
  r.eraseDone = true;
  r.justShown = true;
  listRecord->stale = false;
  ValidateRect(list, nullptr);
  Smear();
  Paint();
  EXPECT_NE(BackBuffer(), rendered);
  EXPECT_EQ(OnScreen(kOpen), InDc(r.frameDC.get(), kOpen));
  EXPECT_NE(OnScreen(kOpen), kMagenta);
  EXPECT_FALSE(r.needsFullRedraw);
  EXPECT_FALSE(r.childrenStale);
  EXPECT_FALSE(r.eraseDone);
  EXPECT_FALSE(r.justShown);
  EXPECT_TRUE(listRecord->stale) << "a list view composes itself again";
  EXPECT_TRUE(HasUpdate(list));

  // Minimised: nothing is drawn and the mark goes.
  PumpMessages();
  const int full = BackBuffer();
  r.minimized = true;
  r.needsFullRedraw = true;
  Smear();
  Paint();
  EXPECT_EQ(BackBuffer(), full);
  EXPECT_EQ(OnScreen(kOpen), kMagenta);
  EXPECT_FALSE(r.needsFullRedraw);
  r.minimized = false;
}

// While a full redraw is due the erase puts the composite on screen once;
// not while sizing, right after the first show, or when nothing is due.
TEST_F(FramePaint, EraseCopiesTheCompositeOnceUntilTheNextFullPaint) {
  MakeFrame();
  WindowRecord& r = Record();
  PumpMessages();
  const HDC dc = GetDC(frame->get());
  auto erase = [&] {
    SetBkMode(dc, OPAQUE);
    EXPECT_EQ(SendMessageA(frame->get(), WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0), 1);
    EXPECT_EQ(GetBkMode(dc), TRANSPARENT);
    return OnScreen(kOpen);
  };
  const std::uint32_t composite = InDc(r.frameCopy.get(), kOpen);
  ASSERT_NE(composite, kMagenta);

  r.needsFullRedraw = true;
  r.justShown = false;
  r.eraseDone = false;
  Smear();
  EXPECT_EQ(erase(), composite);
  EXPECT_TRUE(r.eraseDone);
  Smear();
  EXPECT_EQ(erase(), kMagenta) << "once";

  r.eraseDone = false;
  r.sizing = true;
  EXPECT_EQ(erase(), kMagenta) << "sizing";
  r.sizing = false;
  r.justShown = true;
  EXPECT_EQ(erase(), kMagenta) << "just shown";
  r.justShown = false;
  r.needsFullRedraw = false;
  EXPECT_EQ(erase(), kMagenta) << "no full redraw due";
  EXPECT_FALSE(r.eraseDone);
  r.needsFullRedraw = true;
  EXPECT_EQ(erase(), composite);
  ReleaseDC(frame->get(), dc);
}

// The first show renders the frame before the window appears; a show after
// a hide finds the latch set and renders nothing.
TEST_F(FramePaint, FirstShowRendersAndTheLatchHoldsAfterAHide) {
  frame = std::make_unique<TestFrame>();
  frame->InstallLikeProgram();
  WindowRecord& r = Record();
  ASSERT_TRUE(r.needsFullRedraw);
  ASSERT_FALSE(r.frameDC);
  ShowWindow(frame->get(), SW_SHOWNA);
  ASSERT_TRUE(r.frameDC) << "rendered while showing";
  EXPECT_FALSE(r.needsFullRedraw);
  EXPECT_TRUE(r.justShown);
  EXPECT_FALSE(r.hiddenLatch);
  const int shown = BackBuffer();
  PumpMessages();
  EXPECT_EQ(BackBuffer(), shown) << "the paint that follows copies the back buffer";
  EXPECT_TRUE(r.justShown) << "only a full paint clears it";

  ShowWindow(frame->get(), SW_HIDE);
  EXPECT_TRUE(r.hiddenLatch);
  EXPECT_FALSE(r.justShown);
  const int rendered = BackBuffer();
  ShowWindow(frame->get(), SW_SHOWNA);
  EXPECT_EQ(BackBuffer(), rendered) << "no render on a later show";
  EXPECT_TRUE(r.hiddenLatch);
  EXPECT_FALSE(r.justShown);
  PumpMessages();
  EXPECT_EQ(OnScreen(kOpen), InDc(r.frameDC.get(), kOpen)) << "painted from the back buffer";
}

// WM_SETTEXT draws the new caption at once, into the back buffer and on
// screen, as a full render with that text draws it.
TEST_F(FramePaint, NewTextRedrawsTheCaption) {
  MakeFrame();
  WindowRecord& r = Record();
  PumpMessages();
  RECT client{};
  GetClientRect(frame->get(), &client);
  const int captionWidth = client.right - r.stripWidth - 10 - 2 * 3;
  auto caption = [&](HDC dc) { return CaptureDc(dc, 9, 4, captionWidth, 42); };
  const PixelImage before = caption(r.frameDC.get());

  SetWindowTextA(frame->get(), "岚舟提示-新标题");
  const PixelImage after = caption(r.frameDC.get());
  EXPECT_GT(CountDifferent(before, after, 8), 50) << "the new text is drawn";
  const HDC screen = GetDC(frame->get());
  EXPECT_EQ(CountDifferent(caption(screen), after, 0), 0) << "and shown";
  ReleaseDC(frame->get(), screen);
  RenderFrame(frame->Index(), nullptr, false);
  EXPECT_LE(CountDifferent(caption(r.frameDC.get()), after, 4), 2) << "as a full render draws it";

  r.drawCaption = false;
  SetWindowTextA(frame->get(), "岚舟");
  EXPECT_EQ(CountDifferent(caption(r.frameDC.get()), after, 0), 0) << "no caption, no redraw";
}

// A double click on the title band of a resizable frame runs the maximise
// button; below the band, on a fixed frame or without the button nothing.
TEST_F(FramePaint, DoubleClickOnTheTitleBandMaximises) {
  auto maximises = [](DWORD style, bool resizable, int y) {
    TestFrame f(style);
    InstallFrameSkin(f.get(), TitleHeightOptions(50, resizable));
    f.ClearSeen();
    SendMessageA(f.get(), WM_LBUTTONDBLCLK, MK_LBUTTON, ClientPoint(120, y));
    const auto command = f.Last(WM_SYSCOMMAND);
    const bool sent = command && (command->wParam & 0xFFF0) == SC_MAXIMIZE;
    EXPECT_EQ(sent, f.Record().maximized);
    EXPECT_EQ(f.Count(WM_LBUTTONDBLCLK), 1) << "passed on";
    return sent;
  };
  EXPECT_TRUE(maximises(WS_MAXIMIZEBOX, true, 20));
  EXPECT_TRUE(maximises(WS_MAXIMIZEBOX, true, 50));
  EXPECT_FALSE(maximises(WS_MAXIMIZEBOX, true, 51));
  EXPECT_FALSE(maximises(WS_MAXIMIZEBOX, false, 20));
  EXPECT_FALSE(maximises(WS_MINIMIZEBOX, true, 20));
}

}  // namespace
