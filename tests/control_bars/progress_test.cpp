// The progress bar's trough and accent bar at 0, 50 and 100 percent, read
// from 32-bpp pixels and compared with a model of the layers.
#include "bars_fixture.h"

namespace {

TEST(ProgressFillLength, ScalesThePositionWithinTheRange) {
  EXPECT_EQ(ProgressFillLength(200, 0, 100, 50), 100);
  EXPECT_EQ(ProgressFillLength(7, 0, 3, 1), 2);  // 2.33 rounded down
  // The lower end of the range is the empty bar, wherever it lies.
  EXPECT_EQ(ProgressFillLength(200, 50, 150, 50), 0);
  EXPECT_EQ(ProgressFillLength(200, 50, 150, 100), 100);
  EXPECT_EQ(ProgressFillLength(200, 10, 10, 10), 0);  // an empty range divides by nothing
}

using ProgressTest = BarSkinTest;

TEST_F(ProgressTest, TheFillFollowsThePositionAcrossTheTrough) {
  constexpr int kW = 200, kH = 20;
  MakeHost(300, 200);
  HWND bar = Add(PROGRESS_CLASSA, 0, 30, 40, kW, kH, 5);
  Install();
  const PixelImage bg = CaptureBackground(*host, bar);
  for (int percent : {0, 50, 100}) {
    SendMessageA(bar, PBM_SETPOS, static_cast<WPARAM>(percent), 0);
    PumpMessages();
    const PixelImage shot = Screen(bar);
    const int len = kW * percent / 100;
    int wrong = 0;
    std::string first;
    for (int y = 3; y <= kH - 5; ++y) {
      const double f = (y + 0.5) / (kH - 1);
      for (int x = 3; x <= kW - 5; ++x) {
        if (x > len - 6 && x < len + 2) continue;  // the bar's rounded end and outline
        std::uint32_t expected = Over(bg.At(x, y), Between({kWhiteRgb, 160}, {kBlackRgb, 30}, f));
        if (x <= len - 6) expected = Over(expected, Between({kWhiteRgb, 90}, {kAccentRgb, 255}, f));
        if (!NearRgb(shot.At(x, y), expected, 10) && wrong++ == 0) {
          first = std::to_string(x) + "," + std::to_string(y) + " " + RgbText(shot.At(x, y)) +
                  " expected " + RgbText(expected);
        }
      }
    }
    EXPECT_EQ(wrong, 0) << percent << "%: " << first;
    EXPECT_EQ(CountDifferent(CaptureComposite(*host, bar), shot, 2), 0) << percent << "%";
  }
}

TEST_F(ProgressTest, AVerticalBarGrowsFromTheBottomWithItsGradientsAcross) {
  constexpr int kW = 20, kH = 200;
  MakeHost(300, 260);
  HWND bar = Add(PROGRESS_CLASSA, PBS_VERTICAL, 40, 20, kW, kH, 5);
  Install();
  EXPECT_TRUE(Record().progressBars[0]->vertical);
  const PixelImage bg = CaptureBackground(*host, bar);
  for (int percent : {0, 50, 100}) {
    SendMessageA(bar, PBM_SETPOS, static_cast<WPARAM>(percent), 0);
    PumpMessages();
    const PixelImage shot = Screen(bar);
    const int top = kH - kH * percent / 100;  // the bar fills from here down
    int wrong = 0;
    std::string first;
    for (int x = 3; x <= kW - 5; ++x) {
      const double f = (x + 0.5) / (kW - 1);
      for (int y = 3; y <= kH - 5; ++y) {
        if (y > top - 2 && y < top + 6) continue;  // the bar's rounded end and outline
        std::uint32_t expected = Over(bg.At(x, y), Between({kWhiteRgb, 160}, {kBlackRgb, 30}, f));
        if (y >= top + 6) expected = Over(expected, Between({kWhiteRgb, 90}, {kAccentRgb, 255}, f));
        if (!NearRgb(shot.At(x, y), expected, 10) && wrong++ == 0) {
          first = std::to_string(x) + "," + std::to_string(y) + " " + RgbText(shot.At(x, y)) +
                  " expected " + RgbText(expected);
        }
      }
    }
    EXPECT_EQ(wrong, 0) << percent << "%: " << first;
    EXPECT_EQ(CountDifferent(CaptureComposite(*host, bar), shot, 2), 0) << percent << "%";
  }
}

}  // namespace
