// The full render of a skinned frame, checked on the pixels of frameDC,
// frameCopy and the screen: background by mode, gloss, outline, caption,
// close glyph, region, title cache and the back-buffer bookkeeping.
#include <gtest/gtest.h>

#include "graphics/assets/skin_pictures.h"
#include "graphics/gdiplus/brushes.h"
#include "graphics/gdiplus/graphics.h"
#include "graphics/gdiplus/image.h"
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
  if (!picture.CreateFromBytes(bytes) || !canvas.CreateFromScan0(w, h)) return out;
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
  if (!canvas.CreateFromScan0(w, h)) return {};
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

TEST_F(FrameRender, StretchedPictureGlossOutlineAndRoundedRegion) {
  FrameWindow frame;
  RenderFrame(frame.index(), nullptr, true);
  const PixelImage got = CaptureFrameDc(frame);
  ASSERT_EQ(got.width, kW);
  const WindowRecord& r = frame.record();
  const PixelImage bg = ExpectedStretched(
      r.backgroundImage, static_cast<std::uint32_t>(r.backgroundAverage) & 0xFFFFFF, kW, kH);
  ASSERT_FALSE(bg.Empty());
  for (const POINT p : {POINT{20, 60}, POINT{160, 250}, POINT{300, 300}, POINT{200, 51}}) {
    EXPECT_TRUE(NearRgb(got.At(p.x, p.y), bg.At(p.x, p.y), 6))
        << p.x << "," << p.y << " " << RgbText(got.At(p.x, p.y));
  }
  // In the band: white from alpha 150 at the top to 0 at row 50.
  for (int y : {8, 20, 35}) {
    const std::uint32_t expected = Blend(bg.At(200, y), 0xFFFFFF, 150 * (50 - y) / 50);
    EXPECT_TRUE(NearRgb(got.At(200, y), expected, 12)) << "row " << y << " " << RgbText(got.At(200, y));
  }
  EXPECT_EQ(CountDifferent(got, CaptureFrameCopy(frame), 0), 0) << "the composite is a copy";

  // Outline: black at 180 on the edge, the white line just inside.
  EXPECT_TRUE(NearRgb(got.At(0, 200), Blend(bg.At(0, 200), 0, 180), 20)) << RgbText(got.At(0, 200));
  EXPECT_LT(Brightness(got.At(160, kH - 1)), Brightness(bg.At(160, kH - 1)) / 2 + 20);
  const int inner = std::max(Brightness(got.At(1, 200)), Brightness(got.At(2, 200)));
  EXPECT_GT(inner, Brightness(got.At(0, 200)) + 250);
  EXPECT_TRUE(NearRgb(got.At(6, 200), bg.At(6, 200), 6));

  HRGN region = CreateRectRgn(0, 0, 0, 0);
  ASSERT_NE(GetWindowRgn(frame.get(), region), ERROR);
  for (const POINT p : {POINT{0, 0}, POINT{kW - 1, 0}, POINT{0, kH - 1}, POINT{kW - 1, kH - 1}}) {
    EXPECT_FALSE(PtInRegion(region, p.x, p.y)) << p.x << "," << p.y;
  }
  EXPECT_TRUE(PtInRegion(region, 3, 3));
  EXPECT_TRUE(PtInRegion(region, kW - 1, kH / 2));
  DeleteObject(region);
}

TEST_F(FrameRender, BackgroundModesPlaceThePicture) {
  const struct {
    int mode, pictureWidth, pictureHeight;
    std::vector<std::tuple<int, int, std::uint32_t>> expected;  // x, y, colour
  } cases[] = {
      // Top-left at natural size; the clear colour beside and below it.
      {0, 100, 60, {{10, 30, kRed}, {90, 30, kBlue}, {150, 30, kGreen}, {10, 100, kGreen}}},
      {1, 100, 60, {{kW - 90, 30, kRed}, {kW - 10, 30, kBlue}, {100, 30, kGreen}}},
      // Centred; a larger picture starts at x = (326 - 400) / 2 = -37.
      {2, 400, 500, {{155, 200, kRed}, {171, 200, kBlue}, {2, 5, kRed}, {kW - 2, kH - 2, kBlue}}},
      {3, 100, 60, {{100, 300, kRed}, {230, 300, kBlue}, {100, 2, kRed}}},
      // Repeated to the right at the picture's height.
      {4, 100, 60, {{10, 30, kRed}, {60, 30, kBlue}, {110, 30, kRed}, {310, 30, kRed}, {110, 100, kGreen}}},
      // Bytes that are no picture leave the clear colour.
      {3, 0, 0, {{100, 100, kGreen}}},
  };
  for (const auto& c : cases) {
    FrameOptions o;
    o.titleGloss = false;
    o.close = false;
    FrameWindow frame(o);
    WindowRecord& r = frame.record();
    r.titleBarLive = false;  // background only
    r.backgroundImage = c.pictureWidth > 0 ? TwoHalvesPng(c.pictureWidth, c.pictureHeight, kRed, kBlue)
                                           : Bytes{1, 2, 3, 4, 5};
    r.backgroundAverage = static_cast<int>(0xFF00FF00u);  // green, COLORREF layout
    r.backgroundMode = static_cast<BackgroundMode>(c.mode);
    RenderFrame(frame.index(), nullptr, false);
    const PixelImage got = CaptureFrameDc(frame);
    for (const auto& [x, y, colour] : c.expected) {
      EXPECT_TRUE(NearRgb(got.At(x, y), colour, 8))
          << "mode " << c.mode << " at " << x << "," << y << ": " << RgbText(got.At(x, y));
    }
  }
}

TEST_F(FrameRender, CloseGlyphSitsAtTheCloseButton) {
  FrameWindow frame;
  RenderFrame(frame.index(), nullptr, false);
  const TitleButton& close = *frame.record().titleButtons[0];
  const int x0 = static_cast<int>(close.rect.x) - 1;
  EXPECT_EQ(x0, kW - 41 + 1 + 2 - 1);
  Bitmap glyph;
  ASSERT_TRUE(glyph.CreateFromBytes(close.image));
  const PixelImage got = CaptureFrameDc(frame);
  // Opaque glyph pixels found in place, and (as a check) 6 pixels to the left.
  int opaque = 0, matching = 0, shifted = 0;
  for (int y = 0; y < 18; ++y) {
    for (int x = 0; x < 37; ++x) {
      const Argb p = glyph.GetPixel(x, y);
      if ((p >> 24) < 250) continue;
      ++opaque;
      if (NearRgb(got.At(x0 + x, 1 + y), p & 0xFFFFFF, 24)) ++matching;
      if (NearRgb(got.At(x0 + x - 6, 1 + y), p & 0xFFFFFF, 24)) ++shifted;
    }
  }
  ASSERT_GT(opaque, 10);
  EXPECT_GE(matching * 10, opaque * 9) << matching << " of " << opaque;
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
  r.captionGlow = true;
  RenderFrame(frame.index(), nullptr, false);
  const PixelImage with = CaptureFrameDc(frame);
  r.drawCaption = false;
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

TEST_F(FrameRender, TitleCacheHoldsTheBandWithoutCaptionAndButtons) {
  FrameWindow frame;
  RenderFrame(frame.index(), nullptr, false);
  const WindowRecord& r = frame.record();
  const PixelImage band = CaptureDc(r.titleCacheDC.get(), 0, 0, kW, 50);
  const PixelImage got = CaptureFrameDc(frame);
  EXPECT_TRUE(NearRgb(band.At(kW / 2, 0), got.At(kW / 2, 0), 0)) << "border is in the cache";
  ASSERT_GT(CountDifferent(band, CaptureDc(r.frameDC.get(), 0, 0, kW, 50), 4), 30) << "no caption or buttons";
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
  const HDC copy1 = r.frameCopy.get();
  ASSERT_NE(original, 0);
  ASSERT_EQ(GetObjectType(buffer1), static_cast<DWORD>(OBJ_BITMAP));
  EXPECT_TRUE(IsRememberedMemoryDc(copy1));

  RenderFrame(i, nullptr, false);
  EXPECT_EQ(GetPropInt(frame.get(), Ck_Ycjdx), original) << "the DC's first bitmap stays recorded";
  const HGDIOBJ buffer2 = reinterpret_cast<HGDIOBJ>(static_cast<INT_PTR>(GetPropInt(frame.get(), Ck_wtjbdx)));
  EXPECT_NE(buffer2, buffer1);
  EXPECT_EQ(GetObjectType(buffer1), 0u) << "the last back buffer is deleted";
  EXPECT_FALSE(IsRememberedMemoryDc(copy1));
  EXPECT_TRUE(IsRememberedMemoryDc(r.frameCopy.get()));
  // The stock bitmap is not deleted: the DC can take it back.
  EXPECT_EQ(GetObjectType(reinterpret_cast<HGDIOBJ>(static_cast<INT_PTR>(original))),
            static_cast<DWORD>(OBJ_BITMAP));
}

}  // namespace
