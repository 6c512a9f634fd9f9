// Header controls: the item under the mouse (divider zones excluded), the
// hot and pressed faces, the last item of a list view's header reaching
// the list's right edge, icons, clicks and resizes that reach the parent,
// and the image list left to its owner.
#include "bars_fixture.h"

#include <algorithm>

namespace {

constexpr COLORREF kGrey = RGB(128, 128, 128);

class HeaderTest : public BarSkinTest {
 protected:
  HWND MakeHeader(DWORD style, std::initializer_list<int> widths) {
    MakeHost(360, 200);
    FillHostPicture(kGrey);
    HWND header = Add(WC_HEADERA, style, 20, 30, 300, 24, 4);
    int i = 0;
    for (int w : widths) AddItem(header, i++, w, "列");
    Install();
    return header;
  }
  static void AddItem(HWND header, int at, int width, const char* text,
                      int format = HDF_LEFT | HDF_STRING, int image = 0) {
    HDITEMA item{};
    item.mask = HDI_WIDTH | HDI_TEXT | HDI_FORMAT | HDI_IMAGE;
    item.cxy = width;
    item.pszText = const_cast<char*>(text);
    item.fmt = format;
    item.iImage = image;
    SendMessageA(header, HDM_INSERTITEMA, static_cast<WPARAM>(at), reinterpret_cast<LPARAM>(&item));
  }
  int Notified(std::initializer_list<UINT> codes) const {
    return static_cast<int>(std::count_if(notifyCodes.begin(), notifyCodes.end(), [&](UINT c) {
      return std::find(codes.begin(), codes.end(), c) != codes.end();
    }));
  }
};

TEST_F(HeaderTest, TheDividerZonesBelongToNoItem) {
  HWND header = MakeHeader(HDS_BUTTONS, {100, 80});
  (void)header;
  const int i = Index();
  EXPECT_EQ(HeaderItemAt(i, 1, MAKELPARAM(4, 10)), 0);
  EXPECT_EQ(HeaderItemAt(i, 1, MAKELPARAM(5, 10)), 1);
  EXPECT_EQ(HeaderItemAt(i, 1, MAKELPARAM(95, 10)), 1);
  EXPECT_EQ(HeaderItemAt(i, 1, MAKELPARAM(96, 10)), 0);
  EXPECT_EQ(HeaderItemAt(i, 1, MAKELPARAM(104, 10)), 0);
  EXPECT_EQ(HeaderItemAt(i, 1, MAKELPARAM(105, 500)), 2);  // y is not looked at
  EXPECT_EQ(HeaderItemAt(i, 1, MAKELPARAM(175, 10)), 2);
  EXPECT_EQ(HeaderItemAt(i, 1, MAKELPARAM(176, 10)), 0);
  EXPECT_EQ(HeaderItemAt(i, 1, MAKELPARAM(250, 10)), 0);
  EXPECT_EQ(HeaderItemAt(i, 2, MAKELPARAM(50, 10)), 0);  // no such header
}

TEST_F(HeaderTest, TheAreaBeyondTheItemsShowsTheBackground) {
  HWND header = MakeHeader(HDS_BUTTONS, {100, 80});
  HDC dc = GetDC(header);
  HBRUSH magenta = CreateSolidBrush(RGB(255, 0, 255));
  RECT all{0, 0, 300, 24};
  FillRect(dc, &all, magenta);
  DeleteObject(magenta);
  ReleaseDC(header, dc);
  InvalidateRect(header, nullptr, TRUE);
  PumpMessages();
  const PixelImage shot = Screen(header);
  for (int x : {181, 240, 299})
    EXPECT_EQ(shot.At(x, 12), 0x808080u) << x << " " << RgbText(shot.At(x, 12));
  EXPECT_NE(shot.At(150, 12), 0x808080u);  // an item face
  EXPECT_EQ(CountDifferent(CaptureComposite(*host, header), shot, 2), 0);
}

TEST_F(HeaderTest, TheItemUnderTheMouseShowsItsHotFace) {
  HWND header = MakeHeader(HDS_BUTTONS, {100, 100});
  const PixelImage plain = Screen(header);
  // Both items look alike away from their text.
  EXPECT_TRUE(NearRgb(plain.At(80, 20), plain.At(180, 20), 2));
  // Clickable face over grey: transparent base (overlay alpha 0), white 80
  // to accent 120 downwards.
  EXPECT_TRUE(NearRgb(plain.At(80, 20),
                      Over(0x808080, Between({kWhiteRgb, 80}, {kAccentRgb, 120}, 20.5 / 24)), 10))
      << RgbText(plain.At(80, 20));

  SendMessageA(header, WM_MOUSEMOVE, 0, MAKELPARAM(50, 10));
  const HeaderRecord& r = *Record().headers[0];
  EXPECT_EQ(r.hot, 1);
  EXPECT_EQ(r.hotItem, 1);
  EXPECT_EQ(r.paintedItem, 1);
  EXPECT_EQ(Record().hotControlClass, 9);
  const PixelImage hot = Screen(header);
  EXPECT_FALSE(NearRgb(hot.At(80, 20), plain.At(80, 20), 6)) << RgbText(hot.At(80, 20));
  EXPECT_TRUE(NearRgb(hot.At(180, 20), plain.At(180, 20), 2));

  // Onto the divider zone: no item, painted plain again.
  SendMessageA(header, WM_MOUSEMOVE, 0, MAKELPARAM(98, 10));
  EXPECT_EQ(r.hotItem, 0);
  EXPECT_EQ(r.hot, 0);
  EXPECT_TRUE(NearRgb(Screen(header).At(80, 20), plain.At(80, 20), 2));

  SendMessageA(header, WM_MOUSEMOVE, 0, MAKELPARAM(150, 10));
  EXPECT_EQ(r.hotItem, 2);
  SendMessageA(header, WM_MOUSELEAVE, 0, 0);
  EXPECT_EQ(r.hotItem, 0);
  EXPECT_EQ(r.paintedItem, 0);
  EXPECT_EQ(Record().hotControlIndex, 0);
  EXPECT_EQ(CountDifferent(Screen(header), plain, 2), 0);
  EXPECT_EQ(CountDifferent(CaptureComposite(*host, header), plain, 2), 0);
}

TEST_F(HeaderTest, APressedItemLooksPressedOnlyWhileTheButtonIsHeldAndTheClickReachesTheParent) {
  HWND header = MakeHeader(HDS_BUTTONS, {100, 100});
  const LPARAM at = MAKELPARAM(50, 10);
  SendMessageA(header, WM_MOUSEMOVE, 0, at);
  PumpMessages();
  const PixelImage hot = Screen(header);
  SendMessageA(header, WM_LBUTTONDOWN, MK_LBUTTON, at);
  PumpMessages();
  EXPECT_EQ(Record().headers[0]->pressedItem, 1);
  EXPECT_EQ(Record().headers[0]->buttonDown, 1);
  InvalidateRect(header, nullptr, FALSE);
  PumpMessages();
  const PixelImage pressed = Screen(header);
  // black 30 to white 120 over the hot face.
  EXPECT_TRUE(NearRgb(pressed.At(80, 20),
                      Over(hot.At(80, 20), Between({kBlackRgb, 30}, {kWhiteRgb, 120}, 20.5 / 24)),
                      10))
      << RgbText(pressed.At(80, 20)) << " over " << RgbText(hot.At(80, 20));
  EXPECT_TRUE(NearRgb(pressed.At(180, 20), hot.At(180, 20), 2));

  SendMessageA(header, WM_LBUTTONUP, 0, at);
  PumpMessages();
  EXPECT_EQ(Record().headers[0]->pressedItem, 0);
  InvalidateRect(header, nullptr, FALSE);
  PumpMessages();
  EXPECT_TRUE(NearRgb(Screen(header).At(80, 20), hot.At(80, 20), 2));
  EXPECT_EQ(Notified({HDN_ITEMCLICKA, HDN_ITEMCLICKW}), 1);
}

TEST_F(HeaderTest, DraggingADividerResizesTheItemAndTellsTheParent) {
  HWND header = MakeHeader(HDS_BUTTONS, {100, 100});
  SendMessageA(header, WM_MOUSEMOVE, 0, MAKELPARAM(100, 10));
  SendMessageA(header, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(100, 10));
  SendMessageA(header, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(115, 10));
  SendMessageA(header, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(130, 10));
  SendMessageA(header, WM_LBUTTONUP, 0, MAKELPARAM(130, 10));
  PumpMessages();
  RECT first{};
  SendMessageA(header, HDM_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&first));
  EXPECT_EQ(first.right, 130);
  EXPECT_GE(Notified({HDN_BEGINTRACKA, HDN_BEGINTRACKW}), 1);
  EXPECT_GE(Notified({HDN_ENDTRACKA, HDN_ENDTRACKW, HDN_ITEMCHANGEDA, HDN_ITEMCHANGEDW}), 1);
  // The skin shows the new width: item 2 now starts at 130.
  EXPECT_EQ(HeaderItemAt(Index(), 1, MAKELPARAM(140, 10)), 2);
  const PixelImage shot = Screen(header);
  EXPECT_FALSE(NearRgb(shot.At(129, 12), shot.At(120, 12), 3));  // the divider at the new edge
}

TEST_F(HeaderTest, TheLastItemOfAListViewsHeaderReachesTheListsRightEdge) {
  MakeHost(360, 220);
  FillHostPicture(kGrey);
  HWND list = Add(WC_LISTVIEWA, LVS_REPORT, 20, 20, 300, 150);
  for (int i = 0; i < 2; ++i) {
    LVCOLUMNA column{};
    column.mask = LVCF_WIDTH | LVCF_TEXT;
    column.cx = 80;
    column.pszText = const_cast<char*>(i == 0 ? "地址" : "端口");
    SendMessageA(list, LVM_INSERTCOLUMNA, i, reinterpret_cast<LPARAM>(&column));
  }
  HWND header = reinterpret_cast<HWND>(SendMessageA(list, LVM_GETHEADER, 0, 0));
  Install();
  InvalidateRect(header, nullptr, FALSE);
  PumpMessages();
  const PixelImage shot = Screen(header);
  RECT client{};
  GetClientRect(list, &client);
  ASSERT_GT(client.right, 250);
  const int y = shot.height - 3;
  // Past the last column the face of item 2 continues; the divider sits at
  // the list's right edge.
  EXPECT_TRUE(NearRgb(shot.At(240, y), shot.At(130, y), 3))
      << RgbText(shot.At(240, y)) << " vs " << RgbText(shot.At(130, y));
  EXPECT_FALSE(NearRgb(shot.At(client.right - 1, y), shot.At(240, y), 3));
  DestroyWindow(list);
}

TEST_F(HeaderTest, AnItemIconIsDrawnAndTheImageListOutlivesTheHeader) {
  MakeHost(360, 200);
  FillHostPicture(kGrey);
  HWND header = Add(WC_HEADERA, HDS_BUTTONS, 20, 30, 300, 24, 4);
  HIMAGELIST images = RedImageList();
  SendMessageA(header, HDM_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(images));
  AddItem(header, 0, 120, "图", HDF_LEFT | HDF_STRING | HDF_IMAGE, 0);
  AddItem(header, 1, 120, "无");
  Install();
  InvalidateRect(header, nullptr, FALSE);
  PumpMessages();
  const int margin = static_cast<int>(SendMessageA(header, HDM_GETBITMAPMARGIN, 0, 0));
  const PixelImage shot = Screen(header);
  const std::uint32_t icon = shot.At(margin + 8, 12);
  EXPECT_GT(static_cast<int>((icon >> 16) & 0xFF), 200) << RgbText(icon);
  EXPECT_LT(static_cast<int>((icon >> 8) & 0xFF), 60) << RgbText(icon);
  const std::uint32_t noIcon = shot.At(120 + margin + 8, 20);
  EXPECT_LT(static_cast<int>((noIcon >> 16) & 0xFF), 200) << RgbText(noIcon);

  // The list belongs to whoever made it: still usable after the header is
  // gone, and destroyed once, by its owner.
  DestroyWindow(header);
  EXPECT_EQ(ImageList_GetImageCount(images), 1);
  EXPECT_TRUE(ImageList_Destroy(images));
}

}  // namespace
