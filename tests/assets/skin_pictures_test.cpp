// The embedded pictures as the skins see them: decoded by GDI+ from the
// byte buffers, with what the painters rely on read back from the pixels.
#include "graphics/assets/skin_pictures.h"

#include <windows.h>
#include <objidl.h>

#include <gdiplus.h>
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <string>
#include <vector>

namespace {

namespace flat = Gdiplus::DllExports;

// One GDI+ session for the whole test program.
class GdiPlusSession : public ::testing::Environment {
 public:
  void SetUp() override {
    Gdiplus::GdiplusStartupInput input;
    ASSERT_EQ(Gdiplus::GdiplusStartup(&token_, &input, nullptr), Gdiplus::Ok);
  }
  void TearDown() override {
    if (token_) Gdiplus::GdiplusShutdown(token_);
  }

 private:
  ULONG_PTR token_ = 0;
};
::testing::Environment* const gdiplusSession =
    ::testing::AddGlobalTestEnvironment(new GdiPlusSession);

// A picture decoded the way the skins decode it (GDI+ from a stream over
// global memory), with every pixel read through GdipBitmapGetPixel.
struct DecodedPicture {
  bool decoded = false;
  UINT width = 0, height = 0;
  Gdiplus::PixelFormat format = 0;
  std::vector<Gdiplus::ARGB> pixels;  // row by row

  Gdiplus::ARGB At(int x, int y) const { return pixels[y * width + x]; }
  int Alpha(int x, int y) const { return (At(x, y) >> 24) & 0xFF; }
  int Red(int x, int y) const { return (At(x, y) >> 16) & 0xFF; }
  int Green(int x, int y) const { return (At(x, y) >> 8) & 0xFF; }
  int Blue(int x, int y) const { return At(x, y) & 0xFF; }
  bool Opaque(int x, int y) const { return Alpha(x, y) == 255; }
};

DecodedPicture Decode(PictureBytes picture) {
  DecodedPicture out;
  HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, picture.size);
  if (!memory) return out;
  std::memcpy(GlobalLock(memory), picture.data, picture.size);
  GlobalUnlock(memory);
  IStream* stream = nullptr;
  if (CreateStreamOnHGlobal(memory, TRUE, &stream) != S_OK) {
    GlobalFree(memory);
    return out;
  }
  Gdiplus::GpBitmap* bitmap = nullptr;
  if (flat::GdipCreateBitmapFromStream(stream, &bitmap) == Gdiplus::Ok) {
    out.decoded = true;
    flat::GdipGetImageWidth(bitmap, &out.width);
    flat::GdipGetImageHeight(bitmap, &out.height);
    flat::GdipGetImagePixelFormat(bitmap, &out.format);
    out.pixels.resize(out.width * out.height);
    for (UINT y = 0; y < out.height; ++y)
      for (UINT x = 0; x < out.width; ++x)
        flat::GdipBitmapGetPixel(bitmap, x, y, &out.pixels[y * out.width + x]);
    flat::GdipDisposeImage(bitmap);
  }
  stream->Release();  // frees the memory as well
  return out;
}

struct Expected {
  const char* name;
  PictureBytes (*bytes)();
  UINT width, height;
  bool png;
};

const Expected kCatalogue[] = {
    {"HelpButtonFace", HelpButtonFace, 26, 18, true},
    {"MenuButtonFace", MenuButtonFace, 26, 18, true},
    {"MinimiseButtonFace", MinimiseButtonFace, 26, 18, true},
    {"MaximiseButtonFace", MaximiseButtonFace, 26, 18, true},
    {"RestoreButtonFace", RestoreButtonFace, 26, 18, true},
    {"CloseButtonFace", CloseButtonFace, 38, 18, true},
    {"TickMark", TickMark, 13, 12, true},
    {"ArrowUp", ArrowUp, 7, 4, true},
    {"ArrowDown", ArrowDown, 7, 4, true},
    {"ArrowLeft", ArrowLeft, 4, 7, true},
    {"ArrowRight", ArrowRight, 4, 7, true},
    {"MainBackground", MainBackground, 256, 440, false},
};

// ---------------------------------------------------------------- decoding

TEST(SkinPictureDecoding, EveryPictureDecodesToItsSizeAndPixelFormat) {
  ASSERT_EQ(AllSkinPictures().size(), std::size(kCatalogue));
  for (const Expected& e : kCatalogue) {
    DecodedPicture p = Decode(e.bytes());
    ASSERT_TRUE(p.decoded) << e.name;
    EXPECT_EQ(p.width, e.width) << e.name;
    EXPECT_EQ(p.height, e.height) << e.name;
    EXPECT_EQ(p.format, e.png ? PixelFormat32bppARGB : PixelFormat24bppRGB) << e.name;
  }
}

// ---------------------------------------------------------------- arrows

struct ArrowCase {
  const char* name;
  PictureBytes (*bytes)();
  std::vector<const char*> rows;
};

TEST(SkinPictureArrows, SolidBlackTrianglesOnTransparentWhite) {
  const ArrowCase cases[] = {
      {"ArrowUp", ArrowUp, {"0001000", "0011100", "0111110", "1111111"}},
      {"ArrowDown", ArrowDown, {"1111111", "0111110", "0011100", "0001000"}},
      {"ArrowLeft", ArrowLeft, {"0001", "0011", "0111", "1111", "0111", "0011", "0001"}},
      {"ArrowRight", ArrowRight, {"1000", "1100", "1110", "1111", "1110", "1100", "1000"}},
  };
  for (const ArrowCase& c : cases) {
    DecodedPicture p = Decode(c.bytes());
    ASSERT_TRUE(p.decoded) << c.name;
    ASSERT_EQ(p.width * p.height, std::strlen(c.rows[0]) * c.rows.size()) << c.name;
    for (UINT y = 0; y < p.height; ++y) {
      for (UINT x = 0; x < p.width; ++x) {
        SCOPED_TRACE(std::string(c.name) + " at " + std::to_string(x) + "," + std::to_string(y));
        if (c.rows[y][x] == '1') {
          EXPECT_EQ(p.Alpha(x, y), 255);
          EXPECT_LE(p.Red(x, y) + p.Green(x, y) + p.Blue(x, y), 3 * 8);
        } else {
          EXPECT_EQ(p.Alpha(x, y), 0);
          EXPECT_GE(std::min({p.Red(x, y), p.Green(x, y), p.Blue(x, y)}), 250);
        }
      }
    }
  }
}

// ---------------------------------------------------------------- tick mark

double DistanceToSegment(double px, double py, double ax, double ay, double bx, double by) {
  double vx = bx - ax, vy = by - ay;
  double t = std::max(0.0, std::min(1.0, ((px - ax) * vx + (py - ay) * vy) / (vx * vx + vy * vy)));
  return std::hypot(px - (ax + t * vx), py - (ay + t * vy));
}

// Distance of a pixel from the check mark's two strokes, in pixels.
double DistanceToTick(int x, int y) {
  return std::min(DistanceToSegment(x, y, 0, 5, 5, 11), DistanceToSegment(x, y, 5, 11, 12, 0));
}

// The accent tint skips exactly the pure white pixels, so they must be the
// transparent ones and nothing else; the strokes are green, no darker than
// the core colour.
TEST(SkinPictureTick, GreenStrokesOnExactlyTransparentPureWhite) {
  DecodedPicture p = Decode(TickMark());
  ASSERT_TRUE(p.decoded);
  const int core[3] = {0x5C, 0x93, 0x09};
  int corePixels = 0;
  for (int y = 0; y < int(p.height); ++y) {
    for (int x = 0; x < int(p.width); ++x) {
      SCOPED_TRACE("at " + std::to_string(x) + "," + std::to_string(y));
      const bool white = (p.At(x, y) & 0xFFFFFF) == 0xFFFFFF;
      EXPECT_EQ(white, p.Alpha(x, y) == 0);
      if (white) { EXPECT_EQ(p.At(x, y), 0x00FFFFFFu); }
      if (DistanceToTick(x, y) > 2.0) { EXPECT_TRUE(white); }
      if (DistanceToTick(x, y) < 0.5) { EXPECT_FALSE(white); }
      if (white) continue;
      const int rgb[3] = {p.Red(x, y), p.Green(x, y), p.Blue(x, y)};
      EXPECT_GT(rgb[1], std::max(rgb[0], rgb[2]));
      bool isCore = true;
      for (int i = 0; i < 3; ++i) {
        EXPECT_GE(rgb[i], core[i] - 4);
        isCore = isCore && std::abs(rgb[i] - core[i]) <= 6;
      }
      if (isCore) ++corePixels;
    }
  }
  EXPECT_GE(corePixels, 12);
}

// ---------------------------------------------------------------- title faces

struct FaceCase {
  const char* name;
  PictureBytes (*bytes)();
  int topGloss;
  int left, top, right, bottom;  // glyph box, inclusive
};

const FaceCase kFaces[] = {
    {"HelpButtonFace", HelpButtonFace, 57, 8, 4, 18, 13},
    {"MenuButtonFace", MenuButtonFace, 44, 9, 4, 18, 12},
    {"MinimiseButtonFace", MinimiseButtonFace, 80, 9, 11, 18, 12},
    {"MaximiseButtonFace", MaximiseButtonFace, 80, 8, 5, 17, 12},
    {"RestoreButtonFace", RestoreButtonFace, 80, 8, 5, 19, 12},
    {"CloseButtonFace", CloseButtonFace, 80, 14, 5, 22, 12},
};

TEST(SkinPictureFaces, WhiteGlossFadesFromTopAlphaToOne) {
  for (const FaceCase& f : kFaces) {
    DecodedPicture p = Decode(f.bytes());
    ASSERT_TRUE(p.decoded) << f.name;
    // Column 1 lies clear of glyph and shadow on every face.
    EXPECT_NEAR(p.Alpha(1, 0), f.topGloss, 1) << f.name;
    EXPECT_NEAR(p.Alpha(1, 17), 1, 1) << f.name;
    for (int y = 0; y < 18; ++y) {
      SCOPED_TRACE(std::string(f.name) + " row " + std::to_string(y));
      EXPECT_GE(std::min({p.Red(1, y), p.Green(1, y), p.Blue(1, y)}), 250);
      if (y > 0) {
        EXPECT_LE(p.Alpha(1, y), p.Alpha(1, y - 1));
      }
      // The gloss is the same across a row wherever nothing else is drawn.
      EXPECT_EQ(p.Alpha(2, y), p.Alpha(1, y));
    }
  }
}

TEST(SkinPictureFaces, OpaqueWhiteGlyphFillsExactlyItsBox) {
  for (const FaceCase& f : kFaces) {
    DecodedPicture p = Decode(f.bytes());
    ASSERT_TRUE(p.decoded) << f.name;
    int left = 1000, top = 1000, right = -1, bottom = -1;
    for (int y = 0; y < int(p.height); ++y) {
      for (int x = 0; x < int(p.width); ++x) {
        if (!p.Opaque(x, y)) continue;
        left = std::min(left, x), right = std::max(right, x);
        top = std::min(top, y), bottom = std::max(bottom, y);
        EXPECT_GE(std::min({p.Red(x, y), p.Green(x, y), p.Blue(x, y)}), 250)
            << f.name << " at " << x << "," << y;
      }
    }
    EXPECT_EQ((std::vector<int>{left, top, right, bottom}),
              (std::vector<int>{f.left, f.top, f.right, f.bottom})) << f.name;
  }
}

// ---------------------------------------------------------------- background

TEST(SkinPictureBackground, NearlyWhiteWithASloganAtMidHeight) {
  DecodedPicture p = Decode(MainBackground());
  ASSERT_TRUE(p.decoded);
  ASSERT_EQ(p.width * p.height, 256u * 440u);
  double sum = 0, inkY = 0;
  int ink = 0;
  for (int y = 0; y < 440; ++y) {
    for (int x = 0; x < 256; ++x) {
      const int luma = (p.Red(x, y) * 30 + p.Green(x, y) * 59 + p.Blue(x, y) * 11) / 100;
      sum += luma;
      if (luma < 170) {
        ++ink;
        inkY += y;
      }
    }
  }
  EXPECT_GE(sum / (256.0 * 440.0), 235.0);
  ASSERT_GT(ink, 150);  // a visible slogan
  EXPECT_LT(ink, 256 * 440 / 20);
  EXPECT_NEAR(inkY / ink, 220.0, 25.0);
}

}  // namespace
