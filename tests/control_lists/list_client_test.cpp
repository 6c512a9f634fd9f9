// The client area of list-type controls: the stale flag following keys,
// scrolling, the wheel and text; the drawn thumb kept in step;
// composition while stale and the copy from the composite while not.
#include <windows.h>

#include <commctrl.h>

#include "skin/controls/scroll_bars/scroll_bar_windows.h"
#include "tests/control_lists/list_fixture.h"

namespace {

using ListClient = ListFixture;

bool HasUpdateRegion(HWND window) { return GetUpdateRect(window, nullptr, FALSE) != FALSE; }

void Repaint(HWND window, BOOL erase = TRUE) {
  InvalidateRect(window, nullptr, erase);
  UpdateWindow(window);
}

TEST_F(ListClient, StaleFollowsKeysScrollingTheWheelAndText) {
  HWND box = AddListBox(WS_VSCROLL, WS_EX_CLIENTEDGE, 30, 30, 200, 150, 60);
  Install();
  ListRecord& record = ListOf(box);
  EXPECT_EQ(record.stale, 0);  // the first paint composed it

  SendMessageA(box, WM_KEYDOWN, VK_DOWN, 0);
  EXPECT_EQ(record.stale, 1);
  EXPECT_EQ(record.arrowKeyDown, 1);
  record.stale = false;
  SendMessageA(box, WM_KEYUP, VK_DOWN, 0);
  EXPECT_EQ(record.stale, 1);
  EXPECT_EQ(record.arrowKeyDown, 0);

  record.stale = false;
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
}

TEST_F(ListClient, TheDrawnThumbFollowsPagesTheWheelAndArrowKeys) {
  HWND box = AddListBox(WS_VSCROLL, WS_EX_CLIENTEDGE, 30, 30, 200, 150, 200);
  Install();
  HWND bar = ListOf(box).verticalBar;
  SetFocus(box);
  SendMessageA(box, LB_SETCURSEL, 0, 0);
  for (int i = 0; i < 15; ++i) {
    SendMessageA(box, WM_KEYDOWN, VK_DOWN, 0);
    SendMessageA(box, WM_KEYUP, VK_DOWN, 0);
  }
  ASSERT_GT(SendMessageA(box, LB_GETTOPINDEX, 0, 0), 1);
  const PixelImage afterKeys = CaptureComposite(*host, bar);
  PaintVerticalScrollBar(box, kScrollPartNone);  // the bar as the list stands now
  EXPECT_EQ(CountDifferent(afterKeys, CaptureComposite(*host, bar), 6), 0);

  for (int i = 0; i < 5; ++i) SendMessageA(box, WM_VSCROLL, SB_PAGEDOWN, 0);
  PumpMessages();
  const PixelImage afterPages = CaptureComposite(*host, bar);
  EXPECT_GT(CountDifferent(afterKeys, afterPages, 20), 20);
  SendMessageA(box, WM_KEYDOWN, VK_NEXT, 0);  // not an arrow key
  for (int i = 0; i < 3; ++i) {
    SendMessageA(box, WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(-WHEEL_DELTA)), 0);
  }
  PumpMessages();
  EXPECT_GT(CountDifferent(afterPages, CaptureComposite(*host, bar), 20), 20);
}

TEST_F(ListClient, StaleClientIsComposedAndFreshClientIsCopiedFromTheComposite) {
  HWND box = AddListBox(WS_VSCROLL, WS_EX_CLIENTEDGE, 30, 30, 200, 150, 3);
  Install();
  ASSERT_EQ(ListOf(box).stale, 0);
  const RECT client = ClientInHost(*host, box);
  FillComposite(client, kMarker);
  Repaint(box, FALSE);
  PixelImage screen = CaptureClient(box);
  EXPECT_EQ(CountNear(screen, kMarker, 0), screen.width * screen.height);

  ListOf(box).stale = true;
  Repaint(box);
  screen = CaptureClient(box);
  const PixelImage composite = CaptureRect(host->Record().frameCopy.get(), client);
  EXPECT_EQ(CountNear(composite, kMarker, 0), 0);
  EXPECT_EQ(CountDifferent(screen, composite, 4), 0);
  EXPECT_GT(CountNear(screen, kBlackRgb, 60), 20);  // the items' text
  EXPECT_EQ(ListOf(box).stale, 0);
}

TEST_F(ListClient, ATreeViewWithNothingSkinnedBehindItPaintsItsItemsItselfAndStaysStale) {
  HWND tree = AddControl(WC_TREEVIEWA, TVS_HASLINES, WS_EX_CLIENTEDGE, 30, 30, 200, 150);
  for (const char* text : {"tree one", "tree two", "tree three"}) {
    TVINSERTSTRUCTA insert = {};
    insert.hInsertAfter = TVI_LAST;
    insert.item.mask = TVIF_TEXT;
    insert.item.pszText = const_cast<char*>(text);
    SendMessageA(tree, TVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&insert));
  }
  Install();
  // Moved onto a plain window: its record stays, but no background can be
  // composed behind it any more.
  HWND plain = CreateWindowExA(0, "STATIC", "", WS_POPUP | WS_VISIBLE, 600, 100, 300, 240, nullptr,
                               nullptr, GetModuleHandleA(nullptr), nullptr);
  ASSERT_NE(plain, nullptr);
  SetParent(tree, plain);
  SetWindowPos(tree, nullptr, 10, 10, 200, 150, SWP_NOZORDER);
  PumpMessages();
  ListRecord& record = ListOf(tree);
  record.stale = true;
  RECT client = {};
  GetClientRect(tree, &client);
  HDC dc = GetDC(tree);
  HBRUSH marker = CreateSolidBrush(RGB(0x12, 0x34, 0x56));
  FillRect(dc, &client, marker);
  DeleteObject(marker);
  ReleaseDC(tree, dc);

  Repaint(tree);
  const PixelImage screen = CaptureClient(tree);
  // Its own painting: the items on the key colour it was given as their
  // background, with their text. The erase stays the skin's (nothing), so
  // below the items the old picture remains.
  int keyed = 0, text = 0;
  for (int y = 0; y < 16; ++y) {
    for (int x = 0; x < 40; ++x) {
      const std::uint32_t c = screen.At(x, y);
      if (c == 0xFF00FF) {
        ++keyed;
      } else if (c != kMarker) {
        ++text;
      }
    }
  }
  EXPECT_GT(keyed, 200) << "the tree view did not paint its items";
  EXPECT_GT(text, 20);
  EXPECT_FALSE(HasUpdateRegion(tree));
  EXPECT_TRUE(record.stale) << "nothing was composed";
  DestroyWindow(plain);
}

}  // namespace
