// The push button's five looks, read from 32-bpp pixels and compared with
// the background behind the button and with a model of the layers.
#include "button_fixture.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "graphics/gdiplus/gdiplus_objects.h"

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

// The caption: laid out centred in the button 2 pixels below the centre
// line, in the colour of Kj_Ztys (black without it) and the control's font,
// and replaced by WM_SETTEXT.
namespace {

constexpr int kCaptionW = 120, kCaptionH = 36;

// The bounding box of the pixels where a and b differ by more than
// tolerance; empty (right <= left) when they do not.
RECT DifferenceBox(const PixelImage& a, const PixelImage& b, int tolerance) {
  RECT box{a.width, a.height, 0, 0};
  for (int y = 0; y < a.height; ++y) {
    for (int x = 0; x < a.width; ++x) {
      if (NearRgb(a.At(x, y), b.At(x, y), tolerance)) continue;
      box.left = std::min<LONG>(box.left, x);
      box.top = std::min<LONG>(box.top, y);
      box.right = std::max<LONG>(box.right, x + 1);
      box.bottom = std::max<LONG>(box.bottom, y + 1);
    }
  }
  return box;
}

class PushButtonCaptionTest : public ButtonSkinTest {
 protected:
  void SetUp() override {
    ButtonSkinTest::SetUp();
    MakeHost(360, 220);
  }
  HWND AddButton(const char* caption, int y, HFONT font = nullptr) {
    HWND b = Add(caption, BS_PUSHBUTTON, 30, y, kCaptionW, kCaptionH);
    if (font != nullptr) SendMessageA(b, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    return b;
  }
  PixelImage Look(HWND button, int state = 0) {
    Canvas canvas(kCaptionW, kCaptionH, RGB(255, 0, 255));
    PaintPushButton(button, canvas.dc(), state, RECT{0, 0, kCaptionW, kCaptionH});
    return canvas.Pixels();
  }
  // The same face without its caption.
  PixelImage Bare(HWND button, int state = 0) {
    ButtonRecord* record = RecordOf(button);
    const Text caption = record->caption;
    record->caption.clear();
    PixelImage bare = Look(button, state);
    RecordOf(button)->caption = caption;
    return bare;
  }
  RECT CaptionBox(HWND button, int state = 0) { return DifferenceBox(Look(button, state), Bare(button, state), 24); }

  // Where GDI+ puts text in the record's font, centred in (0, 0, W, H).
  RECT CentredTextBox(HWND button) {
    const ButtonRecord* record = RecordOf(button);
    Canvas canvas(kCaptionW, kCaptionH, RGB(255, 255, 255));
    const PixelImage blank = canvas.Pixels();
    {
      Graphics g;
      Font font;
      StringFormat format;
      SolidBrush black;
      EXPECT_TRUE(g.CreateFromHDC(canvas.dc()));
      EXPECT_TRUE(font.Create(record->fontFace, static_cast<float>(record->fontSize), record->fontStyle, UnitWorld));
      EXPECT_TRUE(format.Create());
      format.SetAlign(StringAlignmentCenter);
      format.SetLineAlign(StringAlignmentCenter);
      EXPECT_TRUE(black.Create(0xFF000000u));
      g.DrawString(record->caption, font, black, RectF{0, 0, kCaptionW, kCaptionH}, &format);
      g.Flush(true);
    }
    return DifferenceBox(canvas.Pixels(), blank, 24);
  }
};

// The most saturated pixel of the caption: the one farthest from the bare face.
std::uint32_t StrongestCaptionPixel(const PixelImage& look, const PixelImage& bare) {
  std::uint32_t strongest = 0;
  int best = -1;
  for (int i = 0; i < look.width * look.height; ++i) {
    const std::uint32_t a = look.pixels[i] & 0xFFFFFF, b = bare.pixels[i] & 0xFFFFFF;
    int d = 0;
    for (int s = 0; s <= 16; s += 8) d += std::abs(int((a >> s) & 0xFF) - int((b >> s) & 0xFF));
    if (d > best) {
      best = d;
      strongest = a;
    }
  }
  return strongest;
}

TEST_F(PushButtonCaptionTest, CaptionIsCentredTwoPixelsBelowTheCentreLine) {
  HWND b = AddButton("提取ip", 20);
  Install();
  const RECT seen = CaptionBox(b);
  const RECT model = CentredTextBox(b);
  ASSERT_LT(seen.left, seen.right) << "no caption drawn";
  ASSERT_LT(model.left, model.right);
  EXPECT_NEAR(seen.left, model.left, 1);
  EXPECT_NEAR(seen.right, model.right, 1);
  EXPECT_NEAR(seen.top, model.top + 2, 1);
  EXPECT_NEAR(seen.bottom, model.bottom + 2, 1);
  // What the owner draw put on screen is this look.
  EXPECT_EQ(CountDifferent(Look(b), Screen(b), 2), 0);
}

TEST_F(PushButtonCaptionTest, CaptionIsInTheColourOfKjZtysAndBlackWithoutIt) {
  HWND black = AddButton("提取ip", 20);
  HWND red = AddButton("提取ip", 70);
  Install();
  ASSERT_EQ(GetPropA(black, Kj_Ztys), nullptr);
  SetPropInt(red, Kj_Ztys, static_cast<int>(RGB(200, 0, 0)));
  const std::uint32_t plain = StrongestCaptionPixel(Look(black), Bare(black));
  EXPECT_TRUE(NearRgb(plain, 0x000000, 40)) << RgbText(plain);
  const std::uint32_t tinted = StrongestCaptionPixel(Look(red), Bare(red));
  EXPECT_TRUE(NearRgb(tinted, 0xC80000, 40)) << RgbText(tinted);
  // The hot face keeps the caption's colour.
  EXPECT_TRUE(NearRgb(StrongestCaptionPixel(Look(red, kPaintHot), Bare(red, kPaintHot)), 0xC80000, 40));
}

TEST_F(PushButtonCaptionTest, CaptionIsDrawnInTheControlsFont) {
  HFONT large = CreateFontA(-24, 0, 0, 0, FW_BOLD, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, "宋体");
  HWND plain = AddButton("提取", 20);
  HWND big = AddButton("提取", 70, large);
  Install();
  EXPECT_EQ(RecordOf(plain)->fontFace, DefaultControlFontFace()) << "no font of its own";
  EXPECT_EQ(RecordOf(plain)->fontSize, kDefaultControlFontSize);
  EXPECT_EQ(RecordOf(plain)->fontStyle, 0);
  const ControlFont read = ReadControlFont(big);
  EXPECT_EQ(RecordOf(big)->fontFace, read.face);
  EXPECT_GE(RecordOf(big)->fontSize, 23);  // the 24-pixel font, as GDI+ sizes it
  EXPECT_EQ(RecordOf(big)->fontStyle & FontStyleBold, FontStyleBold);
  const RECT small = CaptionBox(plain);
  const RECT wide = CaptionBox(big);
  ASSERT_LT(small.left, small.right);
  EXPECT_GE(wide.bottom - wide.top, small.bottom - small.top + 8);
  EXPECT_GE(wide.right - wide.left, (small.right - small.left) * 3 / 2);
  const RECT model = CentredTextBox(big);
  EXPECT_NEAR(wide.left, model.left, 1);
  EXPECT_NEAR(wide.right, model.right, 1);
  DestroyWindow(big);
  DeleteObject(large);
}

TEST_F(PushButtonCaptionTest, SetTextReplacesTheCaptionThatIsDrawn) {
  HWND b = AddButton("提取ip", 20);
  Install();
  const RECT before = CaptionBox(b);
  SendMessageA(b, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("复制"));
  PumpMessages();
  EXPECT_EQ(RecordOf(b)->caption, Text("复制"));
  char text[16] = {};
  GetWindowTextA(b, text, sizeof(text));
  EXPECT_STREQ(text, "复制") << "the button's own text changes too";
  const RECT after = CaptionBox(b);
  EXPECT_LT(after.right - after.left, before.right - before.left);
  const RECT model = CentredTextBox(b);
  EXPECT_NEAR(after.left, model.left, 1);
  EXPECT_NEAR(after.top, model.top + 2, 1);
  EXPECT_EQ(CountDifferent(Look(b), Screen(b), 2), 0) << "the screen shows the new caption";
  SavePng(Screen(b), "push_button_caption.png");
}

}  // namespace
