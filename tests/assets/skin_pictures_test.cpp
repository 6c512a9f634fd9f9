// The embedded pictures as the skins see them: decoded by GDI+ from the
// byte buffers, with what the painters rely on read back from the pixels.
#include "graphics/assets/skin_pictures.h"

#include <windows.h>
#include <objidl.h>

#include <gdiplus.h>
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
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
  GUID rawFormat = {};
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
    flat::GdipGetImageRawFormat(bitmap, &out.rawFormat);
    out.pixels.resize(out.width * out.height);
    for (UINT y = 0; y < out.height; ++y)
      for (UINT x = 0; x < out.width; ++x)
        flat::GdipBitmapGetPixel(bitmap, x, y, &out.pixels[y * out.width + x]);
    flat::GdipDisposeImage(bitmap);
  }
  stream->Release();  // frees the memory as well
  return out;
}

// GDI+'s file format GUIDs.
constexpr GUID kFormatPng = {0xb96b3caf, 0x0728, 0x11d3, {0x9d, 0x7b, 0x00, 0x00, 0xf8, 0x1e, 0xf3, 0x2e}};
constexpr GUID kFormatJpeg = {0xb96b3cae, 0x0728, 0x11d3, {0x9d, 0x7b, 0x00, 0x00, 0xf8, 0x1e, 0xf3, 0x2e}};

struct Expected {
  const char* name;
  PictureBytes (*bytes)();
  const char* file;
  UINT width, height;
  bool png;
};

const Expected kCatalogue[] = {
    {"HelpButtonFace", HelpButtonFace, "help_button.png", 26, 18, true},
    {"MenuButtonFace", MenuButtonFace, "menu_button.png", 26, 18, true},
    {"MinimiseButtonFace", MinimiseButtonFace, "minimise_button.png", 26, 18, true},
    {"MaximiseButtonFace", MaximiseButtonFace, "maximise_button.png", 26, 18, true},
    {"RestoreButtonFace", RestoreButtonFace, "restore_button.png", 26, 18, true},
    {"CloseButtonFace", CloseButtonFace, "close_button.png", 38, 18, true},
    {"TickMark", TickMark, "tick_mark.png", 13, 12, true},
    {"ArrowUp", ArrowUp, "arrow_up.png", 7, 4, true},
    {"ArrowDown", ArrowDown, "arrow_down.png", 7, 4, true},
    {"ArrowLeft", ArrowLeft, "arrow_left.png", 4, 7, true},
    {"ArrowRight", ArrowRight, "arrow_right.png", 4, 7, true},
    {"MainBackground", MainBackground, "main_background.jpg", 256, 440, false},
};

unsigned ReadBigEndian32(const unsigned char* p) {
  return (unsigned(p[0]) << 24) | (unsigned(p[1]) << 16) | (unsigned(p[2]) << 8) | p[3];
}

// ---------------------------------------------------------------- catalogue

// The build embeds the committed files, byte for byte.
TEST(SkinPictureCatalogue, EmbeddedBytesAreTheCommittedFiles) {
  const char* source = std::getenv("PX_SOURCE_DIR");
  if (!source || !*source) GTEST_SKIP() << "PX_SOURCE_DIR not set";
  for (const Expected& e : kCatalogue) {
    // A Unix path reaches the Windows side through drive Z:.
    std::string path = std::string(source[0] == '/' ? "Z:" : "") + source +
                       "/graphics/assets/" + e.file;
    FILE* f = std::fopen(path.c_str(), "rb");
    ASSERT_NE(f, nullptr) << path;
    std::vector<unsigned char> file;
    unsigned char chunk[4096];
    size_t n;
    while ((n = std::fread(chunk, 1, sizeof(chunk), f)) > 0) file.insert(file.end(), chunk, chunk + n);
    std::fclose(f);
    PictureBytes bytes = e.bytes();
    ASSERT_EQ(file.size(), bytes.size) << e.file;
    EXPECT_EQ(std::memcmp(file.data(), bytes.data, bytes.size), 0) << e.file;
  }
}

// ---------------------------------------------------------------- encoding

TEST(SkinPictureEncoding, PngsAreNonInterlacedEightBitRgba) {
  static const unsigned char kSignature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
  for (const Expected& e : kCatalogue) {
    if (!e.png) continue;
    PictureBytes b = e.bytes();
    ASSERT_GT(b.size, 33u) << e.name;
    ASSERT_EQ(std::memcmp(b.data, kSignature, 8), 0) << e.name;
    ASSERT_EQ(std::memcmp(b.data + 12, "IHDR", 4), 0) << e.name;
    EXPECT_EQ(ReadBigEndian32(b.data + 16), e.width) << e.name;
    EXPECT_EQ(ReadBigEndian32(b.data + 20), e.height) << e.name;
    EXPECT_EQ(b.data[24], 8) << e.name << ": bit depth";
    EXPECT_EQ(b.data[25], 6) << e.name << ": colour type";
    EXPECT_EQ(b.data[28], 0) << e.name << ": interlace";
  }
}

TEST(SkinPictureEncoding, BackgroundIsABaselineThreeComponentJpeg) {
  PictureBytes b = MainBackground();
  ASSERT_GT(b.size, 4u);
  ASSERT_EQ(b.data[0], 0xFF);
  ASSERT_EQ(b.data[1], 0xD8);  // start of image
  // Walk the marker segments up to the start of the scan.
  bool baseline = false, otherFrame = false;
  size_t pos = 2;
  while (pos + 4 <= b.size && b.data[pos] == 0xFF) {
    unsigned char marker = b.data[pos + 1];
    size_t length = (size_t(b.data[pos + 2]) << 8) | b.data[pos + 3];
    if (marker == 0xC0) {
      baseline = true;
      ASSERT_LE(pos + 2 + length, b.size);
      EXPECT_EQ(b.data[pos + 4], 8) << "sample precision";
      EXPECT_EQ((b.data[pos + 5] << 8) | b.data[pos + 6], 440) << "height";
      EXPECT_EQ((b.data[pos + 7] << 8) | b.data[pos + 8], 256) << "width";
      EXPECT_EQ(b.data[pos + 9], 3) << "components";
    } else if (marker >= 0xC1 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 &&
               marker != 0xCC) {
      otherFrame = true;  // progressive, lossless, arithmetic ...
    }
    if (marker == 0xDA) break;  // start of scan
    pos += 2 + length;
  }
  EXPECT_TRUE(baseline);
  EXPECT_FALSE(otherFrame);
}

// ---------------------------------------------------------------- decoding

TEST(SkinPictureDecoding, EveryPictureDecodesToItsSizeAndPixelFormat) {
  // The catalogue the tools walk holds the same pictures in the same order.
  const std::vector<PictureEntry>& all = AllSkinPictures();
  ASSERT_EQ(all.size(), std::size(kCatalogue));
  for (size_t i = 0; i < all.size(); ++i) {
    EXPECT_STREQ(all[i].name, kCatalogue[i].name);
    EXPECT_EQ(all[i].bytes().data, kCatalogue[i].bytes().data) << all[i].name;
  }
  for (const Expected& e : kCatalogue) {
    DecodedPicture p = Decode(e.bytes());
    ASSERT_TRUE(p.decoded) << e.name;
    EXPECT_EQ(p.width, e.width) << e.name;
    EXPECT_EQ(p.height, e.height) << e.name;
    if (e.png) {
      EXPECT_EQ(p.format, PixelFormat32bppARGB) << e.name;
      EXPECT_TRUE(IsEqualGUID(p.rawFormat, kFormatPng)) << e.name;
    } else {
      EXPECT_EQ(p.format, PixelFormat24bppRGB) << e.name;
      EXPECT_TRUE(IsEqualGUID(p.rawFormat, kFormatJpeg)) << e.name;
    }
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
    ASSERT_EQ(p.height, c.rows.size()) << c.name;
    ASSERT_EQ(p.width, std::strlen(c.rows[0])) << c.name;
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
  double t = ((px - ax) * vx + (py - ay) * vy) / (vx * vx + vy * vy);
  t = std::max(0.0, std::min(1.0, t));
  return std::hypot(px - (ax + t * vx), py - (ay + t * vy));
}

// Distance of a pixel from the check mark's two strokes, in pixels.
double DistanceToTick(int x, int y) {
  return std::min(DistanceToSegment(x, y, 0, 5, 5, 11), DistanceToSegment(x, y, 5, 11, 12, 0));
}

TEST(SkinPictureTick, BackgroundIsExactlyTransparentPureWhite) {
  DecodedPicture p = Decode(TickMark());
  ASSERT_TRUE(p.decoded);
  int background = 0;
  for (int y = 0; y < int(p.height); ++y) {
    for (int x = 0; x < int(p.width); ++x) {
      SCOPED_TRACE("at " + std::to_string(x) + "," + std::to_string(y));
      bool white = (p.At(x, y) & 0xFFFFFF) == 0xFFFFFF;
      // The accent tint skips exactly the pure white pixels, so they must be
      // the transparent ones and nothing else.
      EXPECT_EQ(white, p.Alpha(x, y) == 0);
      if (white) {
        EXPECT_EQ(p.At(x, y), 0x00FFFFFFu);
        ++background;
      }
      // Pixels clear of the strokes are background, the strokes are not.
      if (DistanceToTick(x, y) > 2.0) {
        EXPECT_TRUE(white);
      }
      if (DistanceToTick(x, y) < 0.5) {
        EXPECT_FALSE(white);
      }
    }
  }
  EXPECT_GT(background, 13 * 12 / 2);
  EXPECT_NE(p.At(0, 5), 0x00FFFFFFu);
  EXPECT_NE(p.At(5, 11), 0x00FFFFFFu);
  EXPECT_NE(p.At(12, 0), 0x00FFFFFFu);
}

TEST(SkinPictureTick, GreenCoreWithLighterEdges) {
  DecodedPicture p = Decode(TickMark());
  ASSERT_TRUE(p.decoded);
  const int core[3] = {0x5C, 0x93, 0x09};
  int corePixels = 0;
  for (int y = 0; y < int(p.height); ++y) {
    for (int x = 0; x < int(p.width); ++x) {
      if (p.Alpha(x, y) == 0) continue;
      SCOPED_TRACE("at " + std::to_string(x) + "," + std::to_string(y));
      const int rgb[3] = {p.Red(x, y), p.Green(x, y), p.Blue(x, y)};
      // Green dominates, and nothing is darker than the core colour.
      EXPECT_GT(rgb[1], rgb[0]);
      EXPECT_GT(rgb[1], rgb[2]);
      for (int i = 0; i < 3; ++i) EXPECT_GE(rgb[i], core[i] - 4);
      bool isCore = true;
      for (int i = 0; i < 3; ++i) isCore = isCore && std::abs(rgb[i] - core[i]) <= 6;
      if (isCore) {
        ++corePixels;
        EXPECT_GE(p.Alpha(x, y), 240);
        EXPECT_LT(DistanceToTick(x, y), 1.0);
      } else {
        // Lighter edge pixels are the more transparent ones.
        EXPECT_LT(p.Alpha(x, y), 255);
      }
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
    EXPECT_GT(p.Alpha(1, 0), p.Alpha(1, 9));
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
        left = std::min(left, x);
        right = std::max(right, x);
        top = std::min(top, y);
        bottom = std::max(bottom, y);
        EXPECT_GE(std::min({p.Red(x, y), p.Green(x, y), p.Blue(x, y)}), 250)
            << f.name << " at " << x << "," << y;
      }
    }
    EXPECT_EQ(left, f.left) << f.name;
    EXPECT_EQ(top, f.top) << f.name;
    EXPECT_EQ(right, f.right) << f.name;
    EXPECT_EQ(bottom, f.bottom) << f.name;
  }
}

// Darkness a pixel adds over a white background: the shadow's contribution.
double Shade(const DecodedPicture& p, int x, int y) {
  double grey = (p.Red(x, y) + p.Green(x, y) + p.Blue(x, y)) / 3.0;
  return (255.0 - grey) * p.Alpha(x, y) / 255.0;
}

TEST(SkinPictureFaces, GlyphHasASoftShadowHeaviestBelow) {
  for (const FaceCase& f : kFaces) {
    DecodedPicture p = Decode(f.bytes());
    ASSERT_TRUE(p.decoded) << f.name;
    double below = 0, above = 0, strongest = 0;
    for (int x = f.left; x <= f.right; ++x) {
      below += Shade(p, x, f.bottom + 1);
      above += Shade(p, x, f.top - 1);
    }
    for (int y = 0; y < int(p.height); ++y)
      for (int x = 0; x < int(p.width) - 1; ++x)
        if (!p.Opaque(x, y)) strongest = std::max<double>(strongest, p.Alpha(x, y));
    EXPECT_GT(below, 0.0) << f.name;
    EXPECT_GT(below, 2 * above) << f.name;
    // Soft: translucent everywhere outside the glyph.
    EXPECT_LT(strongest, 200) << f.name;
  }
}

TEST(SkinPictureFaces, GlyphShapes) {
  DecodedPicture minimise = Decode(MinimiseButtonFace());
  ASSERT_TRUE(minimise.decoded);
  for (int y = 11; y <= 12; ++y)
    for (int x = 9; x <= 18; ++x) EXPECT_TRUE(minimise.Opaque(x, y)) << x << "," << y;

  // An empty frame with a top edge thicker than the others.
  DecodedPicture maximise = Decode(MaximiseButtonFace());
  ASSERT_TRUE(maximise.decoded);
  for (int x = 8; x <= 17; ++x) {
    EXPECT_TRUE(maximise.Opaque(x, 5) && maximise.Opaque(x, 6)) << x;
    EXPECT_TRUE(maximise.Opaque(x, 12)) << x;
  }
  for (int y = 7; y <= 11; ++y) {
    EXPECT_TRUE(maximise.Opaque(8, y) && maximise.Opaque(17, y)) << y;
    EXPECT_FALSE(maximise.Opaque(9, y) || maximise.Opaque(16, y)) << y;
    for (int x = 10; x <= 15; ++x) EXPECT_FALSE(maximise.Opaque(x, y)) << x << "," << y;
  }

  // A cross: the diagonals are opaque, the middles of the box's edges not.
  DecodedPicture close = Decode(CloseButtonFace());
  ASSERT_TRUE(close.decoded);
  for (auto [x, y] : {std::pair{14, 5}, {22, 5}, {14, 12}, {22, 12}, {18, 8}, {18, 9}})
    EXPECT_TRUE(close.Opaque(x, y)) << x << "," << y;
  for (auto [x, y] : {std::pair{18, 5}, {18, 12}, {14, 8}, {22, 9}})
    EXPECT_FALSE(close.Opaque(x, y)) << x << "," << y;
}

TEST(SkinPictureFaces, CloseFaceHasAFaintDarkRightEdge) {
  DecodedPicture p = Decode(CloseButtonFace());
  ASSERT_TRUE(p.decoded);
  for (int y = 0; y < 18; ++y) {
    SCOPED_TRACE("row " + std::to_string(y));
    EXPECT_NEAR(p.Alpha(37, y), 15, 3);
    EXPECT_LE(p.Red(37, y) + p.Green(37, y) + p.Blue(37, y), 3 * 8);
    // The next column in is ordinary gloss.
    EXPECT_GE(p.Red(36, y), 250);
  }
  // The other faces have no such edge.
  DecodedPicture help = Decode(HelpButtonFace());
  ASSERT_TRUE(help.decoded);
  EXPECT_GE(help.Red(25, 0), 250);
}

// ---------------------------------------------------------------- background

TEST(SkinPictureBackground, NearlyWhiteWithASloganLeftOfCentreAtMidHeight) {
  DecodedPicture p = Decode(MainBackground());
  ASSERT_TRUE(p.decoded);
  ASSERT_EQ(p.width, 256u);
  ASSERT_EQ(p.height, 440u);
  double sum[3] = {0, 0, 0};
  double inkX = 0, inkY = 0;
  int ink = 0;
  for (int y = 0; y < 440; ++y) {
    for (int x = 0; x < 256; ++x) {
      const int r = p.Red(x, y), g = p.Green(x, y), b = p.Blue(x, y);
      sum[0] += r;
      sum[1] += g;
      sum[2] += b;
      const int luma = (r * 30 + g * 59 + b * 11) / 100;
      if (luma < 170) {
        ++ink;
        inkX += x;
        inkY += y;
        // Blue-grey ink: a little more blue than red, far from saturated.
        EXPECT_GT(b, r) << x << "," << y;
        EXPECT_LT(b - r, 80) << x << "," << y;
      }
      // Nothing but paper away from the slogan's band.
      if (y < 170 || y > 270) {
        EXPECT_GE(luma, 225) << x << "," << y;
      }
    }
  }
  for (double s : sum) EXPECT_GE(s / (256.0 * 440.0), 235.0);
  ASSERT_GT(ink, 150);  // a visible slogan
  EXPECT_LT(ink, 256 * 440 / 20);
  EXPECT_GT(inkX / ink, 70.0);
  EXPECT_LT(inkX / ink, 128.0);
  EXPECT_NEAR(inkY / ink, 220.0, 25.0);
}

}  // namespace
