// The carrier group box with its radio buttons and the four field labels
// over the program's background picture, as the main window shows them.
// Saves the picture as containers_main_look.png for a look by eye.
#include "container_fixture.h"

#include <cstdlib>

#include "graphics/assets/skin_pictures.h"
#include "graphics/gdiplus/gdiplus_objects.h"
#include "graphics/paint/memory_dc_table.h"

namespace {

using SkinPictureTest = ContainerSkinTest;

// Draws the main background picture stretched over the host's frame picture
// and starts the composite afresh from it.
bool PaintMainBackground(HostWindow& host) {
  Image picture;
  if (!picture.LoadFromBytes(CopyPictureBytes(MainBackground()))) return false;
  Graphics g;
  if (!g.CreateFromHDC(host.Record().frameDC.get())) return false;
  const bool drawn = g.DrawImageRect(picture, 0, 0, static_cast<float>(host.width()),
                                     static_cast<float>(host.height()));
  g.Delete();
  host.ResetComposite();
  return drawn;
}

TEST_F(SkinPictureTest, CarrierBoxAndFieldLabelsOverTheBackgroundPicture) {
  MakeHost(256, 300, 40, 40);
  ASSERT_TRUE(PaintMainBackground(*host));
  HWND box = GroupBox("运营商", BS_LEFT, 12, 12, 232, 56);
  HWND radios[3] = {Radio("全部", box, 10, 24, 64, 20, true), Radio("电信", box, 84, 24, 64, 20),
                    Radio("联通", box, 158, 24, 64, 20)};
  SendMessageA(radios[1], BM_SETCHECK, BST_CHECKED, 0);
  const char* texts[4] = {"数量:", "端口：", "地区：", "ip开头："};
  HWND labels[4];
  for (int i = 0; i < 4; ++i) labels[i] = Label(texts[i], 16, 90 + 34 * i, 70, 20);

  InstallContainerSkin(box);
  for (HWND label : labels) {
    ASSERT_EQ(InstallLabelSkin(label, std::nullopt, 14, std::nullopt, 0, 0xFFFFFF, 0, 0, 1), 1);
  }
  Settle();
  InvalidateRect(host->get(), nullptr, FALSE);  // the host shows its composite
  UpdateWindow(host->get());

  // PX_CONTAINERS_HOLD_MS keeps the windows up for a screenshot of the desktop.
  if (const char* hold = std::getenv("PX_CONTAINERS_HOLD_MS")) PumpMessagesFor(std::atoi(hold));

  const PixelImage whole = CaptureClient(host->get());
  EXPECT_TRUE(SavePng(whole, "containers_main_look.png")) << OutputFolder();
  for (HWND label : labels) {
    const PixelImage s = Screen(label);
    EXPECT_GT(InkPixels(s, BehindClient(*host, label), 150).count, 20);
    EXPECT_EQ(CountDifferent(CompositeOf(*host, label), s, 2), 0);
  }
  for (HWND radio : radios) {
    EXPECT_GT(CountDifferent(Screen(radio), BehindClient(*host, radio), 8), 20);
  }
  EXPECT_EQ(CountDifferent(CompositeOf(*host, box), Screen(box), 2), 0);
}

}  // namespace
