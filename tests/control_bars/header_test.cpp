// Header controls: the item under the mouse (divider zones excluded), the
// hot and pressed faces, the click reaching the parent, and the
// image list left to its owner.
#include "bars_fixture.h"

#include <algorithm>

namespace {

class HeaderTest : public BarSkinTest {
 protected:
  HWND MakeHeader() {
    MakeHost(360, 200);
    HWND header = Add(WC_HEADERA, HDS_BUTTONS, 20, 30, 300, 24, 4);
    AddItem(header, 0, 100, "列");
    AddItem(header, 1, 100, "列");
    Install();
    return header;
  }
  static void AddItem(HWND header, int at, int width, const char* text, int format = HDF_LEFT | HDF_STRING) {
    HDITEMA item{};
    item.mask = HDI_WIDTH | HDI_TEXT | HDI_FORMAT | HDI_IMAGE;
    item.cxy = width;
    item.pszText = const_cast<char*>(text);
    item.fmt = format;
    SendMessageA(header, HDM_INSERTITEMA, static_cast<WPARAM>(at), reinterpret_cast<LPARAM>(&item));
  }
};

TEST_F(HeaderTest, TheDividerZonesBelongToNoItem) {
  MakeHeader();
  const struct {
    int x, y, item;
  } cases[] = {{4, 10, 0}, {5, 10, 1}, {95, 10, 1}, {96, 10, 0}, {104, 10, 0},
               {105, 500, 2}, {195, 10, 2}, {196, 10, 0}, {250, 10, 0}};
  for (const auto& c : cases) {
    EXPECT_EQ(HeaderItemAt(Index(), 1, MAKELPARAM(c.x, c.y)), c.item) << c.x;
  }
  EXPECT_EQ(HeaderItemAt(Index(), 2, MAKELPARAM(50, 10)), 0);  // no such header
}

TEST_F(HeaderTest, TheHotAndPressedFacesAndTheClickReachingTheParent) {
  HWND header = MakeHeader();
  const PixelImage plain = Screen(header);
  // Clickable face over grey: white 80 to accent 120 downwards.
  EXPECT_TRUE(NearRgb(plain.At(80, 20),
                      Over(0x808080, Between({kWhiteRgb, 80}, {kAccentRgb, 120}, 20.5 / 24)), 10))
      << RgbText(plain.At(80, 20));
  const LPARAM at = MAKELPARAM(50, 10);
  SendMessageA(header, WM_MOUSEMOVE, 0, at);
  EXPECT_EQ(Record().headers[0]->hotItem, 1);
  const PixelImage hot = Screen(header);
  EXPECT_FALSE(NearRgb(hot.At(80, 20), plain.At(80, 20), 6)) << RgbText(hot.At(80, 20));
  EXPECT_TRUE(NearRgb(hot.At(180, 20), plain.At(180, 20), 2));
  SendMessageA(header, WM_MOUSEMOVE, 0, MAKELPARAM(98, 10));  // the divider zone: plain again
  EXPECT_EQ(Record().headers[0]->hotItem, 0);
  EXPECT_TRUE(NearRgb(Screen(header).At(80, 20), plain.At(80, 20), 2));

  SendMessageA(header, WM_MOUSEMOVE, 0, at);
  SendMessageA(header, WM_LBUTTONDOWN, MK_LBUTTON, at);
  InvalidateRect(header, nullptr, FALSE);
  PumpMessages();
  const PixelImage pressed = Screen(header);
  // Black 30 to white 120 over the hot face, only on the pressed item.
  EXPECT_TRUE(NearRgb(pressed.At(80, 20),
                      Over(hot.At(80, 20), Between({kBlackRgb, 30}, {kWhiteRgb, 120}, 20.5 / 24)), 10))
      << RgbText(pressed.At(80, 20)) << " over " << RgbText(hot.At(80, 20));
  EXPECT_TRUE(NearRgb(pressed.At(180, 20), hot.At(180, 20), 2));
  SendMessageA(header, WM_LBUTTONUP, 0, at);
  InvalidateRect(header, nullptr, FALSE);
  PumpMessages();
  EXPECT_TRUE(NearRgb(Screen(header).At(80, 20), hot.At(80, 20), 2));
  EXPECT_EQ(std::count(notifyCodes.begin(), notifyCodes.end(), HDN_ITEMCLICKA) +
                std::count(notifyCodes.begin(), notifyCodes.end(), HDN_ITEMCLICKW),
            1);

  SendMessageA(header, WM_MOUSELEAVE, 0, 0);
  EXPECT_EQ(Record().hotControlIndex, 0);
  EXPECT_EQ(CountDifferent(Screen(header), plain, 2), 0);
  EXPECT_EQ(CountDifferent(CaptureComposite(*host, header), plain, 2), 0);
}

TEST_F(HeaderTest, AnItemIconIsDrawnAndTheImageListOutlivesTheHeader) {
  MakeHost(360, 200);
  HWND header = Add(WC_HEADERA, HDS_BUTTONS, 20, 30, 300, 24, 4);
  HIMAGELIST images = RedImageList();
  SendMessageA(header, HDM_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(images));
  AddItem(header, 0, 120, "图", HDF_LEFT | HDF_STRING | HDF_IMAGE);
  AddItem(header, 1, 120, "无");
  Install();
  const int margin = static_cast<int>(SendMessageA(header, HDM_GETBITMAPMARGIN, 0, 0));
  const PixelImage shot = Screen(header);
  const std::uint32_t icon = shot.At(margin + 8, 12);
  EXPECT_GT(static_cast<int>((icon >> 16) & 0xFF), 200) << RgbText(icon);
  EXPECT_LT(static_cast<int>((icon >> 8) & 0xFF), 60) << RgbText(icon);
  EXPECT_LT(static_cast<int>((shot.At(120 + margin + 8, 20) >> 16) & 0xFF), 200);
  // The list belongs to whoever made it: usable after the header is gone.
  DestroyWindow(header);
  EXPECT_EQ(ImageList_GetImageCount(images), 1);
  EXPECT_TRUE(ImageList_Destroy(images));
}

TEST_F(HeaderTest, TheLastItemOfAListViewsHeaderReachesTheListViewsRightEdge) {
  MakeHost(360, 240);
  HWND list = Add(WC_LISTVIEWA, LVS_REPORT, 20, 20, 300, 150);
  for (int i = 0; i < 2; ++i) {
    LVCOLUMNA column{};
    column.mask = LVCF_WIDTH | LVCF_TEXT;
    column.cx = 80;
    column.pszText = const_cast<char*>("列");
    SendMessageA(list, LVM_INSERTCOLUMNA, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&column));
  }
  HWND header = reinterpret_cast<HWND>(SendMessageA(list, LVM_GETHEADER, 0, 0));
  ASSERT_NE(header, nullptr);
  Install();
  InvalidateRect(header, nullptr, FALSE);
  PumpMessages();
  RECT client{};
  GetClientRect(list, &client);
  RECT item{};
  SendMessageA(header, HDM_GETITEMRECT, 1, reinterpret_cast<LPARAM>(&item));
  ASSERT_EQ(item.right, 160);
  ASSERT_GT(client.right, 220);
  const PixelImage shot = CaptureClient(header);
  const int h = item.bottom - item.top;
  // Past the columns the last item's face goes on to the edge: white 80 to
  // accent 120 downwards over the grey, not the grey behind the header.
  for (int x : {170, 200, static_cast<int>(client.right) - 4}) {
    const std::uint32_t face = Over(0x808080, Between({kWhiteRgb, 80}, {kAccentRgb, 120}, (h - 3.5) / h));
    EXPECT_TRUE(NearRgb(shot.At(x, h - 4), face, 10)) << x << " " << RgbText(shot.At(x, h - 4)) << " face " << RgbText(face);
  }
  // Its divider is at the list view's edge, not where the column ends.
  const int row = h / 2;
  const std::uint32_t faceAtRow = shot.At(200, row);
  EXPECT_TRUE(NearRgb(shot.At(159, row), faceAtRow, 4)) << RgbText(shot.At(159, row));
  EXPECT_FALSE(NearRgb(shot.At(79, row), faceAtRow, 4)) << "no divider after the first item";
  EXPECT_FALSE(NearRgb(shot.At(client.right - 1, row), faceAtRow, 4)) << "no divider at the edge";
  DestroyWindow(list);
}

}  // namespace
