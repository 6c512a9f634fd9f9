// Glowing text drawn into a DIB; the pictures are saved to be looked at.
#include <gtest/gtest.h>

#include "graphics/gdiplus/gdiplus_objects.h"
#include "graphics/paint/glow_text.h"
#include "paint_test_support.h"

namespace {

constexpr std::uint32_t kBackground = 0x203040;

struct Ink {
  int count = 0, left = 1 << 30, top = 1 << 30, right = -1, bottom = -1;
};

Ink FindInk(const PixelCanvas& c, bool textOnly) {
  Ink ink;
  for (int y = 0; y < c.height; ++y) {
    for (int x = 0; x < c.width; ++x) {
      const std::uint32_t rgb = c.Rgb(x, y);
      // The white text is the only ink with much red (glow 22 CA DD).
      if (textOnly ? ((rgb >> 16) & 0xFF) <= 120 : rgb == kBackground) continue;
      ++ink.count;
      ink.left = std::min(ink.left, x);
      ink.top = std::min(ink.top, y);
      ink.right = std::max(ink.right, x);
      ink.bottom = std::max(ink.bottom, y);
    }
  }
  return ink;
}

std::unique_ptr<PixelCanvas> Draw(const Text& text, const RectF& rect, std::optional<int> blurDivisor,
                                  float size, int alignment = StringAlignmentNear, bool wrap = true) {
  auto canvas = std::make_unique<PixelCanvas>(160, 60, kBackground);
  Graphics graphics;
  EXPECT_TRUE(graphics.CreateFromHDC(canvas->dc));
  EXPECT_TRUE(DrawGlowText(graphics, text, rect, 0xFFFFFF, 0xDDCA22, blurDivisor, std::nullopt,
                           std::nullopt, size, alignment, StringAlignmentNear, wrap, !wrap));
  graphics.Delete();
  GdiFlush();
  return canvas;
}

}  // namespace

TEST(GlowText, TextSitsOneRightAndDownInsideItsHaloAndGlow) {
  auto canvas = Draw("提取ip", RectF{20, 10, 120, 30}, std::nullopt, 16.0f);
  SaveCanvasPng(*canvas, "paint_glow_text.png");
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
  auto glowing = Draw("ab", rect, 4, 12.0f);
  auto tooSmall = Draw("ab", rect, 20, 12.0f);  // 15 rows / 20: no glow picture
  auto none = Draw("ab", rect, 0, 12.0f);       // divisor 0: no glow picture either
  SaveCanvasPng(*glowing, "paint_glow_blur.png");
  SaveCanvasPng(*none, "paint_glow_no_blur.png");
  ASSERT_GT(FindInk(*tooSmall, true).count, 0);  // halo and text are still drawn
  int differNone = 0, differGlowing = 0;
  for (int y = 0; y < 60; ++y) {
    for (int x = 0; x < 160; ++x) {
      differNone += tooSmall->Rgb(x, y) != none->Rgb(x, y);
      differGlowing += tooSmall->Rgb(x, y) != glowing->Rgb(x, y);
    }
  }
  EXPECT_EQ(differNone, 0);
  EXPECT_GT(differGlowing, 0);
  EXPECT_GT(FindInk(*glowing, false).count, FindInk(*none, false).count);
}

TEST(GlowText, AlignmentAndWrapping) {
  const RectF rect{0, 5, 160, 30};
  const Ink n = FindInk(*Draw("ab", rect, std::nullopt, 14.0f, StringAlignmentNear), true);
  const Ink c = FindInk(*Draw("ab", rect, std::nullopt, 14.0f, StringAlignmentCenter), true);
  const Ink f = FindInk(*Draw("ab", rect, std::nullopt, 14.0f, StringAlignmentFar), true);
  EXPECT_LT(n.left, 12);
  EXPECT_GT(c.left, n.right);
  EXPECT_LT(c.right, f.left);
  EXPECT_GT(f.right, 140);

  const Text longText = "one two three four five six";
  const Ink wrapped = FindInk(*Draw(longText, RectF{0, 0, 70, 58}, std::nullopt, 12.0f), false);
  const Ink single =
      FindInk(*Draw(longText, RectF{0, 0, 70, 58}, std::nullopt, 12.0f, StringAlignmentNear, false), false);
  EXPECT_GT(wrapped.bottom - wrapped.top, 2 * (single.bottom - single.top));
  EXPECT_LE(single.right, 72);
}
