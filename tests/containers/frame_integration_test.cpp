// The group box and a label on a window skinned by the frame installer, as
// the main window sets them up.
#include "container_fixture.h"

#include "graphics/assets/skin_pictures.h"
#include "graphics/paint/memory_dc_table.h"
#include "graphics/paint/window_geometry.h"
#include "skin/controls/buttons/push_button_skin.h"
#include "skin/frame/frame_install.h"

namespace {

constexpr char kFrameClass[] = "PxContainerFrameTest";

void RegisterFrameClass() {
  WNDCLASSEXA wc{};
  if (GetClassInfoExA(GetModuleHandleA(nullptr), kFrameClass, &wc)) return;
  wc.cbSize = sizeof(wc);
  wc.lpfnWndProc = DefWindowProcA;
  wc.hInstance = GetModuleHandleA(nullptr);
  wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
  wc.lpszClassName = kFrameClass;
  RegisterClassExA(&wc);
}

HWND Child(HWND parent, const char* cls, const char* text, DWORD style, int x, int y, int w, int h) {
  return CreateWindowExA(0, cls, text, style | WS_CHILD | WS_VISIBLE, x, y, w, h, parent, nullptr,
                         GetModuleHandleA(nullptr), nullptr);
}

PixelImage FrameBehind(HWND frame, HWND control) {
  const RECT r = ClientBoxInSkinnedWindow(control);
  return CaptureDc(WindowRecordAt(FindWindowRecord(frame))->frameDC.get(), r.left, r.top,
                   r.right - r.left, r.bottom - r.top);
}

TEST(ContainerOnSkinnedFrameTest, GroupBoxAndLabelOnTheInstalledFrame) {
  ResetControlSkinState();
  RegisterFrameClass();
  HWND frame = CreateWindowExA(0, kFrameClass, "提取ip", WS_POPUP | WS_CLIPCHILDREN, 60, 60, 256,
                               300, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
  ASSERT_NE(frame, nullptr);
  HWND box = Child(frame, "BUTTON", "运营商", BS_GROUPBOX | BS_LEFT, 12, 60, 232, 56);
  HWND radio = Child(box, "BUTTON", "电信", BS_AUTORADIOBUTTON | WS_GROUP, 10, 24, 80, 20);
  HWND label = Child(frame, "STATIC", "数量:", SS_LEFT, 16, 140, 70, 20);

  FrameSkinOptions look;
  look.titleHeight = 50;
  look.resizable = false;
  look.titleGloss = true;
  look.backgroundImage = CopyPictureBytes(MainBackground());
  look.backgroundMode = kBackgroundStretched;
  InstallFrameSkin(frame, look);
  SetControlSkinOptions(1, 0);
  InstallContainerSkin(box);
  InstallContainerSkin(box);
  ASSERT_EQ(InstallLabelSkin(label, MainWindowLabelOptions()), 1);
  const int index = FindWindowRecord(frame);
  ASSERT_GE(index, 1);
  EXPECT_EQ(GetPropInt(box, Hw_FuID), index);
  EXPECT_EQ(ListLength(WindowRecordAt(index)->containers), 1);
  EXPECT_GE(FindButtonRecord(index, radio), 1);
  EXPECT_EQ(GetPropInt(radio, Hw_FuID), index);

  ShowWindow(frame, SW_SHOWNOACTIVATE);
  UpdateWindow(frame);
  PumpMessagesFor(200);
  RedrawWindow(frame, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
  PumpMessages();
  ASSERT_TRUE(WindowRecordAt(index)->frameDC) << "the frame did not render";

  const PixelImage s = Screen(box);
  const PixelImage b = FrameBehind(frame, box);
  EXPECT_TRUE(NearRgb(s.At(0, 30), Blend(b.At(0, 30), 0x000000, 40), 3)) << RgbText(s.At(0, 30));
  EXPECT_TRUE(NearRgb(s.At(200, 40), b.At(200, 40), 2)) << RgbText(s.At(200, 40));
  EXPECT_GT(InkPixels(s, b, 150, 0, 18).count, 20) << "no caption";
  EXPECT_GT(InkPixels(Screen(label), FrameBehind(frame, label), 150).count, 20) << "no label text";
  SavePng(CaptureClient(frame), "containers_on_frame.png");

  DestroyWindow(frame);
  EXPECT_EQ(FindWindowRecord(frame), 0);
  EXPECT_EQ(ListLength(WindowRecords), 0);
  EXPECT_EQ(MemoryDcCount(), 0);
  ResetControlSkinState();
}

}  // namespace
