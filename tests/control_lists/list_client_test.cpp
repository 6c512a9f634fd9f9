// The client area of list-type controls: the stale flag following text,
// keys, scrolling, the wheel, placement and the resting mouse; the full
// composition over the background for list boxes, list views and tree
// views; the copy back from the composite while nothing is stale; the
// controls' own painting without backdrop; and the erase answers.
#include <windows.h>

#include <commctrl.h>

#include "skin/controls/scroll_bar_windows.h"
#include "tests/control_lists/list_fixture.h"

namespace {

constexpr int kTolerance = 4;
constexpr std::uint32_t kMarker = 0x123456;
constexpr UINT kArrowKeyRepaintMessage = WM_APP + 2;

using ListClient = ListFixture;

bool HasUpdateRegion(HWND window) { return GetUpdateRect(window, nullptr, FALSE) != FALSE; }

void Repaint(HWND window) {
  InvalidateRect(window, nullptr, TRUE);
  UpdateWindow(window);
}

// Fills the host's composite at control's client area.
void FillCompositeClient(const HostWindow& host, HWND control, std::uint32_t rgb) {
  RECT client = {};
  GetClientRect(control, &client);
  POINT origin = {0, 0};
  ClientToScreen(control, &origin);
  RECT h = {};
  GetWindowRect(host.get(), &h);
  OffsetRect(&client, origin.x - h.left, origin.y - h.top);
  HBRUSH brush = CreateSolidBrush(RGB((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF));
  FillRect(host.Record().frameCopy.get(), &client, brush);
  DeleteObject(brush);
}

void AddTreeItems(HWND tree, int count) {
  TVINSERTSTRUCTA insert = {};
  insert.hParent = TVI_ROOT;
  insert.hInsertAfter = TVI_LAST;
  insert.item.mask = TVIF_TEXT;
  for (int i = 0; i < count; ++i) {
    insert.item.pszText = const_cast<char*>("MMMMMMMM");
    SendMessageA(tree, TVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&insert));
  }
}

// Rows of image from first (exclusive of the rest) whose pixels all equal
// reference's within tolerance.
bool RowsMatch(const PixelImage& image, const PixelImage& reference, int first, int last) {
  for (int y = first; y < last; ++y) {
    for (int x = 0; x < image.width; ++x) {
      if (!NearRgb(image.At(x, y), reference.At(x, y), kTolerance)) return false;
    }
  }
  return true;
}

TEST_F(ListClient, StaleFollowsTextKeysScrollingAndTheWheel) {
  HWND box = AddListBox(WS_VSCROLL, WS_EX_CLIENTEDGE, 30, 30, 200, 150, 60);
  Install();
  ListRecord& record = ListOf(box);
  EXPECT_EQ(record.stale, 0);  // the first paint composed it

  SendMessageA(box, WM_KEYDOWN, VK_DOWN, 0);
  EXPECT_EQ(record.stale, 1);
  EXPECT_EQ(record.arrowKeyDown, 1);
  record.stale = 0;
  SendMessageA(box, WM_KEYUP, VK_DOWN, 0);
  EXPECT_EQ(record.stale, 1);
  EXPECT_EQ(record.arrowKeyDown, 0);

  record.stale = 0;
  SendMessageA(box, WM_KEYDOWN, 'A', 0);  // any key, but not held as an arrow
  EXPECT_EQ(record.stale, 1);
  EXPECT_EQ(record.arrowKeyDown, 0);

  record.stale = 0;
  SendMessageA(box, WM_VSCROLL, SB_LINEDOWN, 0);
  EXPECT_EQ(record.stale, 1);
  EXPECT_TRUE(HasUpdateRegion(box));
  UpdateWindow(box);
  EXPECT_EQ(record.stale, 0);

  SendMessageA(box, WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(-WHEEL_DELTA)), 0);
  EXPECT_EQ(record.stale, 1);
  EXPECT_TRUE(HasUpdateRegion(box));
  UpdateWindow(box);

  SendMessageA(box, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("x"));
  EXPECT_EQ(record.stale, 1);
  UpdateWindow(box);
  record.stale = 0;
  SetWindowPos(box, nullptr, 0, 0, 220, 160, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  EXPECT_EQ(record.stale, 1);
}

TEST_F(ListClient, TheArrowKeyMessageMarksStaleOnlyWhileAnArrowIsHeld) {
  HWND box = AddListBox(WS_VSCROLL, WS_EX_CLIENTEDGE, 30, 30, 200, 150, 60);
  Install();
  ListRecord& record = ListOf(box);
  ValidateRect(box, nullptr);
  record.stale = 0;
  SendMessageA(box, kArrowKeyRepaintMessage, 0, 0);
  EXPECT_EQ(record.stale, 0);
  EXPECT_FALSE(HasUpdateRegion(box));
  record.arrowKeyDown = 1;
  SendMessageA(box, kArrowKeyRepaintMessage, 0, 0);
  EXPECT_EQ(record.stale, 1);
  EXPECT_TRUE(HasUpdateRegion(box));
  ValidateRect(box, nullptr);
  record.stale = 0;
  SetControlSkinOptions(1);  // without backdrop nothing is marked
  SendMessageA(box, kArrowKeyRepaintMessage, 0, 0);
  EXPECT_EQ(record.stale, 0);
}

TEST_F(ListClient, ScrollingMovesTheDrawnThumb) {
  HWND box = AddListBox(WS_VSCROLL, WS_EX_CLIENTEDGE, 30, 30, 200, 150, 200);
  Install();
  HWND bar = ListOf(box).verticalBar;
  const PixelImage before = CaptureCompositeOf(*host, bar);
  for (int i = 0; i < 5; ++i) SendMessageA(box, WM_VSCROLL, SB_PAGEDOWN, 0);
  PumpMessages();
  const PixelImage after = CaptureCompositeOf(*host, bar);
  EXPECT_GT(CountDifferent(before, after, 20), 20);
  const PixelImage wheelBefore = after;
  SendMessageA(box, WM_KEYDOWN, VK_NEXT, 0);  // page down: not an arrow key
  for (int i = 0; i < 3; ++i) {
    SendMessageA(box, WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(-WHEEL_DELTA)), 0);
  }
  PumpMessages();
  EXPECT_GT(CountDifferent(wheelBefore, CaptureCompositeOf(*host, bar), 20), 20);
}

TEST_F(ListClient, ArrowKeysLeaveTheDrawnThumbWhereTheListScrolledTo) {
  HWND box = AddListBox(WS_VSCROLL, WS_EX_CLIENTEDGE, 30, 30, 200, 150, 20);
  Install();
  HWND bar = ListOf(box).verticalBar;
  SetFocus(box);
  SendMessageA(box, LB_SETCURSEL, 0, 0);
  const LRESULT firstTop = SendMessageA(box, LB_GETTOPINDEX, 0, 0);
  for (int i = 0; i < 15; ++i) {
    SendMessageA(box, WM_KEYDOWN, VK_DOWN, 0);
    SendMessageA(box, WM_KEYUP, VK_DOWN, 0);
  }
  ASSERT_GT(SendMessageA(box, LB_GETTOPINDEX, 0, 0), firstTop + 1);
  const PixelImage afterKeys = CaptureCompositeOf(*host, bar);
  PaintVerticalScrollBar(box, 0);  // the bar as the list stands now
  EXPECT_EQ(CountDifferent(afterKeys, CaptureCompositeOf(*host, bar), 6), 0);
}

TEST_F(ListClient, ListBoxPaintsIntoTheComposedPictureAndPresentsIt) {
  HWND box = AddListBox(WS_VSCROLL, WS_EX_CLIENTEDGE, 30, 30, 200, 150, 3);
  Install();
  FillCompositeClient(*host, box, kMarker);
  ListOf(box).stale = 1;
  Repaint(box);
  const PixelImage screen = CaptureClient(box);
  const PixelImage composite = CaptureCompositeClient(*host, box);
  // The list box clears below its items itself (the item background of the
  // containing window's answer); its items are drawn and what is on screen
  // went into the composite too.
  EXPECT_EQ(CountNear(composite, kMarker, 0), 0);
  EXPECT_EQ(CountDifferent(screen, composite, kTolerance), 0);
  EXPECT_GT(CountNear(screen, kBlackRgb, 60), 20);
  EXPECT_EQ(ListOf(box).stale, 0);
}

TEST_F(ListClient, WhileNothingIsStaleTheClientIsCopiedFromTheComposite) {
  HWND box = AddListBox(WS_VSCROLL, WS_EX_CLIENTEDGE, 30, 30, 200, 150, 3);
  Install();
  ASSERT_EQ(ListOf(box).stale, 0);
  FillCompositeClient(*host, box, kMarker);
  InvalidateRect(box, nullptr, FALSE);
  UpdateWindow(box);
  PixelImage screen = CaptureClient(box);
  EXPECT_EQ(CountNear(screen, kMarker, 0), screen.width * screen.height);

  // With the mouse resting over it the control is composed afresh.
  ListOf(box).hoverSeen = 1;
  InvalidateRect(box, nullptr, FALSE);
  UpdateWindow(box);
  screen = CaptureClient(box);
  EXPECT_EQ(CountNear(screen, kMarker, 0), 0);
  EXPECT_EQ(ListOf(box).stale, 0);
}

TEST_F(ListClient, MouseHoverAndLeaveKeepTheHoverFlag) {
  HWND box = AddListBox(WS_VSCROLL, WS_EX_CLIENTEDGE, 30, 30, 200, 150, 3);
  Install();
  SendMessageA(box, WM_MOUSEHOVER, 0, MAKELPARAM(10, 10));
  EXPECT_EQ(ListOf(box).hoverSeen, 1);
  SendMessageA(box, WM_MOUSELEAVE, 0, 0);
  EXPECT_EQ(ListOf(box).hoverSeen, 0);
}

TEST_F(ListClient, TreeViewKeysItsOwnBackgroundOut) {
  HWND tree = AddControl(WC_TREEVIEWA, 0, WS_EX_CLIENTEDGE, 30, 30, 200, 150);
  AddTreeItems(tree, 2);
  Install();
  Repaint(tree);
  const PixelImage screen = CaptureClient(tree);
  const PixelImage behind = CaptureFrameBehindClient(*host, tree);
  EXPECT_EQ(CountNear(screen, 0xFF00FF, 0), 0);
  EXPECT_EQ(CountNear(CaptureCompositeClient(*host, tree), 0xFF00FF, 0), 0);
  // The lower half holds no item: only the background.
  EXPECT_TRUE(RowsMatch(screen, behind, screen.height / 2, screen.height));
  // The items are drawn: the upper rows differ from the background.
  EXPECT_GT(CountDifferent(screen, behind, 60), 20);
  EXPECT_EQ(ListOf(tree).stale, 0);
}

TEST_F(ListClient, ListViewWaitsWhileTheFramesChildrenAreStale) {
  HWND view = AddControl(WC_LISTVIEWA, LVS_REPORT | LVS_NOCOLUMNHEADER, WS_EX_CLIENTEDGE, 30, 30,
                         200, 150);
  Install();
  Repaint(view);
  const PixelImage behind = CaptureFrameBehindClient(*host, view);
  EXPECT_EQ(CountDifferent(CaptureClient(view), behind, kTolerance), 0);
  EXPECT_EQ(ListOf(view).stale, 0);

  host->Record().childrenStale = 1;
  ListOf(view).stale = 1;
  Repaint(view);
  EXPECT_EQ(ListOf(view).stale, 1);
  EXPECT_FALSE(HasUpdateRegion(view));
  host->Record().childrenStale = 0;
}

TEST_F(ListClient, WithoutBackdropTheControlsPaintThemselves) {
  SetControlSkinOptions(1);
  HWND tree = AddControl(WC_TREEVIEWA, 0, WS_EX_CLIENTEDGE, 30, 30, 200, 150);
  HWND box = AddListBox(WS_VSCROLL, WS_EX_CLIENTEDGE, 250, 30, 200, 150, 2);
  Install();
  Repaint(tree);
  Repaint(box);
  for (HWND control : {tree, box}) {
    const PixelImage screen = CaptureClient(control);
    // The lower half is the control's own white, not the background.
    int white = 0;
    for (int y = screen.height / 2; y < screen.height; ++y) {
      for (int x = 0; x < screen.width - 20; ++x) white += screen.At(x, y) == kWhiteRgb ? 1 : 0;
    }
    EXPECT_EQ(white, (screen.height - screen.height / 2) * (screen.width - 20));
  }
}

TEST_F(ListClient, EraseAnswersOfEachKind) {
  HWND box = AddListBox(0, 0, 30, 30, 100, 80, 2);
  HWND owner = AddControl("ListBox", LBS_OWNERDRAWFIXED | LBS_HASSTRINGS, 0, 140, 30, 100, 80);
  HWND address = AddControl(WC_IPADDRESSA, 0, 0, 250, 30, 150, 24);
  Install();
  SetPropInt(address, Kj_Ztys, static_cast<int>(RGB(1, 2, 3)));
  HDC dc = CreateCompatibleDC(nullptr);
  HBITMAP bitmap = CreateCompatibleBitmap(GetDC(nullptr), 8, 8);
  HGDIOBJ old = SelectObject(dc, bitmap);

  SetBkMode(dc, OPAQUE);
  EXPECT_EQ(SendMessageA(box, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0), 1);
  EXPECT_EQ(GetBkMode(dc), TRANSPARENT);

  SetBkMode(dc, OPAQUE);
  SetTextColor(dc, RGB(9, 8, 7));
  EXPECT_EQ(static_cast<COLORREF>(SendMessageA(address, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0)),
            RGB(9, 8, 7));
  EXPECT_EQ(GetBkMode(dc), TRANSPARENT);
  EXPECT_EQ(GetTextColor(dc), RGB(1, 2, 3));

  // The owner-drawn list box erases as it always does.
  SetBkMode(dc, OPAQUE);
  SendMessageA(owner, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
  EXPECT_EQ(GetBkMode(dc), OPAQUE);

  SelectObject(dc, old);
  DeleteObject(bitmap);
  DeleteDC(dc);
}

}  // namespace
