// The radio button and check box looks: glyph, hover halo, the dot and the
// check mark drawn twice, and where their captions may go.
#include "button_fixture.h"

#include <algorithm>
#include <cmath>

#include "graphics/gdiplus/image.h"
#include "graphics/paint/tick_tint.h"

namespace {

constexpr int kW = 120, kH = 20;
// With a 20-pixel-high client the glyph's top is Y = (20 - 12) / 2 = 4;
// the radio circle is (2, 4, 12, 12), the check box (2, 4, 12, 12).
constexpr int kGlyphTop = 4;

int BlueMinusRed(std::uint32_t c) {
  return static_cast<int>(c & 0xFF) - static_cast<int>((c >> 16) & 0xFF);
}

double MeanBlueMinusRed(const PixelImage& p, int x0, int y0, int x1, int y1) {
  double sum = 0;
  int n = 0;
  for (int y = y0; y <= y1; ++y) {
    for (int x = x0; x <= x1; ++x, ++n) sum += BlueMinusRed(p.At(x, y));
  }
  return sum / n;
}

// Caption pixels in pure blue, a colour the host's background never has.
bool IsCaptionBlue(std::uint32_t c) {
  return (c & 0xFF) > 220 && ((c >> 16) & 0xFF) < 90 && ((c >> 8) & 0xFF) < 90;
}

int CaptionPixelsInColumns(const PixelImage& p, int x0, int x1) {
  int n = 0;
  for (int y = 0; y < p.height; ++y) {
    for (int x = x0; x <= x1; ++x) n += IsCaptionBlue(p.At(x, y));
  }
  return n;
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

  PixelImage Radio(int state) {
    PaintRadioButton(radio, state);
    return Screen(radio);
  }
  PixelImage Check(int state) {
    PaintCheckBox(check, state);
    return Screen(check);
  }

  HWND radio = nullptr;
  HWND check = nullptr;
};

TEST_F(CheckRadioLookTest, RadioGlyphIsAWhiteCircleOverTheBackground) {
  const PixelImage background = CaptureBackground(*host, radio);
  const PixelImage p = Radio(0);
  // Outside the circle and the caption the background is untouched.
  for (auto [x, y] : {std::pair{0, 0}, {1, 10}, {8, 1}, {16, 10}, {60, 10}, {kW - 1, kH - 1}}) {
    EXPECT_TRUE(NearRgb(p.At(x, y), background.At(x, y), 1)) << x << "," << y;
  }
  // Inside: white shaded towards the top left, grey, no accent.
  const std::uint32_t centre = p.At(8, 10);
  EXPECT_GT(centre & 0xFF, 150u);
  EXPECT_LT(std::abs(BlueMinusRed(centre)), 12);
  EXPECT_GT(p.At(11, 13) & 0xFF, p.At(5, 6) & 0xFF) << "shading runs dark to light";
  // The screen and the composite agree.
  EXPECT_EQ(CountDifferent(p, CaptureComposite(*host, radio), 2), 0);
}

TEST_F(CheckRadioLookTest, RadioDotShowsWhenChecked) {
  const PixelImage unchecked = Radio(0);
  SendMessageA(radio, BM_SETCHECK, BST_CHECKED, 0);
  const PixelImage checked = Radio(0);
  // The dot (5, 7, 6, 6): accent at its rim, lighter in the middle.
  EXPECT_GT(MeanBlueMinusRed(checked, 5, 7, 10, 12), MeanBlueMinusRed(unchecked, 5, 7, 10, 12) + 50);
  EXPECT_GT(BlueMinusRed(checked.At(6, 10)), BlueMinusRed(checked.At(8, 10)) - 5);
  // Nothing changes outside the dot's square.
  for (auto [x, y] : {std::pair{3, 5}, {13, 14}, {40, 10}}) {
    EXPECT_TRUE(NearRgb(checked.At(x, y), unchecked.At(x, y), 2)) << x << "," << y;
  }
  // Pressed, focus and disabled do not change the look.
  EXPECT_EQ(CountDifferent(checked, Radio(kPaintPressed | kPaintFocus | kPaintDisabled), 0), 0);
}

TEST_F(CheckRadioLookTest, RadioHaloRingsTheCircleWhileHot) {
  const PixelImage background = CaptureBackground(*host, radio);
  const PixelImage plain = Radio(0);
  const PixelImage hot = Radio(kPaintHot);
  // In the ring between circle and halo (the halo is (-1, 1, 18, 18)).
  EXPECT_TRUE(NearRgb(plain.At(8, 2), background.At(8, 2), 1));
  EXPECT_FALSE(NearRgb(hot.At(8, 2), background.At(8, 2), 10)) << RgbText(hot.At(8, 2));
  EXPECT_FALSE(NearRgb(hot.At(15, 10), background.At(15, 10), 10)) << RgbText(hot.At(15, 10));
  // Outside the halo nothing shows.
  EXPECT_TRUE(NearRgb(hot.At(8, 0), background.At(8, 0), 1));
  EXPECT_TRUE(NearRgb(hot.At(30, 10), background.At(30, 10), 1));
  // The circle itself keeps its look: the ring clip leaves its tint only the
  // soft edge.
  for (auto [x, y] : {std::pair{8, 10}, {6, 8}, {10, 12}}) {
    EXPECT_TRUE(NearRgb(hot.At(x, y), plain.At(x, y), 2)) << x << "," << y;
  }
  // A mouse move paints it so.
  SendMessageA(radio, WM_MOUSEMOVE, 0, MAKELPARAM(3, 3));
  EXPECT_EQ(CountDifferent(hot, Screen(radio), 2), 0);
  SendMessageA(radio, WM_MOUSELEAVE, 0, 0);
  EXPECT_EQ(CountDifferent(plain, Screen(radio), 2), 0);
}

TEST_F(CheckRadioLookTest, CheckBoxHoverTintsTheRingAndTheBox) {
  const PixelImage background = CaptureBackground(*host, check);
  const PixelImage plain = Check(0);
  const PixelImage hot = Check(kPaintHot);
  EXPECT_TRUE(NearRgb(plain.At(8, 2), background.At(8, 2), 1));
  EXPECT_FALSE(NearRgb(hot.At(8, 2), background.At(8, 2), 10));
  // Unlike the radio button the box itself is tinted with the accent.
  EXPECT_GT(MeanBlueMinusRed(hot, 4, 6, 12, 14), MeanBlueMinusRed(plain, 4, 6, 12, 14) + 15);
  EXPECT_TRUE(NearRgb(hot.At(30, 10), background.At(30, 10), 1));
}

TEST_F(CheckRadioLookTest, CheckMarkIsTheTintedTickDrawnTwice) {
  const PixelImage unchecked = Check(0);
  SendMessageA(check, BM_SETCHECK, BST_CHECKED, 0);
  const PixelImage checked = Check(0);

  Bitmap tick;
  ASSERT_TRUE(tick.CreateFromBytes(TintTickWithAccent()));
  ASSERT_EQ(tick.Width(), 13u);
  ASSERT_EQ(tick.Height(), 12u);
  int compared = 0, nearerTwice = 0, edgePixels = 0;
  for (int j = 0; j < 12; ++j) {
    for (int i = 0; i < 13; ++i) {
      const Argb t = tick.GetPixel(i, j);
      const int alpha = static_cast<int>(t >> 24);
      const std::uint32_t rgb = t & 0xFFFFFF;
      const std::uint32_t under = unchecked.At(2 + i, kGlyphTop + j);
      const std::uint32_t once = Blend(under, rgb, alpha);
      const std::uint32_t twice = Blend(once, rgb, alpha);
      const std::uint32_t seen = checked.At(2 + i, kGlyphTop + j);
      EXPECT_TRUE(NearRgb(seen, twice, 4))
          << i << "," << j << " alpha " << alpha << ": " << RgbText(seen) << ", twice "
          << RgbText(twice) << ", once " << RgbText(once);
      ++compared;
      if (alpha > 30 && alpha < 225 && !NearRgb(once, twice, 12)) {
        ++edgePixels;
        const auto distance = [](std::uint32_t a, std::uint32_t b) {
          int d = 0;
          for (int s = 0; s <= 16; s += 8) d += std::abs(int((a >> s) & 0xFF) - int((b >> s) & 0xFF));
          return d;
        };
        nearerTwice += distance(seen, twice) < distance(seen, once);
      }
    }
  }
  EXPECT_EQ(compared, 156);
  ASSERT_GT(edgePixels, 3) << "the tick has no semi-transparent edge to tell one draw from two";
  EXPECT_EQ(nearerTwice, edgePixels);
}

TEST_F(CheckRadioLookTest, CaptionsStartRightOfTheGlyphAndWrapDifferently) {
  const char* longCaption = "提取提取提取提取提取提取提取提取提取提取";
  for (HWND c : {radio, check}) {
    SetWindowTextA(c, longCaption);
    SetPropInt(c, Kj_Ztys, 0xFF0000);
  }
  const PixelImage r = Radio(0);
  const PixelImage c = Check(0);
  // Nothing of the caption left of x = 15.
  EXPECT_EQ(CaptionPixelsInColumns(r, 0, 14), 0);
  EXPECT_EQ(CaptionPixelsInColumns(c, 0, 14), 0);
  EXPECT_GT(CaptionPixelsInColumns(r, 15, kW - 1), 20);
  // The check box's layout ends 4 pixels before the right edge; the radio
  // button's runs past it, so its text reaches the edge.
  EXPECT_EQ(CaptionPixelsInColumns(c, kW - 4, kW - 1), 0);
  EXPECT_GT(CaptionPixelsInColumns(r, kW - 4, kW - 1), 0);
}

}  // namespace
