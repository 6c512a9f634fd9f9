// Pictures: decoding from byte buffers, encoding back, pixels, icons and
// GDI bitmaps, rotation sizes, and the status convention on failure.
#include <cmath>
#include <cstdio>
#include <string>

#include "gdiplus_test_support.h"

namespace {

class ImageTest : public GdiPlusTest {};

constexpr double kPi = 3.14159265358979323846;

constexpr Argb kRed = MakeArgb(255, 255, 0, 0);
constexpr Argb kGreen = MakeArgb(255, 0, 255, 0);
constexpr Argb kBlue = MakeArgb(255, 0, 0, 255);
constexpr Argb kHalfWhite = MakeArgb(128, 255, 255, 255);

// A 7 x 5 picture: red left half, blue right half, a translucent bottom row.
Argb Quadrants(int x, int y) {
  if (y == 4) return kHalfWhite;
  return x < 4 ? kRed : kBlue;
}

Bytes EncodeQuadrants(const char* format) {
  Bitmap source;
  if (!FillBitmap(source, 7, 5, Quadrants)) return Bytes();
  return source.SaveToBytes(Text(format));
}

TEST_F(ImageTest, PngRoundTripKeepsSizeColoursAndAlpha) {
  Bytes png = EncodeQuadrants(ImageFormatPNG);
  ASSERT_GT(png.size(), 8u);
  EXPECT_EQ(Bytes(png.begin(), png.begin() + 4), (Bytes{0x89, 'P', 'N', 'G'}));

  Image image;
  ASSERT_TRUE(image.LoadFromBytes(png));
  EXPECT_EQ(LastStatus, Ok);
  EXPECT_EQ(image.Width(), 7u);
  EXPECT_EQ(image.Height(), 5u);
  EXPECT_EQ(image.GetRawFormat(), Text(ImageFormatPNG));

  Bitmap decoded;
  ASSERT_TRUE(decoded.CreateFromBytes(png));
  EXPECT_COLOUR_NEAR(kRed, decoded.GetPixel(0, 0), 0);
  EXPECT_COLOUR_NEAR(kBlue, decoded.GetPixel(6, 3), 0);
  EXPECT_COLOUR_NEAR(kHalfWhite, decoded.GetPixel(3, 4), 1);
}

TEST_F(ImageTest, JpegRoundTripKeepsSizeAndRoughColours) {
  Bitmap source;
  // Large flat areas survive JPEG's blocks nearly unchanged.
  ASSERT_TRUE(FillBitmap(source, 32, 16, [](int x, int) { return x < 16 ? kRed : kGreen; }));
  Bytes jpeg = source.SaveToBytes(Text(ImageFormatJPEG), JpegQualityParameters(95));
  ASSERT_GT(jpeg.size(), 4u);
  EXPECT_EQ(jpeg[0], 0xFF);
  EXPECT_EQ(jpeg[1], 0xD8);  // start of image

  Bitmap decoded;
  ASSERT_TRUE(decoded.CreateFromBytes(jpeg));
  EXPECT_EQ(decoded.Width(), 32u);
  EXPECT_EQ(decoded.Height(), 16u);
  EXPECT_EQ(decoded.GetRawFormat(), Text(ImageFormatJPEG));
  EXPECT_COLOUR_NEAR(kRed, decoded.GetPixel(4, 8), 24);
  EXPECT_COLOUR_NEAR(kGreen, decoded.GetPixel(27, 8), 24);
}

TEST_F(ImageTest, SaveWithoutFormatUsesThePicturesOwnFormat) {
  Bytes png = EncodeQuadrants(ImageFormatPNG);
  Image image;
  ASSERT_TRUE(image.LoadFromBytes(png));
  Bytes again = image.SaveToBytes();
  ASSERT_GT(again.size(), 4u);
  EXPECT_EQ(again[0], 0x89);
  Image reloaded;
  ASSERT_TRUE(reloaded.LoadFromBytes(again));
  EXPECT_EQ(reloaded.Width(), 7u);
}

TEST_F(ImageTest, PictureSurvivesTheCallersBuffer) {
  Image image;
  {
    Bytes png = EncodeQuadrants(ImageFormatPNG);
    ASSERT_TRUE(image.LoadFromBytes(png));
    std::fill(png.begin(), png.end(), 0);  // the caller reuses its buffer
  }
  Bitmap copy;
  ASSERT_TRUE(copy.CreateFromScan0(7, 5));
  Graphics g;
  ASSERT_TRUE(g.FromImage(copy));
  ASSERT_TRUE(g.DrawImage(image, 0, 0));
  ASSERT_TRUE(g.Delete());
  EXPECT_COLOUR_NEAR(kBlue, copy.GetPixel(5, 1), 2);
}

TEST_F(ImageTest, EmptyBufferLoadsNothingAndReadsZero) {
  Image image;
  EXPECT_FALSE(image.LoadFromBytes(Bytes()));
  EXPECT_NE(LastStatus, Ok);
  EXPECT_TRUE(image.IsEmpty());
  EXPECT_EQ(image.Width(), 0u);
  EXPECT_EQ(LastStatus, InvalidParameter);
  EXPECT_FALSE(image.Dispose());
}

TEST_F(ImageTest, GarbageDoesNotDecode) {
  Bytes junk(300, 0x5A);
  Bitmap bitmap;
  EXPECT_FALSE(bitmap.CreateFromBytes(junk));
  EXPECT_NE(LastStatus, Ok);
  EXPECT_TRUE(bitmap.IsEmpty());
  EXPECT_EQ(bitmap.Height(), 0u);
}

TEST_F(ImageTest, DisposeReleasesOnceAndEmptiesTheObject) {
  Image never;
  LastStatus = 1234;
  EXPECT_FALSE(never.Dispose());
  EXPECT_EQ(LastStatus, 1234) << "disposing an empty image calls nothing";

  Image image;
  ASSERT_TRUE(image.LoadFromBytes(EncodeQuadrants(ImageFormatPNG)));
  EXPECT_TRUE(image.Dispose());
  EXPECT_TRUE(image.IsEmpty());
  EXPECT_FALSE(image.Dispose());
  EXPECT_EQ(image.Width(), 0u);
}

TEST_F(ImageTest, ReloadingReplacesThePreviousPicture) {
  Bitmap small;
  ASSERT_TRUE(FillBitmap(small, 3, 2, [](int, int) { return kGreen; }));
  Bytes greenPng = small.SaveToBytes(Text(ImageFormatPNG));
  Image image;
  ASSERT_TRUE(image.LoadFromBytes(EncodeQuadrants(ImageFormatPNG)));
  ASSERT_TRUE(image.LoadFromBytes(greenPng));
  EXPECT_EQ(image.Width(), 3u);
  EXPECT_EQ(image.Height(), 2u);
}

TEST_F(ImageTest, EncoderLookupMatchesExactText) {
  Text png = FindEncoderClsid(ImageFormatPNG);
  EXPECT_EQ(png.size(), 38u);
  EXPECT_EQ(png.front(), '{');
  EXPECT_FALSE(FindEncoderClsid(ImageFormatJPEG).empty());
  EXPECT_NE(FindEncoderClsid(ImageFormatJPEG), png);
  // Encoder texts are upper-case: a lower-case GUID names no encoder.
  EXPECT_TRUE(FindEncoderClsid("{b96b3caf-0728-11d3-9d7b-0000f81ef32e}").empty());
  EXPECT_TRUE(FindEncoderClsid("").empty());

  bool sawPng = false;
  for (const ImageEncoderInfo& info : ListImageEncoders()) {
    if (info.formatId == ImageFormatPNG) {
      sawPng = true;
      EXPECT_EQ(info.clsid, png);
      EXPECT_EQ(info.mimeType, "image/png");
    }
  }
  EXPECT_TRUE(sawPng);
}

TEST_F(ImageTest, UnknownFormatEncodesNothing) {
  Bitmap bitmap;
  ASSERT_TRUE(bitmap.CreateFromScan0(4, 4));
  EXPECT_TRUE(bitmap.SaveToBytes(Text("{00000000-0000-0000-0000-000000000000}")).empty());
  EXPECT_TRUE(bitmap.SaveToBytes(Text("{b96b3caf-0728-11d3-9d7b-0000f81ef32e}")).empty());
  Bitmap empty;
  EXPECT_TRUE(empty.SaveToBytes(Text(ImageFormatPNG)).empty());
}

TEST_F(ImageTest, SaveToFileAndLoadFromFile) {
  char dir[MAX_PATH] = {}, path[MAX_PATH] = {};
  ASSERT_GT(GetTempPathA(MAX_PATH, dir), 0u);
  ASSERT_GT(GetTempFileNameA(dir, "pxg", 0, path), 0u);
  Bitmap source;
  ASSERT_TRUE(FillBitmap(source, 7, 5, Quadrants));
  ASSERT_TRUE(source.SaveToFile(path, Text(ImageFormatPNG)));
  {
    Image fromFile;
    ASSERT_TRUE(fromFile.LoadFromFile(path));
    EXPECT_EQ(fromFile.Width(), 7u);
    Bitmap bitmapFromFile;
    ASSERT_TRUE(bitmapFromFile.CreateFromFile(path));
    EXPECT_COLOUR_NEAR(kBlue, bitmapFromFile.GetPixel(6, 0), 0);
  }
  DeleteFileA(path);

  Image missing;
  EXPECT_FALSE(missing.LoadFromFile(Text(dir) + "no-such-picture.png"));
  EXPECT_NE(LastStatus, Ok);
  EXPECT_TRUE(missing.IsEmpty());
}

TEST_F(ImageTest, PixelsOutsideReadZeroAndRecordTheFailure) {
  Bitmap bitmap;
  ASSERT_TRUE(FillBitmap(bitmap, 4, 3, [](int, int) { return kGreen; }));
  EXPECT_EQ(bitmap.GetPixel(1, 1), kGreen);
  EXPECT_EQ(LastStatus, Ok);
  EXPECT_EQ(bitmap.GetPixel(4, 0), 0u);
  EXPECT_EQ(LastStatus, InvalidParameter);
  EXPECT_EQ(bitmap.GetPixel(-1, 2), 0u);
  EXPECT_NE(LastStatus, Ok);
  EXPECT_FALSE(bitmap.SetPixel(0, 3, kRed));
  EXPECT_NE(LastStatus, Ok);
  EXPECT_EQ(bitmap.GetPixelFormat(), PixelFormat32bppARGB);
}

TEST_F(ImageTest, OperationsOnAnEmptyBitmapFailWithInvalidParameter) {
  Bitmap empty;
  EXPECT_FALSE(empty.SetPixel(0, 0, kRed));
  EXPECT_EQ(LastStatus, InvalidParameter);
  LastStatus = Ok;
  EXPECT_EQ(empty.GetHBITMAP(0), nullptr);
  EXPECT_EQ(LastStatus, InvalidParameter);
  LastStatus = Ok;
  EXPECT_FALSE(empty.RotatedCopy(90));
  EXPECT_EQ(LastStatus, InvalidParameter);
}

TEST_F(ImageTest, GdiBitmapConversionsBothWays) {
  Bitmap source;
  ASSERT_TRUE(FillBitmap(source, 7, 5, Quadrants));
  HBITMAP gdi = source.GetHBITMAP(MakeArgb(255, 0, 0, 0));
  ASSERT_NE(gdi, nullptr);
  BITMAP info = {};
  ASSERT_EQ(GetObjectA(gdi, sizeof info, &info), static_cast<int>(sizeof info));
  EXPECT_EQ(info.bmWidth, 7);
  EXPECT_EQ(info.bmHeight, 5);

  Bitmap back;
  ASSERT_TRUE(back.CreateFromHBITMAP(gdi));
  EXPECT_EQ(back.Width(), 7u);
  // Opaque pixels come back as they were.
  EXPECT_COLOUR_NEAR(kRed, back.GetPixel(1, 1) | 0xFF000000u, 2);
  EXPECT_COLOUR_NEAR(kBlue, back.GetPixel(5, 2) | 0xFF000000u, 2);
  DeleteObject(gdi);
}

TEST_F(ImageTest, IconBecomesABitmapOfItsSize) {
  Bitmap source;
  ASSERT_TRUE(FillBitmap(source, 16, 16, [](int x, int) { return x < 8 ? kRed : kGreen; }));
  HICON icon = source.GetHICON();
  ASSERT_NE(icon, nullptr);
  Bitmap fromIcon;
  ASSERT_TRUE(fromIcon.CreateFromHICON(icon));
  EXPECT_EQ(fromIcon.Width(), 16u);
  EXPECT_EQ(fromIcon.Height(), 16u);
  EXPECT_COLOUR_NEAR(kRed, fromIcon.GetPixel(2, 8), 2);
  EXPECT_COLOUR_NEAR(kGreen, fromIcon.GetPixel(13, 8), 2);
  DestroyIcon(icon);
}

TEST_F(ImageTest, CloneAndCloneAreaCopyPixels) {
  Bitmap source;
  ASSERT_TRUE(FillBitmap(source, 7, 5, Quadrants));
  Bitmap area;
  ASSERT_TRUE(source.CloneAreaI(4, 0, 3, 2, PixelFormat32bppARGB, area));
  EXPECT_EQ(area.Width(), 3u);
  EXPECT_EQ(area.Height(), 2u);
  EXPECT_EQ(area.GetPixel(0, 0), kBlue);

  Image copy;
  ASSERT_TRUE(source.Clone(copy));
  EXPECT_EQ(copy.Width(), 7u);
  source.Dispose();
  EXPECT_EQ(copy.Height(), 5u) << "the clone lives on its own";
}

TEST_F(ImageTest, LockBitsReadsTheSamePixels) {
  Bitmap bitmap;
  ASSERT_TRUE(FillBitmap(bitmap, 7, 5, Quadrants));
  LockedPixels locked;
  ASSERT_TRUE(bitmap.LockBits(RectI{0, 0, 7, 5}, ImageLockModeRead, PixelFormat32bppARGB, locked));
  ASSERT_NE(locked.scan0, nullptr);
  auto row = [&](int y) {
    return reinterpret_cast<const std::uint32_t*>(static_cast<const unsigned char*>(locked.scan0) + y * locked.stride);
  };
  EXPECT_EQ(row(0)[0], kRed);
  EXPECT_EQ(row(3)[6], kBlue);
  EXPECT_EQ(row(4)[2], kHalfWhite);
  EXPECT_TRUE(bitmap.UnlockBits(locked));
}

TEST(RotatedSize, CornerDistancesOfTheRotatedPicture) {
  SizeF same = Bitmap::RotatedSize(100, 50, 0);
  EXPECT_FLOAT_EQ(same.width, 99);
  EXPECT_FLOAT_EQ(same.height, 49);

  SizeF quarter = Bitmap::RotatedSize(100, 50, 90);
  EXPECT_NEAR(quarter.width, 49, 1e-3);
  EXPECT_NEAR(quarter.height, 99, 1e-3);

  SizeF half = Bitmap::RotatedSize(100, 50, 180);
  EXPECT_NEAR(half.width, 99, 1e-3);
  EXPECT_NEAR(half.height, 49, 1e-3);

  // 45 degrees: both extents are (99 + 49) / sqrt(2).
  SizeF diagonal = Bitmap::RotatedSize(100, 50, 45);
  EXPECT_NEAR(diagonal.width, 148 / std::sqrt(2.0), 1e-3);
  EXPECT_NEAR(diagonal.height, 148 / std::sqrt(2.0), 1e-3);

  // 30 degrees: 99 cos 30 + 49 sin 30 wide, 99 sin 30 + 49 cos 30 high.
  SizeF thirty = Bitmap::RotatedSize(100, 50, 30);
  EXPECT_NEAR(thirty.width, 99 * std::cos(kPi / 6) + 49 * 0.5, 1e-3);
  EXPECT_NEAR(thirty.height, 99 * 0.5 + 49 * std::cos(kPi / 6), 1e-3);

  SizeF negative = Bitmap::RotatedSize(100, 50, -30);
  EXPECT_NEAR(negative.width, thirty.width, 1e-3);
  EXPECT_NEAR(negative.height, thirty.height, 1e-3);
}

TEST_F(ImageTest, RotatedCopyTurnsThePicture) {
  // 21 x 11: red left part, blue last columns.
  Bitmap bitmap;
  ASSERT_TRUE(FillBitmap(bitmap, 21, 11, [](int x, int) { return x >= 16 ? kBlue : kRed; }));
  ASSERT_TRUE(bitmap.RotatedCopy(90, MakeArgb(255, 0, 0, 0), InterpolationModeNearestNeighbor,
                                 SizeF{11, 21}));
  EXPECT_EQ(bitmap.Width(), 11u);
  EXPECT_EQ(bitmap.Height(), 21u);
  // Turned clockwise: the blue right end is now at the bottom.
  EXPECT_COLOUR_NEAR(kBlue, bitmap.GetPixel(5, 19), 8);
  EXPECT_COLOUR_NEAR(kRed, bitmap.GetPixel(5, 3), 8);

  Bitmap other;
  ASSERT_TRUE(FillBitmap(other, 21, 11, [](int, int) { return kGreen; }));
  ASSERT_TRUE(other.RotatedCopy(90));
  // Size from RotatedSize, truncated.
  EXPECT_EQ(other.Width(), 10u);
  EXPECT_EQ(other.Height(), 20u);
}

TEST(WideText, ConversionsAndGuids) {
  EXPECT_TRUE(ToWideText("").empty());
  EXPECT_EQ(ToWideText("").c_str()[0], L'\0');
  WideText wide = ToWideText("提取ip");
  ASSERT_EQ(wide.size(), 4u);
  EXPECT_EQ(wide[0], 0x63D0);
  EXPECT_EQ(wide[1], 0x53D6);
  EXPECT_EQ(wide[3], L'p');
  EXPECT_EQ(FromWideText(wide.c_str()), "提取ip");
  EXPECT_EQ(FromWideText(nullptr), "");

  unsigned char guid[16] = {};
  ASSERT_TRUE(TextToGuid(ImageFormatPNG, guid));
  EXPECT_EQ(guid[0], 0xAF);  // Data1 0xB96B3CAF, little-endian
  EXPECT_EQ(GuidToText(guid), ImageFormatPNG);
  EXPECT_FALSE(TextToGuid("not a guid", guid));
}

}  // namespace
