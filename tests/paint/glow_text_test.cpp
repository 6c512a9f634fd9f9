// Glowing text drawn into a DIB; one picture is saved to be looked at.
#include <gtest/gtest.h>

#include <algorithm>

#include "graphics/gdiplus/gdiplus_objects.h"
#include "graphics/paint/glow_text.h"
#include "paint_test_support.h"

namespace {

constexpr std::uint32_t kBackground = 0x203040;

struct Ink {
  int count = 0, left = 1 << 30, top = 1 << 30, right = -1, bottom = -1;
};

// The white text is the only ink with much red (the glow is 22 CA DD).
Ink FindInk(const PixelCanvas& c, bool textOnly) {
  Ink ink;
  for (int y = 0; y < c.height; ++y)
    for (int x = 0; x < c.width; ++x) {
      const std::uint32_t rgb = c.Rgb(x, y);
      if (textOnly ? ((rgb >> 16) & 0xFF) <= 120 : rgb == kBackground) continue;
      ++ink.count;
      ink.left = std::min(ink.left, x);
      ink.top = std::min(ink.top, y);
      ink.right = std::max(ink.right, x);
      ink.bottom = std::max(ink.bottom, y);
    }
  return ink;
}

std::unique_ptr<PixelCanvas> Draw(const Text& text, const RectF& rect, std::optional<int> blurDivisor,
                                  float size) {
  auto canvas = std::make_unique<PixelCanvas>(160, 60, kBackground);
  Graphics graphics;
  EXPECT_TRUE(graphics.CreateFromHDC(canvas->dc));
  EXPECT_TRUE(DrawGlowText(graphics, text, rect, 0xFFFFFF, 0xDDCA22, blurDivisor, std::nullopt,
                           std::nullopt, size, StringAlignmentNear, StringAlignmentNear, true, false));
  graphics.Delete();
  GdiFlush();
  return canvas;
}

}  // namespace

TEST(GlowText, TextSitsOneRightAndDownInsideItsHaloAndGlow) {
  auto canvas = Draw("提取ip", RectF{20, 10, 120, 30}, std::nullopt, 16.0f);
  WriteFileBytes(OutputFolder() + "paint_glow_text.png",
                 MakePng(160, 60, [&](int x, int y) { return 0xFF000000u | canvas->Rgb(x, y); }));
  const Ink text = FindInk(*canvas, true), all = FindInk(*canvas, false);
  ASSERT_GT(text.count, 20);
  EXPECT_GE(text.left, 21);
  EXPECT_GE(text.top, 11);
  EXPECT_GT(all.count - text.count, text.count / 2);  // halo and glow around it
  EXPECT_LT(all.left, text.left);
  EXPECT_GE(all.left, 20);  // nothing beyond the rectangle and the halo's 2 pixels
  EXPECT_GE(all.top, 10);
  EXPECT_LE(all.right, 142);
  EXPECT_LE(all.bottom, 42);
}

TEST(GlowText, GlowPictureNeedsARectangleAsLargeAsTheDivisor) {
  const RectF rect{30, 20, 100, 15};
  auto tooSmall = Draw("ab", rect, 20, 12.0f);  // 15 rows / 20: no glow picture
  auto none = Draw("ab", rect, 0, 12.0f);       // divisor 0: none either
  auto glowing = Draw("ab", rect, 4, 12.0f);
  ASSERT_GT(FindInk(*tooSmall, true).count, 0);  // halo and text are still drawn
  EXPECT_TRUE(std::equal(tooSmall->bits, tooSmall->bits + 160 * 60, none->bits));
  EXPECT_FALSE(std::equal(tooSmall->bits, tooSmall->bits + 160 * 60, glowing->bits));
}
