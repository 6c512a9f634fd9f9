// Every wrapper releases what it holds: after a thousand rounds of making,
// drawing with and dropping the objects a painter uses, the process holds
// no more GDI objects and no more heap than after the first rounds.
#include "gdiplus_test_support.h"

namespace {

class ReleaseTest : public GdiPlusTest {
 protected:
  static Bytes PictureBytes() {
    Bitmap b;
    FillBitmap(b, 26, 18, [](int x, int y) { return MakeArgb(255, x * 9, y * 14, 90); });
    return b.SaveToBytes(Text(ImageFormatPNG));
  }

  // Runs round() a few times to let caches settle, then 1,000 times, and
  // reports the growth of GDI objects and heap bytes over the 1,000.
  template <class Round>
  void ExpectNoGrowth(Round round, std::size_t heapSlack = 64 * 1024) {
    for (int i = 0; i < 20; ++i) round();
    const DWORD gdiBefore = GdiObjectCount();
    const std::size_t heapBefore = HeapBytesInUse();
    for (int i = 0; i < 1000; ++i) round();
    const DWORD gdiAfter = GdiObjectCount();
    const std::size_t heapAfter = HeapBytesInUse();
    EXPECT_EQ(gdiAfter, gdiBefore);
    EXPECT_LT(heapAfter, heapBefore + heapSlack)
        << "heap grew from " << heapBefore << " to " << heapAfter << " bytes";
  }
};

TEST_F(ReleaseTest, HeapWalkSeesALeak) {
  // The measure itself: a picture kept per round shows as heap growth.
  std::vector<Bitmap> kept;
  const std::size_t before = HeapBytesInUse();
  ASSERT_GT(before, 0u);
  for (int i = 0; i < 200; ++i) {
    kept.emplace_back();
    kept.back().CreateFromScan0(26, 18);
  }
  EXPECT_GT(HeapBytesInUse(), before + 200 * 26 * 18 * 4);
}

TEST_F(ReleaseTest, PaintRoundWithExplicitDeletes) {
  const Bytes picture = PictureBytes();
  ASSERT_FALSE(picture.empty());
  Dib32 dib(64, 40);
  ExpectNoGrowth([&] {
    Graphics g;
    g.CreateFromHDC(dib.dc());
    Image image;
    image.LoadFromBytes(picture);
    g.DrawImageRect(image, 10, 10, 25, 18);
    image.Dispose();
    GraphicsPath path;
    path.Create();
    path.AddRoundRectPercent(0, 0, 60, 30, 20);
    SolidBrush solid;
    solid.Create(MakeArgb(120, 255, 255, 255));
    g.FillPath(solid, path);
    LinearGradientBrush linear;
    linear.Create(PointF{0, 0}, PointF{0, 30}, MakeArgb(50, 255, 255, 255), MakeArgb(10, 0, 0, 0));
    linear.SetPresetBlend({MakeArgb(50, 255, 255, 255), MakeArgb(10, 0, 0, 0), MakeArgb(50, 255, 255, 255)},
                          {0, 0.6f, 1});
    g.FillPath(linear, path);
    Pen pen;
    pen.Create1(MakeArgb(80, 0, 0, 0), 1);
    g.DrawPath(pen, path);
    Font font;
    font.Create("宋体", 12);
    StringFormat format;
    format.Create(StringFormatFlagsLineLimit);
    g.DrawString("提取ip", font, solid, RectF{0, 2, 60, 30}, &format);
    pen.Delete();
    font.Delete();
    format.Delete();
    linear.Delete();
    solid.Delete();
    path.Delete();
    g.Delete();
  });
}

TEST_F(ReleaseTest, DestructorsReleaseWhatIsStillHeld) {
  const Bytes picture = PictureBytes();
  ExpectNoGrowth([&] {
    Bitmap bitmap;
    bitmap.CreateFromBytes(picture);
    Bitmap canvas;
    canvas.CreateFromScan0(30, 30);
    Graphics g;
    g.FromImage(canvas);
    GraphicsPath ellipse;
    ellipse.Create();
    ellipse.AddEllipse(0, 0, 30, 30);
    PathGradientBrush radial;
    radial.CreateFromPath(ellipse);
    radial.SetCenterColor(MakeArgb(255, 255, 255, 255));
    radial.SetSurroundColors({MakeArgb(0, 255, 255, 255)});
    g.FillPath(radial, ellipse);
    TextureBrush texture;
    texture.Create(bitmap);
    g.FillRectangle(texture, 0, 0, 30, 30);
    Region region;
    region.CreatePath(ellipse);
    g.SetClipRegion(region);
    FontFamily family;
    family.CreateFromName("宋体");
    Font font;
    font.CreateFromFamily(family, 12);
    Pen pen;
    pen.Create2(texture, 2);
    StringFormat format;
    format.GenericTypographic();
    // Nothing deleted: the destructors release everything.
  });
}

TEST_F(ReleaseTest, GdiHandlesFromConversionsAreTheCallersOnly) {
  Bitmap bitmap;
  ASSERT_TRUE(bitmap.CreateFromScan0(16, 16));
  Bitmap target;
  ASSERT_TRUE(target.CreateFromScan0(50, 50));
  Graphics g;
  ASSERT_TRUE(g.FromImage(target));
  ExpectNoGrowth([&] {
    HBITMAP gdi = bitmap.GetHBITMAP(0);
    DeleteObject(gdi);
    Region region;
    region.CreateRectI(RectI{0, 0, 10, 10});
    HRGN hrgn = region.GetHRgn(g);
    DeleteObject(hrgn);
    HDC screen = GetDC(nullptr);
    Font font;
    font.CreateFromDCAndFont(screen, static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT)));
    ReleaseDC(nullptr, screen);
    Font byDefault;
    byDefault.CreateDefault();
  });
}

TEST_F(ReleaseTest, MemoryStreamFreesItsBlockOnce) {
  const Bytes bytes(4096, 0xAB);
  ExpectNoGrowth([&] {
    MemoryStream stream;
    stream.Create(bytes);
    Bytes back = stream.ReadAll();
    stream.Release();
    stream.Release();  // harmless
    MemoryStream dropped;
    dropped.Create(bytes, 100);
  });

  MemoryStream stream;
  ASSERT_NE(stream.Create(bytes, 10), nullptr);
  EXPECT_GE(stream.Size(), 10u);
  Bytes ten = stream.ReadAll();
  ASSERT_GE(ten.size(), 10u);
  EXPECT_EQ(ten[9], 0xAB);
  ASSERT_NE(stream.Create(Bytes{1, 2, 3}, 8), nullptr);  // larger than the bytes: zero-filled
  Bytes eight = stream.ReadAll();
  ASSERT_GE(eight.size(), 8u);
  EXPECT_EQ(eight[2], 3);
  EXPECT_EQ(eight[7], 0);
  stream.Release();
  EXPECT_EQ(stream.GetStream(), nullptr);
  EXPECT_EQ(stream.Size(), 0u);
}

}  // namespace
