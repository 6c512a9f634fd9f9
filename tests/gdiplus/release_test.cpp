// Every wrapper releases what it holds: after 1,000 rounds of making,
// drawing with and dropping the objects a painter uses, the process heap
// has not grown. (Wine answers 0 to GetGuiResources, so GDI handles are
// counted through the heap and the handle checks elsewhere.)
#include "gdiplus_test_support.h"

namespace {

class ReleaseTest : public GdiPlusTest {
 protected:
  static Bytes PictureBytes() {
    Bitmap b;
    FillBitmap(b, 26, 18, [](int x, int y) { return MakeArgb(255, x * 9, y * 14, 90); });
    return b.SaveToBytes(Text(ImageFormatPNG));
  }

  template <class Round>
  void ExpectNoGrowth(Round round) {
    for (int i = 0; i < 20; ++i) round();  // let caches settle
    const std::size_t before = HeapBytesInUse();
    for (int i = 0; i < 1000; ++i) round();
    EXPECT_LT(HeapBytesInUse(), before + 64 * 1024) << "heap grew from " << before;
  }
};

TEST_F(ReleaseTest, HeapWalkSeesALeak) {
  std::vector<Bitmap> kept(200);
  const std::size_t before = HeapBytesInUse();
  ASSERT_GT(before, 0u);
  for (Bitmap& b : kept) b.CreateFromScan0(26, 18);
  EXPECT_GT(HeapBytesInUse(), before + 200 * 26 * 18 * 4);
}

TEST_F(ReleaseTest, PaintRoundReleasesByDeleteAndByDestructor) {
  const Bytes picture = PictureBytes();
  ASSERT_FALSE(picture.empty());
  Dib32 dib(64, 40, 0);
  ExpectNoGrowth([&] {
    Graphics g;
    g.CreateFromHDC(dib.dc);
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
    g.FillPath(linear, path);
    PathGradientBrush radial;
    radial.CreateFromPath(path);
    g.FillPath(radial, path);
    Font font;
    font.Create("宋体", 12);
    StringFormat format;
    format.Create(StringFormatFlagsLineLimit);
    g.DrawString("提取ip", font, solid, RectF{0, 2, 60, 30}, &format);
    font.Delete();
    format.Delete();
    linear.Delete();
    solid.Delete();
    // The rest is left to the destructors.
    Bitmap bitmap;
    bitmap.CreateFromBytes(picture);
    TextureBrush texture;
    texture.Create(bitmap);
    Pen pen;
    pen.Create2(texture, 2);
    g.DrawPath(pen, path);
    Region region;
    region.CreatePath(path);
    g.SetClipRegion(region);
    FontFamily family;
    family.CreateFromName("宋体");
    Font fromFamily;
    fromFamily.CreateFromFamily(family, 12);
    // GDI handles handed out by conversions are the caller's alone.
    DeleteObject(bitmap.GetHBITMAP(0));
    DeleteObject(region.GetHRgn(g));
  });
}

TEST_F(ReleaseTest, MemoryStreamReleasesOnceAndZeroFillsItsTail) {
  const Bytes bytes(4096, 0xAB);
  ExpectNoGrowth([&] {
    MemoryStream stream;
    stream.Create(bytes);
    stream.ReadAll();
    stream.Release();
    stream.Release();  // harmless
    MemoryStream dropped;
    dropped.Create(bytes, 100);
  });
  MemoryStream stream;
  ASSERT_NE(stream.Create(Bytes{1, 2, 3}, 8), nullptr);  // larger than the bytes
  Bytes eight = stream.ReadAll();
  ASSERT_GE(eight.size(), 8u);
  EXPECT_EQ(eight[2], 3);
  EXPECT_EQ(eight[7], 0);
  stream.Release();
  EXPECT_EQ(stream.GetStream(), nullptr);
  EXPECT_EQ(stream.Size(), 0u);
}

}  // namespace
