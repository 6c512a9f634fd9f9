// The full render of a skinned frame, checked on the pixels of frameDC,
// frameCopy and the screen: background by mode, fill and gloss, outline,
// caption, buttons, region, caches and the back-buffer bookkeeping.
#include <gtest/gtest.h>

#include "graphics/assets/skin_pictures.h"
#include "graphics/gdiplus/brushes.h"
#include "graphics/gdiplus/graphics.h"
#include "graphics/gdiplus/image.h"
#include "graphics/paint/argb_bitmap.h"
#include "graphics/paint/memory_dc_table.h"
#include "skin/frame/frame_render.h"
#include "skin/frame/title_buttons.h"
#include "tests/frame_render/frame_fixture.h"

namespace {

constexpr int kW = 326;
constexpr int kH = 393;

// Pixels of a picture drawn the way the background is drawn: the clear
// colour, then the picture stretched over the whole client area.
PixelImage ExpectedStretched(const Bytes& bytes, std::uint32_t clearColourRef, int w, int h) {
  Bitmap picture;
  Bitmap canvas;
  PixelImage out;
  if (!picture.CreateFromBytes(bytes) || !CreateArgbBitmap(canvas, w, h)) return out;
  {
    Graphics g;
    g.FromImage(canvas);
    g.Clear(ColorrefToArgb(clearColourRef, 255, true));
    g.DrawImageRect(picture, 0, 0, static_cast<float>(w), static_cast<float>(h));
  }
  out.width = w;
  out.height = h;
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) out.pixels.push_back(canvas.GetPixel(x, y) & 0xFFFFFF);
  }
  return out;
}

// A PNG of w x h: the left half colour a, the right half colour b (0x00RRGGBB).
Bytes TwoHalvesPng(int w, int h, std::uint32_t a, std::uint32_t b) {
  Bitmap canvas;
  if (!CreateArgbBitmap(canvas, w, h)) return {};
  {
    Graphics g;
    g.FromImage(canvas);
    SolidBrush left, right;
    left.Create(0xFF000000u | a);
    right.Create(0xFF000000u | b);
    g.FillRectangle(left, 0, 0, w / 2.0f, static_cast<float>(h));
    g.FillRectangle(right, w / 2.0f, 0, w / 2.0f, static_cast<float>(h));
  }
  return canvas.SaveToBytes(Text(ImageFormatPNG));
}

constexpr std::uint32_t kRed = 0xFF0000;
constexpr std::uint32_t kBlue = 0x0000FF;
constexpr std::uint32_t kGreen = 0x00FF00;

class FrameRender : public ::testing::Test {
 protected:
  void SetUp() override { ResetFrameSkinState(); }
};

// -------------------------------------------------------------------------
// Background.

TEST_F(FrameRender, ThePictureIsStretchedOverTheClientAreaWithGlossOnTheTitleBand) {
  FrameWindow frame;
  RenderFrame(frame.index(), nullptr, false);
  const PixelImage got = CaptureFrameDc(frame);
  ASSERT_EQ(got.width, kW);
  const WindowRecord& r = frame.record();
  const PixelImage bg = ExpectedStretched(r.backgroundImage,
                                          static_cast<std::uint32_t>(r.backgroundAverage) & 0xFFFFFF,
                                          kW, kH);
  ASSERT_FALSE(bg.Empty());
  // Below the title band: the stretched picture itself.
  for (const auto& p : std::vector<std::pair<int, int>>{{20, 60}, {100, 150}, {160, 250}, {60, 380}, {300, 300}}) {
    EXPECT_TRUE(NearRgb(got.At(p.first, p.second), bg.At(p.first, p.second), 6))
        << p.first << "," << p.second << " " << RgbText(got.At(p.first, p.second)) << " vs "
        << RgbText(bg.At(p.first, p.second));
  }
  // In the band: white from alpha 150 at the top to 0 at row 50.
  for (int y : {8, 20, 35}) {
    const int alpha = 150 * (50 - y) / 50;
    EXPECT_TRUE(NearRgb(got.At(200, y), Blend(bg.At(200, y), 0xFFFFFF, alpha), 12))
        << "row " << y << " " << RgbText(got.At(200, y)) << " vs "
        << RgbText(Blend(bg.At(200, y), 0xFFFFFF, alpha));
  }
  EXPECT_TRUE(NearRgb(got.At(200, 51), bg.At(200, 51), 6));
  // The composite is a copy of the back buffer.
  EXPECT_EQ(CountDifferent(got, CaptureFrameCopy(frame), 0), 0);
}

// On a dark picture: the gloss is a white gradient from alpha 150 at the
// top to 0 at the band's bottom, and nothing below.
TEST_F(FrameRender, GlossFadesOverTheTitleBand) {
  constexpr std::uint32_t kDark = 0x203040;
  FrameOptions o;
  o.close = false;
  FrameWindow frame(o);
  WindowRecord& r = frame.record();
  r.titleBarLive = 0;
  r.backgroundImage = TwoHalvesPng(40, 40, kDark, kDark);
  RenderFrame(frame.index(), nullptr, false);
  const PixelImage got = CaptureFrameDc(frame);
  for (int y : {0, 5, 12, 25, 37, 45}) {
    const std::uint32_t expected = Blend(kDark, 0xFFFFFF, 150 * (50 - y) / 50);
    EXPECT_TRUE(NearRgb(got.At(150, y), expected, 6))
        << "row " << y << ": " << RgbText(got.At(150, y)) << " vs " << RgbText(expected);
  }
  for (int y : {50, 51, 100, 300}) EXPECT_TRUE(NearRgb(got.At(150, y), kDark, 2)) << y;
  // Across the width (GDI+ softens the outermost pixels of a stretched picture).
  EXPECT_TRUE(NearRgb(got.At(20, 10), got.At(300, 10), 2));
}

TEST_F(FrameRender, WithoutGlossTheBandIsThePicture) {
  FrameOptions o;
  o.titleGloss = false;
  FrameWindow frame(o);
  RenderFrame(frame.index(), nullptr, false);
  const WindowRecord& r = frame.record();
  const PixelImage bg = ExpectedStretched(r.backgroundImage,
                                          static_cast<std::uint32_t>(r.backgroundAverage) & 0xFFFFFF,
                                          kW, kH);
  const PixelImage got = CaptureFrameDc(frame);
  EXPECT_TRUE(NearRgb(got.At(200, 8), bg.At(200, 8), 6));
  EXPECT_TRUE(NearRgb(got.At(200, 35), bg.At(200, 35), 6));
}

struct ModeCase {
  int mode;
  int pictureWidth, pictureHeight;
  std::vector<std::tuple<int, int, std::uint32_t>> expected;  // x, y, colour
};

TEST_F(FrameRender, BackgroundModesPlaceThePicture) {
  const std::vector<ModeCase> cases = {
      // Top-left at natural size; the clear colour beside and below it.
      {0, 100, 60, {{10, 30, kRed}, {90, 30, kBlue}, {150, 30, kGreen}, {10, 100, kGreen}}},
      // Top-right.
      {1, 100, 60, {{kW - 90, 30, kRed}, {kW - 10, 30, kBlue}, {100, 30, kGreen}}},
      // Centred; a picture larger than the client area starts at negative
      // coordinates: x = (326 - 400) / 2 = -37, so the halves meet at 163.
      {2, 400, 500, {{155, 200, kRed}, {171, 200, kBlue}, {2, 5, kRed}, {kW - 2, kH - 2, kBlue}}},
      {2, 100, 60, {{(kW - 100) / 2 + 10, (kH - 60) / 2 + 30, kRed}, {20, 20, kGreen}}},
      // Stretched: the halves meet in the middle of the client area.
      {3, 100, 60, {{100, 300, kRed}, {230, 300, kBlue}, {100, 2, kRed}}},
      // Repeated to the right at the picture's height.
      {4, 100, 60, {{10, 30, kRed}, {60, 30, kBlue}, {110, 30, kRed}, {160, 30, kBlue}, {310, 30, kRed}, {110, 100, kGreen}}},
  };
  for (const ModeCase& c : cases) {
    FrameOptions o;
    o.titleGloss = false;
    o.backgroundPicture = false;
    o.close = false;
    FrameWindow frame(o);
    WindowRecord& r = frame.record();
    r.titleBarLive = 0;  // background only
    r.backgroundImage = TwoHalvesPng(c.pictureWidth, c.pictureHeight, kRed, kBlue);
    ASSERT_FALSE(r.backgroundImage.empty());
    r.backgroundAverage = static_cast<int>(0xFF00FF00u);  // green, COLORREF layout
    r.backgroundMode = c.mode;
    RenderFrame(frame.index(), nullptr, false);
    const PixelImage got = CaptureFrameDc(frame);
    for (const auto& [x, y, colour] : c.expected) {
      EXPECT_TRUE(NearRgb(got.At(x, y), colour, 8))
          << "mode " << c.mode << " at " << x << "," << y << ": " << RgbText(got.At(x, y));
    }
  }
}

TEST_F(FrameRender, DefaultPictureUsesTheDefaultMode) {
  FrameOptions o;
  o.titleGloss = false;
  o.backgroundPicture = false;
  FrameWindow frame(o);
  frame.record().titleBarLive = 0;
  frame.record().backgroundMode = 3;  // not used: the record has no picture of its own
  DefaultBackgroundImage = TwoHalvesPng(100, 60, kRed, kBlue);
  DefaultBackgroundMode = 1;
  DefaultBackgroundColour = 0x00FF00;  // COLORREF green
  RenderFrame(frame.index(), nullptr, false);
  const PixelImage got = CaptureFrameDc(frame);
  DefaultBackgroundImage.clear();
  DefaultBackgroundMode = 0;
  DefaultBackgroundColour = 0;
  EXPECT_TRUE(NearRgb(got.At(kW - 10, 30), kBlue, 8)) << RgbText(got.At(kW - 10, 30));
  EXPECT_TRUE(NearRgb(got.At(50, 30), kGreen, 8)) << RgbText(got.At(50, 30));
  EXPECT_TRUE(NearRgb(got.At(kW - 10, 200), kGreen, 8));
}

TEST_F(FrameRender, AnUndecodablePictureLeavesTheClearColour) {
  FrameOptions o;
  o.titleGloss = false;
  FrameWindow frame(o);
  WindowRecord& r = frame.record();
  r.titleBarLive = 0;
  r.backgroundImage = Bytes{1, 2, 3, 4, 5};
  r.backgroundAverage = static_cast<int>(0xFF0000FFu);  // red
  RenderFrame(frame.index(), nullptr, false);
  EXPECT_TRUE(NearRgb(CaptureFrameDc(frame).At(100, 100), kRed, 2));
}

TEST_F(FrameRender, BlackFillWithGlossTintsBelowTheBandAndKeepsTheWhiteGloss) {
  FrameOptions o;
  o.fillColour = 0;
  o.fillAlpha = 128;
  FrameWindow frame(o);
  RenderFrame(frame.index(), nullptr, false);
  const WindowRecord& r = frame.record();
  const PixelImage bg = ExpectedStretched(r.backgroundImage,
                                          static_cast<std::uint32_t>(r.backgroundAverage) & 0xFFFFFF,
                                          kW, kH);
  const PixelImage got = CaptureFrameDc(frame);
  EXPECT_TRUE(NearRgb(got.At(100, 200), Blend(bg.At(100, 200), 0, 128), 6))
      << RgbText(got.At(100, 200));
  EXPECT_TRUE(NearRgb(got.At(200, 8), Blend(bg.At(200, 8), 0xFFFFFF, 150 * 42 / 50), 12))
      << RgbText(got.At(200, 8));
}

TEST_F(FrameRender, ColouredFillTintsTheGloss) {
  FrameOptions o;
  o.fillColour = 0xFF0000;  // COLORREF blue
  o.fillAlpha = 200;
  FrameWindow frame(o);
  RenderFrame(frame.index(), nullptr, false);
  const PixelImage got = CaptureFrameDc(frame);
  // Below the band: blue at 200; near the bottom of the band: blue close to 200.
  EXPECT_GT(static_cast<int>(got.At(100, 200) & 0xFF), 190);
  EXPECT_GT(static_cast<int>(got.At(200, 47) & 0xFF), 170);
  // At the top of the band the tint is weak (alpha 40).
  EXPECT_LT(static_cast<int>(got.At(200, 1) & 0xFF) - static_cast<int>((got.At(200, 1) >> 16) & 0xFF), 120);
}

// -------------------------------------------------------------------------
// Outline, region, caption and buttons.

TEST_F(FrameRender, OutlineIsDarkOutsideAndLightInside) {
  FrameWindow frame;
  RenderFrame(frame.index(), nullptr, false);
  const WindowRecord& r = frame.record();
  const PixelImage bg = ExpectedStretched(r.backgroundImage,
                                          static_cast<std::uint32_t>(r.backgroundAverage) & 0xFFFFFF,
                                          kW, kH);
  const PixelImage got = CaptureFrameDc(frame);
  // Left edge at mid height: black at 180 over the picture in column 0.
  EXPECT_TRUE(NearRgb(got.At(0, 200), Blend(bg.At(0, 200), 0, 180), 20)) << RgbText(got.At(0, 200));
  // Bottom edge.
  EXPECT_LT(Brightness(got.At(160, kH - 1)), Brightness(bg.At(160, kH - 1)) / 2 + 20);
  // The white inner line lies just inside the black one.
  const int inner = std::max(Brightness(got.At(1, 200)), Brightness(got.At(2, 200)));
  EXPECT_GT(inner, Brightness(got.At(0, 200)) + 250);
  EXPECT_GT(inner, 500);
  // Away from the edges the picture is untouched.
  EXPECT_TRUE(NearRgb(got.At(6, 200), bg.At(6, 200), 6));
}

TEST_F(FrameRender, RegionCutsTheCorners) {
  FrameWindow frame;
  RenderFrame(frame.index(), nullptr, true);
  HRGN region = CreateRectRgn(0, 0, 0, 0);
  ASSERT_NE(GetWindowRgn(frame.get(), region), ERROR);
  EXPECT_FALSE(PtInRegion(region, 0, 0));
  EXPECT_FALSE(PtInRegion(region, kW - 1, 0));
  EXPECT_FALSE(PtInRegion(region, 0, kH - 1));
  EXPECT_FALSE(PtInRegion(region, kW - 1, kH - 1));
  EXPECT_TRUE(PtInRegion(region, 3, 3));
  EXPECT_TRUE(PtInRegion(region, kW / 2, 0));
  EXPECT_TRUE(PtInRegion(region, 0, kH / 2));
  EXPECT_TRUE(PtInRegion(region, kW - 1, kH / 2));
  EXPECT_TRUE(PtInRegion(region, kW / 2, kH - 1));
  DeleteObject(region);
}

TEST_F(FrameRender, NoRegionWithoutPresentOrWithoutLiveTitleBar) {
  FrameOptions o;
  o.visible = false;
  FrameWindow frame(o);
  RenderFrame(frame.index(), nullptr, false);
  HRGN region = CreateRectRgn(0, 0, 0, 0);
  EXPECT_EQ(GetWindowRgn(frame.get(), region), ERROR);
  frame.record().titleBarLive = 0;
  RenderFrame(frame.index(), nullptr, true);
  EXPECT_EQ(GetWindowRgn(frame.get(), region), ERROR);
  DeleteObject(region);
}

TEST_F(FrameRender, CloseGlyphSitsAtTheCloseButton) {
  FrameWindow frame;
  RenderFrame(frame.index(), nullptr, false);
  const WindowRecord& r = frame.record();
  const TitleButton& close = *r.titleButtons[0];
  ASSERT_EQ(close.kind, 0);
  const int x0 = static_cast<int>(close.rect.x) - 1;
  EXPECT_EQ(x0, kW - 41 + 1 + 2 - 1);
  Bitmap glyph;
  ASSERT_TRUE(glyph.CreateFromBytes(close.image));
  ASSERT_EQ(glyph.Width(), 38u);
  const PixelImage got = CaptureFrameDc(frame);
  int opaque = 0, matching = 0;
  for (int y = 0; y < 18; ++y) {
    for (int x = 0; x < 37; ++x) {
      const Argb p = glyph.GetPixel(x, y);
      if ((p >> 24) < 250) continue;
      ++opaque;
      if (NearRgb(got.At(x0 + x, 1 + y), p & 0xFFFFFF, 24)) ++matching;
    }
  }
  ASSERT_GT(opaque, 10);
  EXPECT_GE(matching * 10, opaque * 9) << matching << " of " << opaque;
  // Shifted by a few pixels the glyph does not match.
  int shifted = 0;
  for (int y = 0; y < 18; ++y) {
    for (int x = 0; x < 30; ++x) {
      const Argb p = glyph.GetPixel(x, y);
      if ((p >> 24) >= 250 && NearRgb(got.At(x0 + x - 6, 1 + y), p & 0xFFFFFF, 24)) ++shifted;
    }
  }
  EXPECT_LT(shifted, matching);
}

TEST_F(FrameRender, CaptionHasDarkTextRingedByAWhiteHalo) {
  FrameOptions o;
  o.titleGloss = false;
  FrameWindow frame(o);
  WindowRecord& r = frame.record();
  // A dark background, so that a white halo shows.
  r.backgroundImage = TwoHalvesPng(40, 40, 0x202040, 0x302020);
  // The main window's caption style: black text, white halo.
  r.captionColour = 0;
  r.captionGlowColour = 0xFFFFFF;
  r.captionGlow = 1;
  RenderFrame(frame.index(), nullptr, false);
  const PixelImage with = CaptureFrameDc(frame);
  r.drawCaption = 0;
  RenderFrame(frame.index(), nullptr, false);
  const PixelImage without = CaptureFrameDc(frame);
  int dark = 0, lighter = 0, outside = 0;
  for (int y = 0; y < 50; ++y) {
    for (int x = 0; x < kW; ++x) {
      const std::uint32_t a = with.At(x, y), b = without.At(x, y);
      const bool inCaption = x >= 9 && x < 9 + (kW - r.stripWidth - 16) && y >= 4 && y < 46;
      if (!inCaption) {
        if (!NearRgb(a, b, 0)) ++outside;
        continue;
      }
      if (x >= 29 && Brightness(a) < 150) ++dark;
      if (x >= 29 && Brightness(a) > Brightness(b) + 45) ++lighter;
    }
  }
  EXPECT_GT(dark, 40) << "text";
  EXPECT_GT(lighter, 40) << "halo";
  EXPECT_EQ(outside, 0) << "the caption stays in its area";
}

TEST_F(FrameRender, InstallStyleCaptionIsWhiteWithAGreyOutline) {
  FrameWindow frame;
  RenderFrame(frame.index(), nullptr, false);
  const PixelImage got = CaptureFrameDc(frame);
  int white = 0;
  for (int y = 4; y < 46; ++y) {
    for (int x = 29; x < 200; ++x) {
      if (NearRgb(got.At(x, y), 0xFFFFFF, 3)) ++white;
    }
  }
  EXPECT_GT(white, 40);
}

TEST_F(FrameRender, LongCaptionDoesNotRunIntoTheButtons) {
  FrameWindow frame;
  RenderFrame(frame.index(), nullptr, false);
  const PixelImage before = CaptureFrameDc(frame);
  const Text longText(200, 'W');
  PaintCaption(frame.index(), nullptr, false, longText);
  const PixelImage after = CaptureFrameDc(frame);
  const WindowRecord& r = frame.record();
  int changedInCaption = 0, changedBeyond = 0;
  for (int y = 0; y < 50; ++y) {
    for (int x = 0; x < kW; ++x) {
      if (NearRgb(before.At(x, y), after.At(x, y), 0)) continue;
      if (x < 9 + (kW - r.stripWidth - 16)) ++changedInCaption; else ++changedBeyond;
    }
  }
  EXPECT_GT(changedInCaption, 100);
  EXPECT_EQ(changedBeyond, 0);
}

TEST_F(FrameRender, CaptionRepaintDrawsTheGivenTextOverTheCache) {
  FrameWindow frame;
  RenderFrame(frame.index(), nullptr, true);
  PumpMessages();
  const PixelImage before = CaptureFrameDc(frame);
  PaintCaption(frame.index(), nullptr, false, Text("甲"));
  const PixelImage one = CaptureFrameDc(frame);
  PaintCaption(frame.index(), nullptr, false, Text("甲"));
  const PixelImage two = CaptureFrameDc(frame);
  // Repainting the same text twice gives the same pixels (nothing piles up),
  // and the new text differs from the window text.
  EXPECT_EQ(CountDifferent(one, two, 0), 0);
  EXPECT_GT(CountDifferent(before, one, 0), 50);
  // The window shows the new caption.
  const PixelImage screen = CaptureClient(frame.get());
  int same = 0, total = 0;
  for (int y = 4; y < 46; ++y) {
    for (int x = 9; x < 120; ++x) {
      ++total;
      if (NearRgb(screen.At(x, y), one.At(x, y), 0)) ++same;
    }
  }
  EXPECT_EQ(same, total);
  // Without a given text the window text is drawn again.
  PaintCaption(frame.index(), nullptr, false);
  EXPECT_EQ(CountDifferent(before, CaptureFrameDc(frame), 0), 0);
}

// -------------------------------------------------------------------------
// Caches, back buffer and presentation.

TEST_F(FrameRender, TitleCacheHoldsTheBandWithoutCaptionAndButtons) {
  FrameWindow frame;
  RenderFrame(frame.index(), nullptr, false);
  const WindowRecord& r = frame.record();
  const PixelImage band = CaptureDc(r.titleCacheDC.get(), 0, 0, kW, 50);
  const PixelImage got = CaptureFrameDc(frame);
  EXPECT_TRUE(NearRgb(band.At(5, 30), got.At(5, 30), 0));
  EXPECT_TRUE(NearRgb(band.At(kW / 2, 0), got.At(kW / 2, 0), 0)) << "border is in the cache";
  int differ = 0;
  for (int y = 1; y < 19; ++y) {
    for (int x = 0; x < 38; ++x) {
      const int cx = static_cast<int>(r.titleButtons[0]->rect.x) - 1 + x;
      if (!NearRgb(band.At(cx, y), got.At(cx, y), 4)) ++differ;
    }
  }
  EXPECT_GT(differ, 30) << "the close button is not in the cache";

  // RestoreFromTitleCache puts the band back.
  RestoreFromTitleCache(frame.index(), {0, 0, kW, 50});
  EXPECT_EQ(CountDifferent(CaptureDc(r.frameDC.get(), 0, 0, kW, 50), band, 0), 0);
}

TEST_F(FrameRender, EveryRenderReplacesBuffersAndReleasesTheOldOnes) {
  FrameWindow frame;
  const int i = frame.index();
  RenderFrame(i, nullptr, false);
  WindowRecord& r = frame.record();
  const int original = GetPropInt(frame.get(), Ck_Ycjdx);
  const HGDIOBJ buffer1 = reinterpret_cast<HGDIOBJ>(static_cast<INT_PTR>(GetPropInt(frame.get(), Ck_wtjbdx)));
  const HDC cache1 = r.titleCacheDC.get();
  const HDC status1 = r.statusCacheDC.get();
  const HDC copy1 = r.frameCopy.get();
  const HDC frameDc = r.frameDC.get();
  ASSERT_NE(original, 0);
  ASSERT_EQ(GetObjectType(buffer1), static_cast<DWORD>(OBJ_BITMAP));
  EXPECT_TRUE(IsRememberedMemoryDc(copy1));

  RenderFrame(i, nullptr, false);
  EXPECT_EQ(r.frameDC.get(), frameDc) << "frameDC lives on";
  EXPECT_EQ(GetPropInt(frame.get(), Ck_Ycjdx), original) << "the DC's first bitmap stays recorded";
  const HGDIOBJ buffer2 = reinterpret_cast<HGDIOBJ>(static_cast<INT_PTR>(GetPropInt(frame.get(), Ck_wtjbdx)));
  EXPECT_NE(buffer2, buffer1);
  EXPECT_EQ(GetObjectType(buffer1), 0u) << "the last back buffer is deleted";
  EXPECT_EQ(GetCurrentObject(r.frameDC.get(), OBJ_BITMAP), buffer2);
  EXPECT_FALSE(IsRememberedMemoryDc(copy1));
  EXPECT_TRUE(IsRememberedMemoryDc(r.frameCopy.get()));
  EXPECT_EQ(GetObjectType(r.titleCacheBitmap), static_cast<DWORD>(OBJ_BITMAP));
  if (r.titleCacheDC.get() != cache1) {
    EXPECT_EQ(GetObjectType(cache1), 0u);
  }
  if (r.statusCacheDC.get() != status1) {
    EXPECT_EQ(GetObjectType(status1), 0u);
  }
  // The stock bitmap is not deleted: the DC can take it back.
  EXPECT_EQ(GetObjectType(reinterpret_cast<HGDIOBJ>(static_cast<INT_PTR>(original))),
            static_cast<DWORD>(OBJ_BITMAP));
  EXPECT_EQ(r.lastClientWidth, kW);
  EXPECT_EQ(r.lastClientHeight, kH);
}

TEST_F(FrameRender, PresentPutsTheFrameOnScreenAndClearsTheRedrawFlag) {
  FrameWindow frame;
  WindowRecord& r = frame.record();
  r.needsFullRedraw = 1;
  r.lastClientWidth = 0;
  RenderFrame(frame.index(), nullptr, true);
  EXPECT_EQ(r.needsFullRedraw, 0);
  EXPECT_EQ(r.lastClientWidth, kW);
  const PixelImage screen = CaptureClient(frame.get());
  const PixelImage back = CaptureFrameDc(frame);
  // Inside the region the screen shows the back buffer.
  int differ = 0;
  for (int y = 3; y < kH - 3; ++y) {
    for (int x = 3; x < kW - 3; ++x) {
      if (!NearRgb(screen.At(x, y), back.At(x, y), 0)) ++differ;
    }
  }
  EXPECT_EQ(differ, 0);
}

TEST_F(FrameRender, BlitFrameKeepsVisibleChildrenOut) {
  FrameWindow frame;
  RenderFrame(frame.index(), nullptr, false);
  HWND child = CreateWindowExA(0, "STATIC", "", WS_CHILD | WS_VISIBLE, 100, 100, 40, 40,
                               frame.get(), nullptr, GetModuleHandleA(nullptr), nullptr);
  PumpMessages();
  // The frame's DC does not clip its children: paint everything magenta,
  // then blit the frame, which must leave the child's place alone.
  HDC dc = GetDC(frame.get());
  HBRUSH magenta = CreateSolidBrush(RGB(255, 0, 255));
  HBRUSH yellow = CreateSolidBrush(RGB(255, 255, 0));
  RECT all{0, 0, kW, kH};
  FillRect(dc, &all, magenta);
  BlitFrame(frame.index(), dc, true);
  // A given DC gets its clip back: painting on it afterwards reaches the child's place.
  RECT spot{110, 110, 112, 112};
  FillRect(dc, &spot, yellow);
  DeleteObject(magenta);
  DeleteObject(yellow);
  ReleaseDC(frame.get(), dc);
  const PixelImage back = CaptureFrameDc(frame);
  const PixelImage client = CaptureClient(frame.get());
  EXPECT_TRUE(NearRgb(client.At(50, 200), back.At(50, 200), 0));
  EXPECT_TRUE(NearRgb(client.At(120, 120), 0xFF00FF, 0)) << RgbText(client.At(120, 120));
  EXPECT_TRUE(NearRgb(client.At(110, 110), 0xFFFF00, 0)) << RgbText(client.At(110, 110));
  DestroyWindow(child);
}

TEST_F(FrameRender, ChildrenOnTheFrameAreInvalidated) {
  FrameWindow frame;
  RenderFrame(frame.index(), nullptr, false);
  WindowRecord& r = frame.record();
  HWND button = CreateWindowExA(0, "BUTTON", "b", WS_CHILD | WS_VISIBLE, 10, 100, 40, 20,
                                frame.get(), nullptr, GetModuleHandleA(nullptr), nullptr);
  HWND edit = CreateWindowExA(0, "EDIT", "e", WS_CHILD | WS_VISIBLE, 10, 140, 40, 20, frame.get(),
                              nullptr, GetModuleHandleA(nullptr), nullptr);
  HWND stray = CreateWindowExA(0, "BUTTON", "s", WS_CHILD | WS_VISIBLE, 10, 180, 40, 20,
                               frame.get(), nullptr, GetModuleHandleA(nullptr), nullptr);
  r.buttons[TakeControlRecord(r.buttons) - 1]->window = button;
  r.edits[TakeControlRecord(r.edits) - 1]->window = edit;
  PumpMessages();
  ValidateRect(button, nullptr);
  ValidateRect(edit, nullptr);
  ValidateRect(stray, nullptr);
  InvalidateFrameChildren(frame.index());
  RECT u{};
  EXPECT_TRUE(GetUpdateRect(button, &u, FALSE));
  EXPECT_TRUE(GetUpdateRect(edit, &u, FALSE));
  EXPECT_FALSE(GetUpdateRect(stray, &u, FALSE)) << "not registered";
  DestroyWindow(button);
  DestroyWindow(edit);
  DestroyWindow(stray);
}

}  // namespace
