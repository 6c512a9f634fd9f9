// The radio button and check box looks: the dot, the hover halo and the
// check mark drawn twice.
#include "button_fixture.h"

#include <cstdlib>

#include "graphics/gdiplus/image.h"
#include "graphics/paint/tick_tint.h"

namespace {

constexpr int kW = 120, kH = 20;
constexpr int kGlyphTop = (kH - 12) / 2;  // the 12 x 12 glyph at x = 2

double MeanBlueMinusRed(const PixelImage& p, int x0, int y0, int x1, int y1) {
  double sum = 0;
  for (int y = y0; y <= y1; ++y) {
    for (int x = x0; x <= x1; ++x) sum += int(p.At(x, y) & 0xFF) - int((p.At(x, y) >> 16) & 0xFF);
  }
  return sum / ((x1 - x0 + 1) * (y1 - y0 + 1));
}

class CheckRadioLookTest : public ButtonSkinTest {
 protected:
  void SetUp() override {
    ButtonSkinTest::SetUp();
    MakeHost(300, 160);
    radio = Add("", BS_AUTORADIOBUTTON, 20, 20, kW, kH, 1);
    check = Add("", BS_AUTOCHECKBOX, 20, 60, kW, kH, 2);
    Install();
  }
  PixelImage Radio(int state) { PaintRadioButton(radio, state); return Screen(radio); }
  PixelImage Check(int state) { PaintCheckBox(check, state); return Screen(check); }

  HWND radio = nullptr;
  HWND check = nullptr;
};

TEST_F(CheckRadioLookTest, RadioDotShowsWhenCheckedAndTheHaloRingsTheCircleWhileHot) {
  const PixelImage background = CaptureBackground(*host, radio);
  const PixelImage unchecked = Radio(0);
  for (auto [x, y] : {std::pair{8, 2}, {16, 10}, {60, 10}}) EXPECT_TRUE(NearRgb(unchecked.At(x, y), background.At(x, y), 1));
  SendMessageA(radio, BM_SETCHECK, BST_CHECKED, 0);
  const PixelImage checked = Radio(0);
  EXPECT_GT(MeanBlueMinusRed(checked, 5, 7, 10, 12), MeanBlueMinusRed(unchecked, 5, 7, 10, 12) + 50);
  for (auto [x, y] : {std::pair{3, 5}, {13, 14}, {40, 10}}) EXPECT_TRUE(NearRgb(checked.At(x, y), unchecked.At(x, y), 2));
  EXPECT_EQ(CountDifferent(checked, CaptureComposite(*host, radio), 2), 0);
  // Hot: a ring between circle and halo (-1, 1, 18, 18); nothing beyond it
  // and the circle keeps its look.
  const PixelImage hot = Radio(kPaintHot);
  EXPECT_FALSE(NearRgb(hot.At(8, 2), background.At(8, 2), 10)) << RgbText(hot.At(8, 2));
  EXPECT_TRUE(NearRgb(hot.At(8, 0), background.At(8, 0), 1));
  EXPECT_TRUE(NearRgb(hot.At(30, 10), background.At(30, 10), 1));
  EXPECT_TRUE(NearRgb(hot.At(8, 10), checked.At(8, 10), 2));
  SendMessageA(radio, WM_MOUSEMOVE, 0, MAKELPARAM(3, 3));
  EXPECT_EQ(CountDifferent(hot, Screen(radio), 2), 0);
}

TEST_F(CheckRadioLookTest, CheckMarkIsTheTintedTickDrawnTwice) {
  const PixelImage unchecked = Check(0);
  SendMessageA(check, BM_SETCHECK, BST_CHECKED, 0);
  const PixelImage checked = Check(0);
  Bitmap tick;
  ASSERT_TRUE(tick.CreateFromBytes(TintTickWithAccent()));
  ASSERT_EQ(tick.Width(), 13u);
  ASSERT_EQ(tick.Height(), 12u);
  auto distance = [](std::uint32_t a, std::uint32_t b) {
    int d = 0;
    for (int s = 0; s <= 16; s += 8) d += std::abs(int((a >> s) & 0xFF) - int((b >> s) & 0xFF));
    return d;
  };
  int nearerTwice = 0, edgePixels = 0;
  for (int j = 0; j < 12; ++j) {
    for (int i = 0; i < 13; ++i) {
      const int alpha = static_cast<int>(tick.GetPixel(i, j) >> 24);
      const std::uint32_t rgb = tick.GetPixel(i, j) & 0xFFFFFF;
      const std::uint32_t once = Blend(unchecked.At(2 + i, kGlyphTop + j), rgb, alpha);
      const std::uint32_t twice = Blend(once, rgb, alpha);
      const std::uint32_t seen = checked.At(2 + i, kGlyphTop + j);
      EXPECT_TRUE(NearRgb(seen, twice, 4)) << i << "," << j << ": " << RgbText(seen) << ", twice " << RgbText(twice);
      if (alpha > 30 && alpha < 225 && !NearRgb(once, twice, 12)) {
        ++edgePixels;
        nearerTwice += distance(seen, twice) < distance(seen, once);
      }
    }
  }
  ASSERT_GT(edgePixels, 3) << "the tick has no semi-transparent edge to tell one draw from two";
  EXPECT_EQ(nearerTwice, edgePixels);
}

TEST_F(CheckRadioLookTest, CheckBoxHoverRingsTheBoxWithAHaloAndTintsTheBox) {
  const PixelImage background = CaptureBackground(*host, check);
  const PixelImage plain = Check(0);
  const PixelImage hot = Check(kPaintHot);
  // The box is (2, 4, 12, 12); the halo the rounded square (-1, 1, 18, 18).
  // Between the two the halo glows; outside it nothing changes.
  for (auto [x, y] : {std::pair{8, 2}, {0, 10}, {15, 10}, {8, 16}}) {
    EXPECT_FALSE(NearRgb(hot.At(x, y), plain.At(x, y), 10)) << x << "," << y << " " << RgbText(hot.At(x, y));
  }
  for (auto [x, y] : {std::pair{8, 0}, {18, 10}, {40, 10}}) {
    EXPECT_TRUE(NearRgb(hot.At(x, y), background.At(x, y), 1)) << x << "," << y;
  }
  // The box itself is tinted with the accent, most at its top-left corner
  // (accent at 90 there, white at 30 at the bottom right).
  EXPECT_GT(MeanBlueMinusRed(hot, 5, 7, 7, 9), MeanBlueMinusRed(plain, 5, 7, 7, 9) + 15);
  EXPECT_GT(MeanBlueMinusRed(hot, 5, 7, 7, 9) - MeanBlueMinusRed(plain, 5, 7, 7, 9),
            MeanBlueMinusRed(hot, 10, 12, 12, 14) - MeanBlueMinusRed(plain, 10, 12, 12, 14) + 5);
  EXPECT_EQ(CountDifferent(hot, CaptureComposite(*host, check), 2), 0);
  // The mouse over the control shows the same look, leaving it the plain one.
  SendMessageA(check, WM_MOUSEMOVE, 0, MAKELPARAM(3, 3));
  EXPECT_EQ(CountDifferent(hot, Screen(check), 2), 0);
  SendMessageA(check, WM_MOUSELEAVE, 0, 0);
  EXPECT_EQ(CountDifferent(plain, Screen(check), 2), 0);
}

}  // namespace
