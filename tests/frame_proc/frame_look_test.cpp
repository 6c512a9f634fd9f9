// A program-like skinned window on the test desktop: 326 x 393, title band
// 50, not resizable, gloss, the embedded background stretched, a few
// buttons and an edit box. The screen shows the back buffer, the window is
// cut to its rounded region, and the picture is saved for a look
// (PX_FRAME_LOOK_HOLD_MS keeps the window up for a screenshot).
#include <gtest/gtest.h>

#include <cstdlib>

#include "skin/frame/frame_install.h"
#include "tests/control_host/control_host.h"
#include "tests/frame_proc/frame_fixture.h"

namespace {

class FrameLook : public ::testing::Test {
 protected:
  void SetUp() override { ResetFrameSkinState(); }
};

int Brightness(std::uint32_t rgb) {
  return static_cast<int>(((rgb >> 16) & 0xFF) + ((rgb >> 8) & 0xFF) + (rgb & 0xFF));
}

TEST_F(FrameLook, ProgramWindowOnScreen) {
  TestFrame frame(0, 326, 393, 50, 50);
  frame.refuseLoops = false;
  frame.AddControl("BUTTON", "提取ip", BS_PUSHBUTTON, 20, 330, 80, 28);
  frame.AddControl("BUTTON", "保存", BS_PUSHBUTTON, 120, 330, 80, 28);
  frame.AddControl("BUTTON", "复制", BS_PUSHBUTTON, 220, 330, 80, 28);
  HWND edit = frame.AddControl("EDIT", "1.2.3.4:8080\r\n5.6.7.8:3128", WS_BORDER | ES_MULTILINE,
                               20, 70, 286, 240);
  frame.InstallLikeProgram();
  ShowWindow(frame.get(), SW_SHOW);
  UpdateWindow(frame.get());
  PumpMessagesFor(300);

  const WindowRecord& r = frame.Record();
  ASSERT_TRUE(r.frameDC);
  RECT client{};
  GetClientRect(frame.get(), &client);
  const PixelImage screen = CaptureClient(frame.get());
  const PixelImage back = CaptureDc(r.frameDC.get(), 0, 0, client.right, client.bottom);
  ASSERT_FALSE(screen.Empty());
  ASSERT_FALSE(back.Empty());
  SavePng(screen, "frame_program_window.png");

  // Outside the controls the screen is the back buffer.
  for (const POINT p : {POINT{150, 25}, POINT{10, 200}, POINT{160, 320}, POINT{300, 385}}) {
    EXPECT_TRUE(NearRgb(screen.At(p.x, p.y), back.At(p.x, p.y), 3))
        << p.x << "," << p.y << " " << RgbText(screen.At(p.x, p.y)) << " vs "
        << RgbText(back.At(p.x, p.y));
  }
  // The title band carries the white gloss: brighter at its top than the
  // picture just below the band.
  int band = 0, below = 0;
  for (int x = 20; x < 200; x += 10) {
    band += Brightness(back.At(x, 6));
    below += Brightness(back.At(x, 56));
  }
  EXPECT_GT(band, below);
  // The edit box is see-through: its inside shows the background.
  RECT box{};
  GetClientRect(edit, &box);
  POINT inside{box.right - 10, box.bottom - 10};
  MapWindowPoints(edit, frame.get(), &inside, 1);
  EXPECT_TRUE(NearRgb(screen.At(inside.x, inside.y), back.At(inside.x, inside.y), 24))
      << RgbText(screen.At(inside.x, inside.y));
  EXPECT_NE(screen.At(inside.x, inside.y), 0xFFFFFFu);

  // Rounded region: the very corner is cut away.
  HRGN region = CreateRectRgn(0, 0, 0, 0);
  ASSERT_NE(GetWindowRgn(frame.get(), region), ERROR);
  EXPECT_FALSE(PtInRegion(region, 0, 0));
  EXPECT_FALSE(PtInRegion(region, client.right - 1, 0));
  EXPECT_TRUE(PtInRegion(region, 10, 10));
  DeleteObject(region);

  if (const char* hold = std::getenv("PX_FRAME_LOOK_HOLD_MS")) PumpMessagesFor(std::atoi(hold));
}

}  // namespace
