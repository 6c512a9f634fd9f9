// The push button's five looks, read from 32-bpp pixels and compared with
// the background behind the button and with a model of the layers.
#include "button_fixture.h"

#include <cmath>

namespace {

constexpr int kW = 100, kH = 30;

struct Layer {
  std::uint32_t rgb;
  int alpha;
};

constexpr std::uint32_t kWhite = 0xFFFFFF, kGrey = 0x808080, kSilver = 0xC0C0C0, kBlack = 0;
constexpr std::uint32_t kAccentRgb = 0x22CADD;  // AccentColour 0xDDCA22 as 0x00RRGGBB

// A two-stop linear gradient at fraction f, colours weighted by their alpha
// as GDI+ blends them.
Layer Between(Layer a, Layer b, double f) {
  f = std::fmax(0.0, std::fmin(1.0, f));
  const double alpha = a.alpha + (b.alpha - a.alpha) * f;
  std::uint32_t rgb = 0;
  for (int shift = 0; shift <= 16; shift += 8) {
    const double c = ((a.rgb >> shift) & 0xFF) * a.alpha * (1 - f) + ((b.rgb >> shift) & 0xFF) * b.alpha * f;
    rgb |= static_cast<std::uint32_t>(std::lround(alpha > 0 ? c / alpha : 0)) << shift;
  }
  return Layer{rgb, static_cast<int>(std::lround(alpha))};
}

std::uint32_t Over(std::uint32_t dst, Layer l) { return Blend(dst, l.rgb, l.alpha); }

// Model of an enabled face pixel away from the outline and the caption.
std::uint32_t EnabledFace(std::uint32_t bg, int x, int y, int state) {
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

const std::pair<int, int> kCorners[] = {{0, 0}, {kW - 1, 0}, {0, kH - 1}, {kW - 1, kH - 1}};

class PushButtonLookTest : public ButtonSkinTest {
 protected:
  void SetUp() override {
    ButtonSkinTest::SetUp();
    MakeHost(240, 140);
    button = Add("", BS_PUSHBUTTON, 30, 40, kW, kH, 5);
    Install();
    background = CaptureBackground(*host, button);
  }

  PixelImage Look(int state) {
    Canvas canvas(kW, kH, RGB(255, 0, 255));
    PaintPushButton(button, canvas.dc(), state, RECT{0, 0, kW, kH});
    return canvas.Pixels();
  }

  // The face follows the model inside and the corners show the background.
  void ExpectEnabledLook(const PixelImage& p, int state) {
    for (int y : {6, 15, 24}) {
      for (int x : {10, 50, 80}) {
        const std::uint32_t expected = EnabledFace(background.At(x, y), x, y, state);
        EXPECT_TRUE(NearRgb(p.At(x, y), expected, 6)) << "state " << state << " at " << x << "," << y
                                                      << ": " << RgbText(p.At(x, y)) << ", model " << RgbText(expected);
      }
    }
    for (auto [x, y] : kCorners) EXPECT_TRUE(NearRgb(p.At(x, y), background.At(x, y), 1)) << x << "," << y;
  }

  HWND button = nullptr;
  PixelImage background;
};

TEST_F(PushButtonLookTest, PlainAndHotFacesAreGlassOverTheBackgroundWithRoundedCorners) {
  const PixelImage plain = Look(0);
  ExpectEnabledLook(plain, 0);
  EXPECT_EQ(CountDifferent(plain, Screen(button), 2), 0);
  EXPECT_EQ(CountDifferent(plain, CaptureComposite(*host, button), 2), 0);
  const PixelImage hot = Look(kPaintHot);
  ExpectEnabledLook(hot, kPaintHot);
  // Outline: black at 120 when plain; black at 150 then accent at 100 when hot.
  for (auto [x, y] : {std::pair{0, kH / 2}, {kW / 2, 0}}) {
    const std::uint32_t face = EnabledFace(background.At(x, y), x, y, 0);
    const std::uint32_t hotFace = EnabledFace(background.At(x, y), x, y, kPaintHot);
    EXPECT_TRUE(NearRgb(plain.At(x, y), Over(face, {kBlack, 120}), 6)) << x << "," << y;
    EXPECT_TRUE(NearRgb(hot.At(x, y), Over(Over(hotFace, {kBlack, 150}), {kAccentRgb, 100}), 6)) << x << "," << y;
  }
  SendMessageA(button, WM_MOUSEMOVE, 0, MAKELPARAM(3, 3));
  EXPECT_EQ(CountDifferent(hot, Screen(button), 2), 0);
}

TEST_F(PushButtonLookTest, FocusGlowStaysInsideTheFaceAndHotWinsOverFocus) {
  const PixelImage plain = Look(0);
  const PixelImage focus = Look(kPaintFocus);
  // The widest glow pen would reach the corners without the clip.
  for (auto [x, y] : kCorners) EXPECT_TRUE(NearRgb(focus.At(x, y), background.At(x, y), 1)) << x << "," << y;
  auto blueMinusRed = [](std::uint32_t c) { return int(c & 0xFF) - int((c >> 16) & 0xFF); };
  EXPECT_GT(blueMinusRed(focus.At(1, kH / 2)), blueMinusRed(plain.At(1, kH / 2)) + 20);
  EXPECT_TRUE(NearRgb(focus.At(kW / 2, kH / 2), plain.At(kW / 2, kH / 2), 2));
  EXPECT_EQ(CountDifferent(Look(kPaintFocus | kPaintHot), Look(kPaintHot), 0), 0);
}

TEST_F(PushButtonLookTest, PressedFaceIsSunkenIntoTheAccent) {
  const PixelImage plain = Look(0);
  const PixelImage pressed = Look(kPaintPressed);
  ExpectEnabledLook(pressed, kPaintPressed);
  ExpectEnabledLook(Look(kPaintHot | kPaintPressed), kPaintHot | kPaintPressed);
  EXPECT_TRUE(NearRgb(pressed.At(1, kH / 2), plain.At(1, kH / 2), 2)) << "the sunken fill starts two pixels in";
  // Held down for real: the owner draw says pressed and the screen shows it.
  SendMessageA(button, BM_SETSTATE, TRUE, 0);
  PumpMessages();
  EXPECT_NE(host->lastDrawItem.itemState & ODS_SELECTED, 0u);
  EXPECT_EQ(CountDifferent(pressed, Screen(button), 2), 0);
}

TEST_F(PushButtonLookTest, DisabledFaceIsSilverToTheRectangularEdges) {
  const PixelImage disabled = Look(kPaintDisabled);
  for (auto [x, y] : kCorners) EXPECT_TRUE(NearRgb(disabled.At(x, y), kSilver, 1)) << x << "," << y;
  // The sheen: white at 50 at the top, black at 10 at 0.6 of the height.
  EXPECT_TRUE(NearRgb(disabled.At(50, kH * 6 / 10), Over(kSilver, {kBlack, 10}), 4));
  EXPECT_TRUE(NearRgb(disabled.At(50, 2), Over(kSilver, Between({kWhite, 50}, {kBlack, 10}, 2.5 / (kH * 0.6))), 5));
  EnableWindow(button, FALSE);
  PumpMessages();
  EXPECT_NE(host->lastDrawItem.itemState & ODS_DISABLED, 0u);
  EXPECT_EQ(CountDifferent(disabled, Screen(button), 2), 0);
}

}  // namespace
