// What the container procedure does with the messages of the container and
// of the controls inside it.
#include <windows.h>

#include <vector>

#include "container_fixture.h"
#include "graphics/paint/memory_dc_table.h"
#include "graphics/paint/window_geometry.h"
#include "skin/controls/buttons/push_button_skin.h"

namespace {

using ContainerMessageTest = ContainerSkinTest;

HGDIOBJ PropObject(HWND window, const char* name) {
  return reinterpret_cast<HGDIOBJ>(static_cast<INT_PTR>(GetPropInt(window, name)));
}

TEST_F(ContainerMessageTest, MoveAndTextMakeTheNextPaintFull) {
  MakeHost();
  HWND box = GroupBox("运营商", 0, 10, 10, 200, 80);
  HWND label = Label("数量:", 10, 120, 60, 20);
  InstallContainerSkin(box);
  ASSERT_EQ(InstallLabelSkin(label), 1);
  Settle();
  ContainerRecord* record = ContainerOf(box);
  ASSERT_EQ(record->redraw, 0);
  ASSERT_EQ(LabelOf(label)->redraw, 0);

  SetWindowPos(box, nullptr, 14, 12, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
  EXPECT_EQ(record->redraw, 1);
  EXPECT_EQ(record->backgroundStale, 1);
  EXPECT_EQ(LabelOf(label)->redraw, 1) << "a moving container marks the window's labels stale";

  Settle();
  Record().active = false;  // a copy from the composite would show the old caption
  SetWindowTextA(box, "线路");
  EXPECT_EQ(record->redraw, 1);
}

TEST_F(ContainerMessageTest, SizeLaysOutTheParts) {
  MakeHost();
  HWND box = GroupBox("运营商", 0, 10, 10, 200, 120);
  HWND wide = host->AddControl("STATIC", "", SS_LEFT, 0, 0, 10, 10, 0, box);
  HWND inset = host->AddControl("STATIC", "", SS_LEFT, 0, 0, 10, 10, 0, box);
  InstallContainerSkin(box);
  ContainerOf(box)->parts = {LayoutPart{wide, 20, 0, 1}, LayoutPart{inset, 30, 6, 0},
                             LayoutPart{}};
  SetWindowPos(box, nullptr, 0, 0, 220, 140, SWP_NOMOVE | SWP_NOZORDER);

  const RECT w = RectInParentClient(wide), i = RectInParentClient(inset);
  EXPECT_EQ(std::vector<LONG>({w.left, w.top, w.right, w.bottom}), std::vector<LONG>({2, 20, 218, 140}));
  EXPECT_EQ(std::vector<LONG>({i.left, i.top, i.right, i.bottom}), std::vector<LONG>({6, 30, 218, 138}));
}

TEST_F(ContainerMessageTest, ColourObjectsHandedToChildrenAreReplacedAndReleased) {
  MakeHost();
  HWND kept = GroupBox("保留", 0, 10, 10, 160, 80);
  HWND removed = GroupBox("移除", 0, 180, 10, 160, 80);
  HWND destroyed = GroupBox("销毁", 0, 10, 100, 160, 80);
  HWND radios[] = {Radio("一", kept, 10, 20, true), Radio("二", removed, 10, 20, true),
                   Radio("三", destroyed, 10, 20, true)};
  for (HWND box : {kept, removed, destroyed}) InstallContainerSkin(box);
  Settle();
  HDC dc = GetDC(host->get());
  auto answer = [&](UINT message, HWND radio) {
    return SendMessageA(GetParent(radio), message, reinterpret_cast<WPARAM>(dc),
                        reinterpret_cast<LPARAM>(radio));
  };

  // A pattern brush over the picture; a second answer deletes the first pair.
  const HGDIOBJ first = reinterpret_cast<HGDIOBJ>(answer(WM_CTLCOLORSTATIC, radios[0]));
  const HGDIOBJ firstBitmap = PropObject(radios[0], Kj_wtjb);
  EXPECT_EQ(first, PropObject(radios[0], Kj_dxjb));
  EXPECT_EQ(GetObjectType(firstBitmap), static_cast<DWORD>(OBJ_BITMAP));
  answer(WM_CTLCOLORSTATIC, radios[0]);
  EXPECT_EQ(GetObjectType(first), 0u);
  EXPECT_EQ(GetObjectType(firstBitmap), 0u);

  HGDIOBJ objects[3][2];
  for (int i = 0; i < 3; ++i) {
    answer(WM_CTLCOLORSTATIC, radios[i]);
    objects[i][0] = PropObject(radios[i], Kj_dxjb);
    objects[i][1] = PropObject(radios[i], Kj_wtjb);
    ASSERT_EQ(GetObjectType(objects[i][0]), static_cast<DWORD>(OBJ_BRUSH));
  }
  ReleaseDC(host->get(), dc);
  RemoveContainer(Index(), FindContainerRecord(Index(), removed));
  DestroyWindow(destroyed);
  for (int i = 1; i < 3; ++i) {
    EXPECT_EQ(GetObjectType(objects[i][0]), 0u) << i;
    EXPECT_EQ(GetObjectType(objects[i][1]), 0u) << i;
  }
  EXPECT_EQ(GetObjectType(objects[0][0]), static_cast<DWORD>(OBJ_BRUSH)) << "another container's";
  EXPECT_EQ(MemoryDcCount(), 1) << "only the host's composite is left in the table";
}

TEST_F(ContainerMessageTest, PushButtonInsideIsPaintedThroughTheContainer) {
  MakeHost();
  HWND box = GroupBox("运营商", 0, 10, 10, 240, 100);
  HWND button = host->AddControl("BUTTON", "提取", BS_PUSHBUTTON, 20, 30, 90, 30, 0, box);
  InstallContainerSkin(box);
  ASSERT_GE(FindButtonRecord(Index(), button), 1);
  Settle();
  EXPECT_EQ(host->MessageCount(WM_DRAWITEM), 0) << "the container answers its buttons";
  // The skinned face is rounded: its corner shows the window's picture.
  const PixelImage face = Screen(button);
  const PixelImage behind = BehindClient(*host, button);
  ASSERT_FALSE(face.Empty());
  EXPECT_TRUE(NearRgb(face.At(0, 0), behind.At(0, 0), 8)) << RgbText(face.At(0, 0));
  EXPECT_GT(CountDifferent(face, behind, 8), 100) << "no face was drawn";
}

// A container that has no skinned window above it cannot be composed: its
// paint draws nothing and leaves the marks, so that it is painted in full
// once it is back instead of being copied from a composite without it.
TEST_F(ContainerMessageTest, APaintWithNothingBehindKeepsTheRedrawMarks) {
  MakeHost();
  HWND box = GroupBox("运营商", 0, 10, 10, 200, 80);
  InstallContainerSkin(box);
  Settle();
  ContainerRecord* record = ContainerOf(box);
  ASSERT_FALSE(record->redraw);
  HWND plain = CreateWindowExA(0, "STATIC", "", WS_POPUP | WS_VISIBLE, 420, 40, 260, 160, nullptr,
                               nullptr, GetModuleHandleA(nullptr), nullptr);
  SetParent(box, plain);
  PumpMessages();
  record->redraw = true;
  record->backgroundStale = true;
  RedrawWindow(box, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
  EXPECT_TRUE(record->redraw);
  EXPECT_TRUE(record->backgroundStale);

  SetParent(box, host->get());
  SetWindowPos(box, nullptr, 10, 10, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
  RedrawWindow(box, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
  EXPECT_FALSE(record->redraw);
  EXPECT_FALSE(record->backgroundStale);
  DestroyWindow(plain);
}

}  // namespace
