// The push button's five looks, read from 32-bpp pixels and compared with
// the background behind the button and with a model of the layers.
#include "button_fixture.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr int kW = 100, kH = 30;
constexpr int kX = 30, kY = 40;  // the button in the host

// An ARGB-free colour with an alpha, as the painter's layers use them.
struct Layer {
  std::uint32_t rgb;
  int alpha;
};

constexpr std::uint32_t kWhite = 0xFFFFFF, kGrey = 0x808080, kSilver = 0xC0C0C0, kBlack = 0;
constexpr std::uint32_t kAccentRgb = 0x22CADD;  // AccentColour 0xDDCA22 as 0x00RRGGBB

// The colour of a two-stop linear gradient at fraction f (0..1), the
// colours weighted by their alpha as GDI+ blends them.
Layer Between(Layer a, Layer b, double f) {
  f = std::fmax(0.0, std::fmin(1.0, f));
  const double alpha = a.alpha + (b.alpha - a.alpha) * f;
  std::uint32_t rgb = 0;
  for (int shift = 0; shift <= 16; shift += 8) {
    const double ca = ((a.rgb >> shift) & 0xFF) * a.alpha * (1 - f);
    const double cb = ((b.rgb >> shift) & 0xFF) * b.alpha * f;
    const double c = alpha > 0 ? (ca + cb) / alpha : 0;
    rgb |= static_cast<std::uint32_t>(std::lround(c)) << shift;
  }
  return Layer{rgb, static_cast<int>(std::lround(alpha))};
}

std::uint32_t Over(std::uint32_t dst, Layer l) { return Blend(dst, l.rgb, l.alpha); }

// Model of an enabled face pixel away from the outline and the caption.
std::uint32_t EnabledFace(std::uint32_t bg, int x, int y, int state) {
  (void)x;
  std::uint32_t c = Over(bg, {kWhite, 120});
  const double f = (y + 0.5) / (kH - 1);
  c = Over(c, Between({kWhite, 0}, {kGrey, 60}, f));
  if (y < kH / 2) c = Over(c, Between({kWhite, 50}, {kWhite, 10}, (y + 0.5) / (kH * 0.5)));
  if ((state & kPaintHot) != 0) {
    c = Over(c, Between({kAccentRgb, 60}, {kWhite, 80}, f));
    c = Over(c, Between({kAccentRgb, 30}, {kWhite, 100}, f));
  }
  if ((state & kPaintPressed) != 0 && x >= 3 && y >= 3 && x < kW - 3 && y < kH - 3) {
    c = Over(c, Between({kAccentRgb, 60}, {kWhite, 100}, (y + 0.5 - 2) / (kH - 4)));
  }
  return c;
}

class PushButtonLookTest : public ButtonSkinTest {
 protected:
  void SetUp() override {
    ButtonSkinTest::SetUp();
    MakeHost(240, 140);
    button = Add("", BS_PUSHBUTTON, kX, kY, kW, kH, 5);
    Install();
    background = CaptureBackground(*host, button);
  }

  // The look in state, painted by the painter into a canvas.
  PixelImage Look(int state) {
    Canvas canvas(kW, kH, RGB(255, 0, 255));
    PaintPushButton(button, canvas.dc(), state, RECT{0, 0, kW, kH});
    return canvas.Pixels();
  }

  void ExpectModel(const PixelImage& p, int state, int x, int y) {
    const std::uint32_t expected = EnabledFace(background.At(x, y), x, y, state);
    EXPECT_TRUE(NearRgb(p.At(x, y), expected, 6))
        << "state " << state << " at " << x << "," << y << ": " << RgbText(p.At(x, y))
        << ", model " << RgbText(expected);
  }

  HWND button = nullptr;
  PixelImage background;
};

TEST_F(PushButtonLookTest, PlainFaceIsGlassOverTheBackgroundWithRoundedCorners) {
  const PixelImage p = Look(0);
  for (auto [x, y] : {std::pair{0, 0}, {kW - 1, 0}, {0, kH - 1}, {kW - 1, kH - 1}}) {
    EXPECT_TRUE(NearRgb(p.At(x, y), background.At(x, y), 1))
        << "corner " << x << "," << y << " " << RgbText(p.At(x, y)) << " background "
        << RgbText(background.At(x, y));
  }
  for (int y : {4, 10, 20, 25}) {
    for (int x : {10, 50, 80}) ExpectModel(p, 0, x, y);
  }
  // The outline: black at alpha 120 along the edges, over the face.
  for (auto [x, y] : {std::pair{0, kH / 2}, {kW / 2, 0}}) {
    const std::uint32_t expected = Over(EnabledFace(background.At(x, y), x, y, 0), {kBlack, 120});
    EXPECT_TRUE(NearRgb(p.At(x, y), expected, 6)) << x << "," << y << " " << RgbText(p.At(x, y));
  }
  // The screen and the composite show the same plain look.
  EXPECT_EQ(CountDifferent(p, Screen(button), 2), 0);
  EXPECT_EQ(CountDifferent(p, CaptureComposite(*host, button), 2), 0);
}

TEST_F(PushButtonLookTest, HotFaceIsTintedWithTheAccentAndOutlined) {
  const PixelImage plain = Look(0);
  const PixelImage hot = Look(kPaintHot);
  for (int y : {4, 10, 20, 25}) {
    for (int x : {10, 50, 80}) ExpectModel(hot, kPaintHot, x, y);
  }
  for (auto [x, y] : {std::pair{0, 0}, {kW - 1, kH - 1}}) {
    EXPECT_TRUE(NearRgb(hot.At(x, y), background.At(x, y), 1));
  }
  // Edge: black at 150 then accent at 100 instead of black at 120.
  for (auto [x, y] : {std::pair{0, kH / 2}, {kW / 2, 0}}) {
    const std::uint32_t face = EnabledFace(background.At(x, y), x, y, kPaintHot);
    const std::uint32_t expected = Over(Over(face, {kBlack, 150}), {kAccentRgb, 100});
    EXPECT_TRUE(NearRgb(hot.At(x, y), expected, 6)) << x << "," << y << " " << RgbText(hot.At(x, y));
    EXPECT_FALSE(NearRgb(hot.At(x, y), plain.At(x, y), 10));
  }
  // The look a mouse move gives is this one.
  SendMessageA(button, WM_MOUSEMOVE, 0, MAKELPARAM(3, 3));
  EXPECT_EQ(CountDifferent(hot, Screen(button), 2), 0);
}

TEST_F(PushButtonLookTest, FocusGlowStaysInsideTheFace) {
  const PixelImage plain = Look(0);
  const PixelImage focus = Look(kPaintFocus);
  // Outside the rounded outline nothing is drawn, though the widest glow
  // pen would reach there without the clip.
  for (auto [x, y] : {std::pair{0, 0}, {kW - 1, 0}, {0, kH - 1}, {kW - 1, kH - 1}}) {
    EXPECT_TRUE(NearRgb(focus.At(x, y), background.At(x, y), 1))
        << x << "," << y << " " << RgbText(focus.At(x, y));
  }
  // Just inside the left edge the accent glow shows; the middle is plain.
  auto blueMinusRed = [](std::uint32_t c) {
    return static_cast<int>(c & 0xFF) - static_cast<int>((c >> 16) & 0xFF);
  };
  EXPECT_GT(blueMinusRed(focus.At(1, kH / 2)), blueMinusRed(plain.At(1, kH / 2)) + 20);
  EXPECT_TRUE(NearRgb(focus.At(kW / 2, kH / 2), plain.At(kW / 2, kH / 2), 2));
  // Focus without hot: hot wins over focus.
  EXPECT_EQ(CountDifferent(Look(kPaintFocus | kPaintHot), Look(kPaintHot), 0), 0);
}

TEST_F(PushButtonLookTest, PressedFaceIsSunkenIntoTheAccent) {
  const PixelImage plain = Look(0);
  const PixelImage pressed = Look(kPaintPressed);
  for (int y : {6, 15, 24}) {
    for (int x : {10, 50, 80}) ExpectModel(pressed, kPaintPressed, x, y);
  }
  // The sunken fill starts two pixels in.
  EXPECT_TRUE(NearRgb(pressed.At(1, kH / 2), plain.At(1, kH / 2), 2));
  // Pressed is drawn over hot and over focus.
  const PixelImage hotPressed = Look(kPaintHot | kPaintPressed);
  ExpectModel(hotPressed, kPaintHot | kPaintPressed, 50, 20);

  // Held down for real: the owner-draw state says pressed and the screen
  // shows this look.
  SendMessageA(button, BM_SETSTATE, TRUE, 0);
  PumpMessages();
  EXPECT_NE(host->lastDrawItem.itemState & ODS_SELECTED, 0u);
  EXPECT_EQ(host->lastDrawItem.hwndItem, button);
  EXPECT_EQ(CountDifferent(pressed, Screen(button), 2), 0);
  SendMessageA(button, BM_SETSTATE, FALSE, 0);
  PumpMessages();
  EXPECT_EQ(CountDifferent(plain, Screen(button), 2), 0);
}

TEST_F(PushButtonLookTest, DisabledFaceIsSilverToTheRectangularEdges) {
  const PixelImage disabled = Look(kPaintDisabled);
  for (auto [x, y] : {std::pair{0, 0}, {kW - 1, 0}, {0, kH - 1}, {kW - 1, kH - 1}}) {
    EXPECT_TRUE(NearRgb(disabled.At(x, y), kSilver, 1)) << x << "," << y << " "
                                                        << RgbText(disabled.At(x, y));
  }
  // The sheen: white at 50 at the top and bottom, black at 10 at 0.6.
  const int darkRow = static_cast<int>(kH * 0.6);
  EXPECT_TRUE(NearRgb(disabled.At(50, darkRow), Over(kSilver, {kBlack, 10}), 4))
      << RgbText(disabled.At(50, darkRow));
  EXPECT_TRUE(NearRgb(disabled.At(50, 2), Over(kSilver, Between({kWhite, 50}, {kBlack, 10}, 2.5 / (kH * 0.6))), 5))
      << RgbText(disabled.At(50, 2));
  // Nothing of the background shows anywhere.
  int backgroundLike = 0;
  for (int y = 0; y < kH; ++y) {
    for (int x = 0; x < kW; ++x) backgroundLike += NearRgb(disabled.At(x, y), background.At(x, y), 3);
  }
  EXPECT_LT(backgroundLike, 10);
  // Disabling the window brings this look through the owner draw.
  EnableWindow(button, FALSE);
  PumpMessages();
  EXPECT_NE(host->lastDrawItem.itemState & ODS_DISABLED, 0u);
  EXPECT_EQ(CountDifferent(disabled, Screen(button), 2), 0);
}

TEST_F(PushButtonLookTest, CaptionIsCentredInTheControlColourTwoPixelsLow) {
  SetWindowTextA(button, "提取");
  SetPropInt(button, Kj_Ztys, 0xFF0000);  // blue, which the background never is
  const PixelImage p = Look(0);
  int left = kW, right = -1, top = kH, bottom = -1;
  for (int y = 0; y < kH; ++y) {
    for (int x = 0; x < kW; ++x) {
      const std::uint32_t c = p.At(x, y);
      if ((c & 0xFF) > 220 && ((c >> 16) & 0xFF) < 90 && ((c >> 8) & 0xFF) < 90) {
        left = std::min(left, x);
        right = std::max(right, x);
        top = std::min(top, y);
        bottom = std::max(bottom, y);
      }
    }
  }
  ASSERT_GE(right, 0) << "no caption pixels";
  EXPECT_NEAR((left + right) / 2.0, kW / 2.0, 2.5);
  // Laid out in (0, 2, W, H): its middle sits a pixel below the centre.
  EXPECT_NEAR((top + bottom) / 2.0, kH / 2.0 + 1, 2.0);
  EXPECT_GE(right - left, 16);
}

}  // namespace
