// The progress bar's trough and accent bar at 0, 50 and 100 percent, read
// from 32-bpp pixels over the host's known picture and compared with a
// model of the layers; vertical bars grow from the bottom.
#include "bars_fixture.h"

namespace {

constexpr int kW = 200, kH = 20;

// The trough over background pixel bg at row y (away from the outline).
std::uint32_t Trough(std::uint32_t bg, int y, int h) {
  return Over(bg, Between({kWhiteRgb, 160}, {kBlackRgb, 30}, (y + 0.5) / (h - 1)));
}

// The bar over the trough at row y.
std::uint32_t Filled(std::uint32_t trough, int y, int h) {
  return Over(trough, Between({kWhiteRgb, 90}, {kAccentRgb, 255}, (y + 0.5) / (h - 1)));
}

class ProgressTest : public BarSkinTest {
 protected:
  HWND MakeBar(DWORD style, int w, int h) {
    MakeHost(300, 200);
    HWND bar = Add(PROGRESS_CLASSA, style, 30, 40, w, h, 5);
    Install();
    return bar;
  }
  void SetPos(HWND bar, int pos) {
    SendMessageA(bar, PBM_SETPOS, static_cast<WPARAM>(pos), 0);
    PumpMessages();
  }
};

TEST(ProgressFillLength, ScalesThePositionWithinTheRange) {
  EXPECT_EQ(ProgressFillLength(200, 0, 100, 0), 0);
  EXPECT_EQ(ProgressFillLength(200, 0, 100, 50), 100);
  EXPECT_EQ(ProgressFillLength(200, 0, 100, 100), 200);
  EXPECT_EQ(ProgressFillLength(7, 0, 3, 1), 2);  // 2.33 rounded down
  // The lower end of the range is the empty bar, wherever it lies.
  EXPECT_EQ(ProgressFillLength(200, 50, 150, 50), 0);
  EXPECT_EQ(ProgressFillLength(200, 50, 150, 100), 100);
  EXPECT_EQ(ProgressFillLength(200, 50, 150, 150), 200);
  // An empty range fills nothing (and divides by nothing).
  EXPECT_EQ(ProgressFillLength(200, 10, 10, 10), 0);
}

TEST_F(ProgressTest, TheFillFollowsThePositionAcrossTheTrough) {
  HWND bar = MakeBar(0, kW, kH);
  const PixelImage bg = CaptureBackground(*host, bar);
  for (int percent : {0, 50, 100}) {
    SetPos(bar, percent);
    const PixelImage shot = Screen(bar);
    const int len = kW * percent / 100;
    int wrong = 0;
    std::string first;
    for (int y = 3; y <= kH - 5; ++y) {
      for (int x = 3; x <= kW - 5; ++x) {
        const std::uint32_t trough = Trough(bg.At(x, y), y, kH);
        std::uint32_t expected = trough;
        if (x <= len - 6) {
          expected = Filled(trough, y, kH);
        } else if (x < len + 2) {
          continue;  // the bar's rounded end and outline
        }
        if (!NearRgb(shot.At(x, y), expected, 10)) {
          if (wrong++ == 0) {
            first = "(" + std::to_string(x) + "," + std::to_string(y) + ") " +
                    RgbText(shot.At(x, y)) + " expected " + RgbText(expected);
          }
        }
      }
    }
    EXPECT_EQ(wrong, 0) << percent << "%: " << first;
    EXPECT_EQ(CountDifferent(CaptureComposite(*host, bar), shot, 2), 0) << percent << "%";
  }
  SavePng(Screen(bar), "control_bars_progress_full.png");
}

TEST_F(ProgressTest, AVerticalBarGrowsFromTheBottom) {
  HWND bar = MakeBar(PBS_VERTICAL, 20, 100);
  const PixelImage bg = CaptureBackground(*host, bar);
  SetPos(bar, 30);
  const PixelImage shot = Screen(bar);
  // The vertical trough fades across the bar's width, not down it.
  auto trough = [&](int x, int y) {
    return Over(bg.At(x, y), Between({kWhiteRgb, 160}, {kBlackRgb, 30}, (x + 0.5) / 19));
  };
  for (int y : {5, 40, 65}) {
    EXPECT_TRUE(NearRgb(shot.At(10, y), trough(10, y), 10)) << y << " " << RgbText(shot.At(10, y));
  }
  for (int y : {75, 85, 94}) {
    // The accent bar fades across too; its middle is well away from the trough.
    const std::uint32_t c = shot.At(10, y);
    EXPECT_FALSE(NearRgb(c, trough(10, y), 30)) << y << " " << RgbText(c);
    EXPECT_TRUE(
        NearRgb(c, Over(trough(10, y), Between({kWhiteRgb, 90}, {kAccentRgb, 255}, 10.5 / 19)), 12))
        << y << " " << RgbText(c);
  }
}

TEST_F(ProgressTest, ARangeThatDoesNotStartAtZeroFillsByItsOwnScale) {
  HWND bar = MakeBar(0, kW, kH);
  SendMessageA(bar, PBM_SETRANGE32, 50, 150);
  SetPos(bar, 100);
  const PixelImage bg = CaptureBackground(*host, bar);
  const PixelImage shot = Screen(bar);
  const int y = kH / 2;
  const std::uint32_t left = shot.At(60, y), right = shot.At(150, y);
  EXPECT_TRUE(NearRgb(left, Filled(Trough(bg.At(60, y), y, kH), y, kH), 10)) << RgbText(left);
  EXPECT_TRUE(NearRgb(right, Trough(bg.At(150, y), y, kH), 10)) << RgbText(right);
}

}  // namespace
