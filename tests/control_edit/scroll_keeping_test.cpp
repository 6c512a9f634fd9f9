// Typing, pasting, scrolling and the mouse wheel in a multi-line box keep
// the drawn bars over the standard bars, with the thumb where the standard
// bar reports it; and a picture of a focused box with its drawn bars.
#include <cstring>
#include <functional>

#include "skin/containers/child_control_answers.h"
#include "tests/control_edit/edit_fixture.h"

namespace {

constexpr ScrollBarOrientation Vertical = ScrollBarOrientation::Vertical;
constexpr ScrollBarOrientation Horizontal = ScrollBarOrientation::Horizontal;
constexpr COLORREF kMarker = RGB(0x12, 0x34, 0x56);
// How long a click sent with SendInput may take to arrive.
constexpr int kInputLimitMs = 5000;

// Screen coordinates as SendInput's absolute coordinates (0-65535 across
// the screen).
LONG AbsoluteInputX(int x) {
  const int last = GetSystemMetrics(SM_CXSCREEN) - 1;
  return static_cast<LONG>((x * 65535 + last / 2) / last);
}
LONG AbsoluteInputY(int y) {
  const int last = GetSystemMetrics(SM_CYSCREEN) - 1;
  return static_cast<LONG>((y * 65535 + last / 2) / last);
}

// The box's saved procedure while a test stands in for it, and whether the
// drawn bar's place in the composite still held the marker when the
// standard procedure got WM_NCLBUTTONDOWN.
WNDPROC standardProc = nullptr;
std::function<void()> onStandardPress;

LRESULT CALLBACK PressWithoutTracking(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCLBUTTONDOWN) {
    if (onStandardPress) onStandardPress();
    return 0;  // the standard bar's tracking loop would wait for a release
  }
  return CallWindowProcA(standardProc, window, message, wParam, lParam);
}

class ScrollKeeping : public EditFixture {
 protected:
  HWND MakeBox(const std::string& text) {
    HWND edit = AddEdit(kMultiLineStyle, WS_EX_CLIENTEDGE, 30, 30, 260, 200, text.c_str());
    Install();
    UseUniformBackground(0x909090);
    SetForegroundWindow(host->get());
    SetFocus(edit);
    PumpMessages();
    return edit;
  }

  // The drawn bar is visible over the standard bar, is what the screen
  // shows, and has its thumb where the standard bar has it. Returns the
  // standard bar's thumb start.
  int Thumb(HWND edit, ScrollBarOrientation o, const std::string& step) {
    SCOPED_TRACE(step + (o == Vertical ? " (vertical)" : " (horizontal)"));
    const bool vertical = o == Vertical;
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

    const PixelImage screen = CaptureClient(bar);
    EXPECT_EQ(CountDifferent(screen, CaptureComposite(*host, bar), 2), 0)
        << "the screen does not show the drawn bar";
    // Along the middle line the thumb differs from the track exactly where
    // the standard bar has its thumb; the track is sampled at the far end
    // unless the thumb is there.
    const int length = vertical ? screen.height : screen.width;
    const int mid = (vertical ? screen.width : screen.height) / 2;
    const int trackAt = info.xyThumbBottom >= length - 19 ? 19 : length - 19;
    const std::uint32_t track = vertical ? screen.At(mid, trackAt) : screen.At(trackAt, mid);
    const RowSpan span = DifferingSpan(screen, vertical, mid, 18, length - 18, track, 3);
    EXPECT_NEAR(span.first, info.xyThumbTop, 1);
    EXPECT_NEAR(span.last, info.xyThumbBottom - 1, 1);
    return info.xyThumbTop;
  }

  // Fills control's place in the host's composite with the marker; what
  // paints the control afterwards replaces it.
  void MarkComposite(HWND control) {
    RECT r = {}, origin = {};
    GetWindowRect(control, &r);
    GetWindowRect(host->get(), &origin);
    OffsetRect(&r, -origin.left, -origin.top);
    HBRUSH brush = CreateSolidBrush(kMarker);
    FillRect(host->Record().frameCopy.get(), &r, brush);
    DeleteObject(brush);
  }
  bool CompositeMarked(HWND control) {
    const PixelImage p = CaptureComposite(*host, control);
    for (std::uint32_t c : p.pixels) {
      if ((c & 0xFFFFFF) != 0x123456) return false;
    }
    return !p.Empty();
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
};

TEST_F(ScrollKeeping, TypingAndPastingKeepBothBarsOverTheStandardBars) {
  HWND edit = MakeBox(NumberedLines(8));
  const int before = Thumb(edit, Vertical, "start");
  SendMessageA(edit, EM_SETSEL, 1000000, 1000000);
  Type(edit, "\nab\ncd\nef\ngh\nij\nkl\nmn\nop\nqr\nst\nuv\nwx\nyz\nab\ncd\nef\ngh\nij\nkl\nmn");
  const int typed = Thumb(edit, Vertical, "typed lines");
  EXPECT_GT(typed, before) << "typing at the end must scroll down";
  Type(edit, "abcdefghijklmnopqrstuvwxyzabcdefghijklmnopqrstuvwxyzabcdefgh");
  EXPECT_GT(Thumb(edit, Horizontal, "typed a long line"), 17);

  const std::string text = "\r\n" + NumberedLines(50, 30);
  ASSERT_TRUE(OpenClipboard(host->get()));
  EmptyClipboard();
  HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, text.size() + 1);
  std::memcpy(GlobalLock(memory), text.c_str(), text.size() + 1);
  GlobalUnlock(memory);
  ASSERT_NE(SetClipboardData(CF_TEXT, memory), nullptr);
  CloseClipboard();
  SendMessageA(edit, EM_SETSEL, 1000000, 1000000);
  SendMessageA(edit, WM_PASTE, 0, 0);
  PumpMessages();
  EXPECT_GT(GetWindowTextLengthA(edit), 50 * 30);
  EXPECT_GT(Thumb(edit, Vertical, "pasted"), typed);
  Thumb(edit, Horizontal, "pasted");
}

TEST_F(ScrollKeeping, ScrollMessagesArrowClicksAndRepaintsKeepTheBarsOnTop) {
  HWND edit = MakeBox(NumberedLines(80, 80));
  const int top = Thumb(edit, Vertical, "start");
  SendMessageA(edit, WM_VSCROLL, SB_PAGEDOWN, 0);
  PumpMessages();
  const int paged = Thumb(edit, Vertical, "page down");
  EXPECT_GT(paged, top);
  SendMessageA(edit, WM_HSCROLL, SB_PAGERIGHT, 0);
  PumpMessages();
  EXPECT_GT(Thumb(edit, Horizontal, "page right"), 17);

  // A real click on the drawn bottom arrow reaches the standard bar below.
  // The pointer goes there as input first, and the click waits until it is
  // there: under Wine the first input after a warp of the pointer can land
  // where the pointer was before.
  RECT r = {};
  GetWindowRect(RecordOf(edit).verticalBar, &r);
  const POINT arrow{r.left + 8, r.bottom - 8};
  INPUT input[3] = {};
  for (INPUT& one : input) {
    one.type = INPUT_MOUSE;
    one.mi.dx = AbsoluteInputX(arrow.x);
    one.mi.dy = AbsoluteInputY(arrow.y);
    one.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
  }
  SendInput(1, &input[0], sizeof(INPUT));
  PumpMessagesUntil([arrow] {
    POINT now = {};
    return GetCursorPos(&now) && now.x == arrow.x && now.y == arrow.y;
  }, kInputLimitMs);
  input[1].mi.dwFlags |= MOUSEEVENTF_LEFTDOWN;
  input[2].mi.dwFlags |= MOUSEEVENTF_LEFTUP;
  SendInput(2, &input[1], sizeof(INPUT));
  PumpMessagesUntil([edit, paged] { return ReadStandardBar(edit, Vertical).xyThumbTop > paged; },
                    kInputLimitMs);
  EXPECT_GT(Thumb(edit, Vertical, "arrow click"), paged) << "the click did not scroll the box";
  SetCursorPos(0, 0);
  PumpMessages();

  RedrawWindow(edit, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
  Thumb(edit, Vertical, "client and frame repaint");
  SendMessageA(edit, WM_MOUSEMOVE, 0, MAKELPARAM(10, 10));
  Thumb(edit, Horizontal, "hot frame");
  SendMessageA(edit, WM_MOUSELEAVE, 0, 0);
  PumpMessages();
}

TEST_F(ScrollKeeping, MouseWheelKeepsTheThumbWhereTheStandardBarHasIt) {
  HWND edit = MakeBox(NumberedLines(80));
  int last = Thumb(edit, Vertical, "start");
  RECT r = {};
  GetWindowRect(edit, &r);
  const LPARAM at = MAKELPARAM(r.left + 40, r.top + 40);
  for (int notches : {-1, -1, 1}) {
    SendMessageA(edit, WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(notches * WHEEL_DELTA)), at);
    PumpMessages();
    const int now = Thumb(edit, Vertical, notches < 0 ? "wheel down" : "wheel up");
    if (notches < 0) EXPECT_GT(now, last);
    else EXPECT_LT(now, last);
    last = now;
  }
}

// Appending as the application does (EM_SETSEL, EM_REPLACESEL): the change
// notification to the window holding the box repaints the drawn bars, and
// nothing paints them again after it.
TEST_F(ScrollKeeping, AppendedLinesMoveTheThumbThroughTheChangeNotificationAlone) {
  HWND edit = MakeBox(NumberedLines(8));
  HWND bar = RecordOf(edit).verticalBar;
  int changes = 0;
  bool markAfterChange = false;
  host->hook = [&](HWND, UINT message, WPARAM wParam, LPARAM lParam, LRESULT*) {
    if (message != WM_COMMAND || HIWORD(wParam) != EN_CHANGE) return false;
    if (reinterpret_cast<HWND>(lParam) != edit) return false;
    ++changes;
    if (!markAfterChange) return false;  // the host answers as the frame does
    RepaintOnChildCommand(wParam, lParam);
    MarkComposite(bar);
    return true;
  };
  const int before = Thumb(edit, Vertical, "start");
  const std::string lines = "\r\n" + NumberedLines(40);
  SendMessageA(edit, EM_SETSEL, 1000000, 1000000);
  SendMessageA(edit, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(lines.c_str()));
  EXPECT_EQ(changes, 1);
  const int appended = Thumb(edit, Vertical, "appended");
  EXPECT_GT(appended, before);

  markAfterChange = true;
  SendMessageA(edit, EM_SETSEL, 1000000, 1000000);
  SendMessageA(edit, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(lines.c_str()));
  EXPECT_EQ(changes, 2);
  EXPECT_TRUE(CompositeMarked(bar)) << "the drawn bar was painted again after the change notification";
  host->hook = nullptr;
  PumpMessages();
}

// A press on the standard bar: the drawn bars are painted once, after the
// standard procedure has handled it (its tracking loop draws over them).
TEST_F(ScrollKeeping, APressOnTheStandardBarRepaintsTheDrawnBarsOnceItIsHandled) {
  HWND edit = MakeBox(NumberedLines(80, 80));
  HWND bar = RecordOf(edit).verticalBar;
  standardProc = reinterpret_cast<WNDPROC>(GetPropA(edit, Hw_hProc));
  SetPropA(edit, Hw_hProc, reinterpret_cast<HANDLE>(&PressWithoutTracking));
  bool markedAtPress = false;
  onStandardPress = [&] { markedAtPress = CompositeMarked(bar); };
  MarkComposite(bar);
  RECT r = {};
  GetWindowRect(bar, &r);
  SendMessageA(edit, WM_NCLBUTTONDOWN, HTVSCROLL, MAKELPARAM(r.left + 8, r.bottom - 8));
  SetPropA(edit, Hw_hProc, reinterpret_cast<HANDLE>(standardProc));
  onStandardPress = nullptr;
  EXPECT_TRUE(markedAtPress) << "the drawn bar was painted before the press was handled";
  EXPECT_FALSE(CompositeMarked(bar)) << "the drawn bar was not painted after the press";
  Thumb(edit, Vertical, "after the press");
}

// A focused multi-line box over the host's known picture, saved to look at.
TEST_F(ScrollKeeping, FocusedBoxWithDrawnBarsPicture) {
  HWND edit = AddEdit(kMultiLineStyle, WS_EX_CLIENTEDGE, 30, 30, 260, 200,
                      NumberedLines(60, 60).c_str());
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
  const PixelImage behind = CaptureBackground(*host, edit);
  EXPECT_TRUE(NearRgb(shot.At(30, 100), Blend(behind.At(0, 70), 0x22CADD, 180), 4))
      << "no focus outline: " << RgbText(shot.At(30, 100));
}

}  // namespace
