// Pictures: decoding from byte buffers and files, encoding back, GDI
// conversions, rotation, and the status convention on failure.
#include <cmath>

#include "gdiplus_test_support.h"

namespace {

class ImageTest : public GdiPlusTest {};

constexpr Argb kRed = MakeArgb(255, 255, 0, 0), kGreen = MakeArgb(255, 0, 255, 0);
constexpr Argb kBlue = MakeArgb(255, 0, 0, 255), kHalfWhite = MakeArgb(128, 255, 255, 255);

// 7 x 5: red left part, blue right part, a translucent bottom row.
Argb Quadrants(int x, int y) { return y == 4 ? kHalfWhite : x < 4 ? kRed : kBlue; }

Bytes QuadrantsPng() {
  Bitmap source;
  return FillBitmap(source, 7, 5, Quadrants) ? source.SaveToBytes(Text(ImageFormatPNG)) : Bytes();
}

TEST_F(ImageTest, PngRoundTripKeepsColoursAndAlphaAndOutlivesTheCallersBuffer) {
  Bytes png = QuadrantsPng();
  ASSERT_GT(png.size(), 8u);
  EXPECT_EQ(Bytes(png.begin(), png.begin() + 4), (Bytes{0x89, 'P', 'N', 'G'}));
  Image image;
  ASSERT_TRUE(image.LoadFromBytes(png));
  std::fill(png.begin(), png.end(), 0);  // the caller reuses its buffer
  EXPECT_EQ(image.Width(), 7u);
  EXPECT_EQ(image.Height(), 5u);
  Bitmap decoded;
  ASSERT_TRUE(decoded.CreateFromBytes(image.SaveToBytes()));  // no format: the picture's own
  EXPECT_EQ(decoded.GetRawFormat(), Text(ImageFormatPNG));
  EXPECT_COLOUR_NEAR(kRed, decoded.GetPixel(0, 0), 0);
  EXPECT_COLOUR_NEAR(kBlue, decoded.GetPixel(6, 3), 0);
  EXPECT_COLOUR_NEAR(kHalfWhite, decoded.GetPixel(3, 4), 1);
}

TEST_F(ImageTest, JpegRoundTripAndEncoderLookup) {
  Bitmap source;
  ASSERT_TRUE(FillBitmap(source, 32, 16, [](int x, int) { return x < 16 ? kRed : kGreen; }));
  Bitmap decoded;
  ASSERT_TRUE(decoded.CreateFromBytes(source.SaveToBytes(Text(ImageFormatJPEG), JpegQualityParameters(95))));
  EXPECT_EQ(decoded.Width(), 32u);
  EXPECT_EQ(decoded.GetRawFormat(), Text(ImageFormatJPEG));
  EXPECT_COLOUR_NEAR(kRed, decoded.GetPixel(4, 8), 24);
  EXPECT_COLOUR_NEAR(kGreen, decoded.GetPixel(27, 8), 24);
  EXPECT_EQ(FindEncoderClsid(ImageFormatPNG).size(), 38u);
  // Encoder texts are upper-case: a lower-case GUID names no encoder.
  EXPECT_TRUE(FindEncoderClsid("{b96b3caf-0728-11d3-9d7b-0000f81ef32e}").empty());
}

TEST_F(ImageTest, FailuresLeaveEmptyObjectsAndRecordTheStatus) {
  Image image;
  LastStatus = 1234;
  EXPECT_FALSE(image.Dispose());
  EXPECT_EQ(LastStatus, 1234) << "disposing an empty image calls nothing";
  EXPECT_FALSE(image.LoadFromBytes(Bytes()));
  EXPECT_TRUE(image.IsEmpty());
  Bitmap bitmap;
  EXPECT_FALSE(bitmap.CreateFromBytes(Bytes(300, 0x5A)));
  EXPECT_TRUE(bitmap.IsEmpty());
  LastStatus = Ok;
  EXPECT_EQ(bitmap.GetHBITMAP(0), nullptr);
  EXPECT_EQ(LastStatus, InvalidParameter);
  ASSERT_TRUE(FillBitmap(bitmap, 4, 3, [](int, int) { return kGreen; }));
  EXPECT_EQ(bitmap.GetPixel(4, 0), 0u);
  EXPECT_EQ(LastStatus, InvalidParameter);
  EXPECT_FALSE(bitmap.SetPixel(0, 3, kRed));
  EXPECT_TRUE(bitmap.SaveToBytes(Text("{00000000-0000-0000-0000-000000000000}")).empty());
  EXPECT_TRUE(bitmap.Dispose());
  EXPECT_FALSE(bitmap.Dispose());
}

TEST_F(ImageTest, GdiBitmapRoundTrip) {
  Bitmap source;
  ASSERT_TRUE(FillBitmap(source, 16, 16, [](int x, int) { return x < 8 ? kRed : kBlue; }));
  HBITMAP gdi = source.GetHBITMAP(MakeArgb(255, 0, 0, 0));
  ASSERT_NE(gdi, nullptr);
  Bitmap back;
  ASSERT_TRUE(back.CreateFromHBITMAP(gdi));
  EXPECT_EQ(back.Width(), 16u);
  EXPECT_COLOUR_NEAR(kRed, back.GetPixel(1, 1) | 0xFF000000u, 2);
  EXPECT_COLOUR_NEAR(kBlue, back.GetPixel(13, 2) | 0xFF000000u, 2);
  DeleteObject(gdi);
}

TEST(RotatedSize, CornerDistancesOfTheRotatedPicture) {
  const double c30 = std::cos(3.14159265358979323846 / 6);
  const struct { float degrees; double width, height; } cases[] = {
      {0, 99, 49}, {90, 49, 99},
      {45, 148 / std::sqrt(2.0), 148 / std::sqrt(2.0)},
      {30, 99 * c30 + 49 * 0.5, 99 * 0.5 + 49 * c30},
  };
  for (const auto& c : cases) {
    SizeF size = Bitmap::RotatedSize(100, 50, c.degrees);
    EXPECT_NEAR(size.width, c.width, 1e-3) << c.degrees;
    EXPECT_NEAR(size.height, c.height, 1e-3) << c.degrees;
  }
}

TEST_F(ImageTest, RotatedCopyTurnsThePicture) {
  Bitmap bitmap;
  ASSERT_TRUE(FillBitmap(bitmap, 21, 11, [](int x, int) { return x >= 16 ? kBlue : kRed; }));
  ASSERT_TRUE(bitmap.RotatedCopy(90, MakeArgb(255, 0, 0, 0), InterpolationModeNearestNeighbor,
                                 SizeF{11, 21}));
  EXPECT_EQ(bitmap.Width(), 11u);
  EXPECT_EQ(bitmap.Height(), 21u);
  // Turned clockwise: the blue right end is now at the bottom.
  EXPECT_COLOUR_NEAR(kBlue, bitmap.GetPixel(5, 19), 8);
  EXPECT_COLOUR_NEAR(kRed, bitmap.GetPixel(5, 3), 8);
  ASSERT_TRUE(bitmap.RotatedCopy(90));  // size from RotatedSize, truncated
  EXPECT_EQ(bitmap.Width(), 20u);
  EXPECT_EQ(bitmap.Height(), 10u);
  Bitmap empty;
  EXPECT_FALSE(empty.RotatedCopy(90));
  EXPECT_EQ(LastStatus, InvalidParameter);
}

TEST(WideText, ConversionsAndGuids) {
  WideText wide = ToWideText("提取ip");
  ASSERT_EQ(wide.size(), 4u);
  EXPECT_EQ(wide[0], 0x63D0);
  EXPECT_EQ(wide[3], L'p');
  EXPECT_EQ(FromWideText(wide.c_str()), "提取ip");
  unsigned char guid[16] = {};
  ASSERT_TRUE(TextToGuid(ImageFormatPNG, guid));
  EXPECT_EQ(guid[0], 0xAF);  // Data1 0xB96B3CAF, little-endian
  EXPECT_EQ(GuidToText(guid), ImageFormatPNG);
  EXPECT_FALSE(TextToGuid("not a guid", guid));
}

}  // namespace
