// Typing, pasting, scrolling and the mouse wheel in a multi-line box keep
// the drawn bars over the standard bars, with the thumb where the standard
// bar reports it; and a look at a focused box with its drawn bars.
#include <cstdlib>
#include <cstring>

#include "tests/control_edit/edit_fixture.h"

namespace {

constexpr std::uint32_t kGrey = 0x909090;

class ScrollKeeping : public EditFixture {
 protected:
  HWND MakeBox(const std::string& text) {
    HWND edit = AddEdit(kMultiLineStyle, WS_EX_CLIENTEDGE, 30, 30, 260, 200, text.c_str());
    Install();
    UseUniformBackground(kGrey);
    SetForegroundWindow(host->get());
    SetFocus(edit);
    PumpMessages();
    return edit;
  }

  static PixelImage BarOnScreen(HWND bar) {
    RECT r = {};
    GetWindowRect(bar, &r);
    HDC dc = GetDC(bar);
    PixelImage image = CaptureDc(dc, 0, 0, r.right - r.left, r.bottom - r.top);
    ReleaseDC(bar, dc);
    return image;
  }

  // The drawn bar of that orientation is visible over the standard bar, is
  // what the screen shows there, and has its thumb where the standard bar
  // has its thumb. Returns the standard bar's thumb start.
  int ExpectDrawnBarOnTop(HWND edit, ScrollBarOrientation o, const std::string& step) {
    SCOPED_TRACE(step + (o == ScrollBarOrientation::Vertical ? " (vertical)" : " (horizontal)"));
    const bool vertical = o == ScrollBarOrientation::Vertical;
    const EditRecord& record = RecordOf(edit);
    HWND bar = vertical ? record.verticalBar : record.horizontalBar;
    const SCROLLBARINFO info = ReadStandardBar(edit, o);
    RECT r = {};
    GetWindowRect(bar, &r);
    EXPECT_TRUE(IsWindowVisible(bar));
    EXPECT_TRUE(EqualRect(&r, &info.rcScrollBar));
    const RECT& thumb = vertical ? record.verticalParts[2] : record.horizontalParts[2];
    EXPECT_EQ(vertical ? thumb.top : thumb.left, info.xyThumbTop);
    EXPECT_EQ(vertical ? thumb.bottom : thumb.right, info.xyThumbBottom);

    const PixelImage screen = BarOnScreen(bar);
    const PixelImage composite = CaptureCompositeOf(host->get(), bar);
    EXPECT_EQ(CountDifferent(screen, composite, 2), 0) << "the screen does not show the drawn bar";
    // Along the middle line the track is one colour and the thumb differs
    // from it exactly where the standard bar has its thumb.
    RowSpan span;
    if (vertical) {
      const int mid = screen.width / 2;
      span = DifferingRows(screen, mid, 18, screen.height - 18, screen.At(mid, screen.height - 19), 3);
      if (info.xyThumbBottom >= screen.height - 19) {
        span = DifferingRows(screen, mid, 18, screen.height - 18, screen.At(mid, 19), 3);
      }
    } else {
      const int mid = screen.height / 2;
      span = DifferingColumns(screen, mid, 18, screen.width - 18, screen.At(screen.width - 19, mid), 3);
      if (info.xyThumbBottom >= screen.width - 19) {
        span = DifferingColumns(screen, mid, 18, screen.width - 18, screen.At(19, mid), 3);
      }
    }
    EXPECT_NEAR(span.first, info.xyThumbTop, 1);
    EXPECT_NEAR(span.last, info.xyThumbBottom - 1, 1);
    return info.xyThumbTop;
  }

  int VerticalThumb(HWND edit, const std::string& step) {
    return ExpectDrawnBarOnTop(edit, ScrollBarOrientation::Vertical, step);
  }
  int HorizontalThumb(HWND edit, const std::string& step) {
    return ExpectDrawnBarOnTop(edit, ScrollBarOrientation::Horizontal, step);
  }

  static void Type(HWND edit, const char* keys) {
    for (const char* k = keys; *k != '\0'; ++k) {
      const WPARAM vk = *k == '\n' ? VK_RETURN : static_cast<WPARAM>(VkKeyScanA(*k) & 0xFF);
      const UINT scan = MapVirtualKeyA(static_cast<UINT>(vk), MAPVK_VK_TO_VSC);
      PostMessageA(edit, WM_KEYDOWN, vk, static_cast<LPARAM>(1 | (scan << 16)));
      PostMessageA(edit, WM_KEYUP, vk, static_cast<LPARAM>(1 | (scan << 16) | 0xC0000000u));
      PumpMessages();  // translates each key press into WM_CHAR
    }
  }

  static bool PutOnClipboard(HWND owner, const std::string& text) {
    if (!OpenClipboard(owner)) return false;
    EmptyClipboard();
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, text.size() + 1);
    bool done = false;
    if (memory != nullptr) {
      std::memcpy(GlobalLock(memory), text.c_str(), text.size() + 1);
      GlobalUnlock(memory);
      done = SetClipboardData(CF_TEXT, memory) != nullptr;
      if (!done) GlobalFree(memory);
    }
    CloseClipboard();
    return done;
  }
};

TEST_F(ScrollKeeping, TypingKeepsBothBarsOverTheStandardBars) {
  HWND edit = MakeBox(NumberedLines(8));
  const int before = VerticalThumb(edit, "start");
  SendMessageA(edit, EM_SETSEL, 1000000, 1000000);
  Type(edit, "\nab\ncd\nef\ngh\nij\nkl\nmn\nop\nqr\nst\nuv\nwx\nyz\nab\ncd\nef\ngh\nij\nkl\nmn");
  EXPECT_GT(GetWindowTextLengthA(edit), static_cast<int>(NumberedLines(8).size()) + 40);
  const int after = VerticalThumb(edit, "typed lines");
  EXPECT_GT(after, before) << "typing at the end must scroll down";
  Type(edit, "abcdefghijklmnopqrstuvwxyzabcdefghijklmnopqrstuvwxyzabcdefgh");
  EXPECT_GT(HorizontalThumb(edit, "typed a long line"), 17);
  VerticalThumb(edit, "typed a long line");
}

TEST_F(ScrollKeeping, PastingKeepsTheBarsOverTheStandardBars) {
  HWND edit = MakeBox(NumberedLines(5));
  const int before = VerticalThumb(edit, "start");
  ASSERT_TRUE(PutOnClipboard(host->get(), "\r\n" + NumberedLines(50, 70)));
  SendMessageA(edit, EM_SETSEL, 1000000, 1000000);
  SendMessageA(edit, WM_PASTE, 0, 0);
  PumpMessages();
  EXPECT_GT(GetWindowTextLengthA(edit), 50 * 70);
  EXPECT_GT(VerticalThumb(edit, "pasted"), before);
  HorizontalThumb(edit, "pasted");
}

TEST_F(ScrollKeeping, ScrollMessagesAndArrowClicksKeepTheBarsOverTheStandardBars) {
  HWND edit = MakeBox(NumberedLines(80, 80));
  const int top = VerticalThumb(edit, "start");
  SendMessageA(edit, WM_VSCROLL, SB_PAGEDOWN, 0);
  PumpMessages();
  const int paged = VerticalThumb(edit, "page down");
  EXPECT_GT(paged, top);
  SendMessageA(edit, WM_HSCROLL, SB_PAGERIGHT, 0);
  PumpMessages();
  EXPECT_GT(HorizontalThumb(edit, "page right"), 17);

  // A real click on the drawn bottom arrow reaches the standard bar below.
  RECT r = {};
  GetWindowRect(RecordOf(edit).verticalBar, &r);
  SetCursorPos(r.left + 8, r.bottom - 8);
  INPUT clicks[2] = {};
  clicks[0].type = clicks[1].type = INPUT_MOUSE;
  clicks[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
  clicks[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
  SendInput(2, clicks, sizeof(INPUT));
  PumpMessagesFor(300);
  const int clicked = VerticalThumb(edit, "arrow click");
  EXPECT_GT(clicked, paged) << "the click did not scroll the box";
  SetCursorPos(0, 0);
  PumpMessages();
}

TEST_F(ScrollKeeping, MouseWheelKeepsTheThumbWhereTheStandardBarHasIt) {
  HWND edit = MakeBox(NumberedLines(80));
  const int top = VerticalThumb(edit, "start");
  RECT r = {};
  GetWindowRect(edit, &r);
  const LPARAM at = MAKELPARAM(r.left + 40, r.top + 40);
  SendMessageA(edit, WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(-WHEEL_DELTA)), at);
  PumpMessages();
  const int down = VerticalThumb(edit, "wheel down");
  EXPECT_GT(down, top);
  SendMessageA(edit, WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(-WHEEL_DELTA)), at);
  PumpMessages();
  const int further = VerticalThumb(edit, "wheel down again");
  EXPECT_GT(further, down);
  SendMessageA(edit, WM_MOUSEWHEEL, MAKEWPARAM(0, WHEEL_DELTA), at);
  PumpMessages();
  EXPECT_LT(VerticalThumb(edit, "wheel up"), further);
}

TEST_F(ScrollKeeping, RepaintsOfTheBoxLeaveTheBarsOnTop) {
  HWND edit = MakeBox(NumberedLines(80, 80));
  SendMessageA(edit, WM_VSCROLL, SB_PAGEDOWN, 0);
  PumpMessages();
  InvalidateRect(edit, nullptr, TRUE);
  UpdateWindow(edit);
  VerticalThumb(edit, "client repaint");
  HorizontalThumb(edit, "client repaint");
  RedrawWindow(edit, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
  VerticalThumb(edit, "frame repaint");
  SendMessageA(edit, WM_MOUSEMOVE, 0, MAKELPARAM(10, 10));
  VerticalThumb(edit, "hot frame");
  SendMessageA(edit, WM_MOUSELEAVE, 0, 0);
  HorizontalThumb(edit, "plain frame");
  PumpMessages();
}

// A focused multi-line box over the host's known picture, saved to look at.
// PX_EDIT_HOLD_MS keeps it on screen for a screenshot of the desktop.
TEST_F(ScrollKeeping, FocusedBoxWithDrawnBarsPicture) {
  HWND edit = AddEdit(kMultiLineStyle, WS_EX_CLIENTEDGE, 30, 30, 260, 200,
                      NumberedLines(60, 60).c_str());
  AddEdit(kSingleLineStyle, WS_EX_CLIENTEDGE, 30, 250, 260, 24, "single-line box");
  Install();
  SetForegroundWindow(host->get());
  SetFocus(edit);
  SendMessageA(edit, WM_VSCROLL, SB_PAGEDOWN, 0);
  SendMessageA(edit, WM_HSCROLL, SB_PAGERIGHT, 0);
  RedrawWindow(host->get(), nullptr, nullptr,
               RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
  PumpMessages();
  const PixelImage shot = CaptureClient(host->get());
  EXPECT_TRUE(SavePng(shot, "edit_focused_with_bars.png"));
  // The focus outline is on screen.
  const RECT r = {30, 30, 290, 230};
  const PixelImage behind = CaptureFrameBehind(host->get(), edit);
  EXPECT_TRUE(NearRgb(shot.At(r.left, 100), Blend(behind.At(0, 70), 0x22CADD, 180), 4))
      << RgbText(shot.At(r.left, 100));
  if (const char* hold = std::getenv("PX_EDIT_HOLD_MS")) PumpMessagesFor(std::atoi(hold));
}

}  // namespace
