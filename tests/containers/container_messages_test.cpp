// What the container procedure does with the messages of the container and
// of the controls inside it.
#include <windows.h>

#include <commctrl.h>

#include "container_fixture.h"
#include "graphics/paint/memory_dc_table.h"
#include "graphics/paint/window_geometry.h"
#include "skin/controls/push_button_skin.h"

namespace {

using ContainerMessageTest = ContainerSkinTest;

HGDIOBJ PropObject(HWND window, const char* name) {
  return reinterpret_cast<HGDIOBJ>(static_cast<INT_PTR>(GetPropInt(window, name)));
}

bool HasUpdateRegion(HWND window) { return GetUpdateRect(window, nullptr, FALSE) != FALSE; }

TEST_F(ContainerMessageTest, EraseForcesFullPaintOnlyWhileActiveAndNotMoving) {
  MakeHost();
  HWND box = GroupBox("运营商", 0, 10, 10, 200, 80);
  InstallContainerSkin(box);
  Settle();
  ContainerRecord* record = ContainerOf(box);
  ASSERT_EQ(record->redraw, 0) << "a paint leaves redraw at 0";
  HDC dc = GetDC(box);
  SetBkMode(dc, OPAQUE);

  Record().active = 0;
  EXPECT_EQ(SendMessageA(box, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0), 1);
  EXPECT_EQ(record->redraw, 0);
  EXPECT_EQ(GetBkMode(dc), TRANSPARENT);

  Record().active = 1;
  Record().moving = 1;
  SendMessageA(box, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
  EXPECT_EQ(record->redraw, 0) << "a window being moved copies from the composite";

  Record().moving = 0;
  SendMessageA(box, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
  EXPECT_EQ(record->redraw, 1);

  Record().active = 0;
  SendMessageA(box, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
  EXPECT_EQ(record->redraw, 1) << "an erase never clears a pending full paint";
  ReleaseDC(box, dc);
}

TEST_F(ContainerMessageTest, ShowSizeMoveAndTextMakeTheNextPaintFull) {
  MakeHost();
  HWND box = GroupBox("运营商", 0, 10, 10, 200, 80);
  HWND label = Label("数量:", 10, 120, 60, 20);
  InstallContainerSkin(box);
  ASSERT_EQ(InstallLabelSkin(label), 1);
  Settle();
  ContainerRecord* record = ContainerOf(box);
  ASSERT_EQ(record->redraw, 0);
  ASSERT_EQ(LabelOf(label)->redraw, 0);

  ShowWindow(box, SW_HIDE);
  record->redraw = 0;
  ShowWindow(box, SW_SHOW);
  EXPECT_EQ(record->redraw, 1) << "show";

  Settle();
  SetWindowPos(box, nullptr, 0, 0, 210, 90, SWP_NOMOVE | SWP_NOZORDER);
  EXPECT_EQ(record->redraw, 1) << "size";

  Settle();
  ASSERT_EQ(LabelOf(label)->redraw, 0);
  SetWindowPos(box, nullptr, 14, 12, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
  EXPECT_EQ(record->redraw, 1) << "move";
  EXPECT_EQ(record->backgroundStale, 1);
  EXPECT_EQ(LabelOf(label)->redraw, 1) << "a moving container marks the window's labels stale";

  Settle();
  SetWindowTextA(box, "线路");
  EXPECT_EQ(record->redraw, 1) << "caption";
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

  EXPECT_EQ(RectText(RectInParentClient(wide)), RectText(RECT{2, 20, 218, 140}));
  EXPECT_EQ(RectText(RectInParentClient(inset)), RectText(RECT{6, 30, 218, 138}));
}

TEST_F(ContainerMessageTest, ChildMovingMarksTheContainerStale) {
  MakeHost();
  HWND box = GroupBox("运营商", 0, 10, 10, 200, 120);
  HWND label = Label("数量:", 10, 20, 60, 20, box);
  InstallContainerSkin(box);
  InstallLabelSkin(label);
  Settle();
  ASSERT_EQ(ContainerOf(box)->backgroundStale, 0);
  SetWindowPos(label, nullptr, 12, 24, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
  EXPECT_EQ(ContainerOf(box)->backgroundStale, 1);

  Settle();
  SetPropInt(box, Wxk_LBID, 1);
  SetWindowPos(label, nullptr, 14, 26, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
  EXPECT_EQ(ContainerOf(box)->backgroundStale, 0) << "Wxk_LBID keeps the container as it is";
}

TEST_F(ContainerMessageTest, ControlColoursOfChildren) {
  MakeHost();
  HWND box = GroupBox("运营商", 0, 10, 10, 240, 100);
  HWND radio = Radio("电信", box, 10, 20, 80, 20, true);
  HWND edit = host->AddControl("EDIT", "1", WS_BORDER, 100, 20, 80, 22, 0, box);
  InstallContainerSkin(box);
  SetPropInt(radio, Kj_Ztys, 0x0000FF);
  HDC dc = GetDC(box);

  const LRESULT hollow = SendMessageA(box, WM_CTLCOLORBTN, reinterpret_cast<WPARAM>(dc),
                                      reinterpret_cast<LPARAM>(radio));
  EXPECT_EQ(reinterpret_cast<HGDIOBJ>(hollow), GetStockObject(NULL_BRUSH));
  EXPECT_EQ(PropObject(radio, Kj_dxjb), GetStockObject(NULL_BRUSH));
  EXPECT_EQ(GetTextColor(dc), RGB(0xFF, 0, 0));
  EXPECT_EQ(GetBkMode(dc), TRANSPARENT);

  const LRESULT pattern = SendMessageA(box, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                                       reinterpret_cast<LPARAM>(radio));
  HGDIOBJ brush = PropObject(radio, Kj_dxjb);
  HGDIOBJ bitmap = PropObject(radio, Kj_wtjb);
  EXPECT_EQ(reinterpret_cast<HGDIOBJ>(pattern), brush);
  EXPECT_EQ(GetObjectType(brush), static_cast<DWORD>(OBJ_BRUSH));
  EXPECT_EQ(GetObjectType(bitmap), static_cast<DWORD>(OBJ_BITMAP));

  // A second answer replaces and deletes the first pair.
  SendMessageA(box, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(radio));
  EXPECT_EQ(GetObjectType(brush), 0u);
  EXPECT_EQ(GetObjectType(bitmap), 0u);

  SendMessageA(box, WM_CTLCOLOREDIT, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(edit));
  EXPECT_EQ(GetObjectType(PropObject(edit, Kj_dxjb)), static_cast<DWORD>(OBJ_BRUSH));

  // Without the backdrop switch the messages go to the control's own procedure.
  SetControlSkinOptions(1);
  HWND other = Radio("联通", box, 10, 50, 80, 20);
  SendMessageA(box, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(other));
  SendMessageA(box, WM_CTLCOLORBTN, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(other));
  EXPECT_EQ(GetPropInt(other, Kj_dxjb), 0);
  ReleaseDC(box, dc);
}

TEST_F(ContainerMessageTest, ColourObjectsHandedToChildrenAreReleasedWithTheContainer) {
  MakeHost();
  HWND kept = GroupBox("保留", 0, 10, 10, 160, 80);
  HWND removed = GroupBox("移除", 0, 180, 10, 160, 80);
  HWND destroyed = GroupBox("销毁", 0, 10, 100, 160, 80);
  HWND keptRadio = Radio("一", kept, 10, 20, 60, 20, true);
  HWND removedRadio = Radio("二", removed, 10, 20, 60, 20, true);
  HWND destroyedRadio = Radio("三", destroyed, 10, 20, 60, 20, true);
  for (HWND box : {kept, removed, destroyed}) InstallContainerSkin(box);
  Settle();

  HDC dc = GetDC(host->get());
  struct Handed {
    HGDIOBJ brush, bitmap;
  };
  auto hand = [&](HWND box, HWND radio) {
    SendMessageA(box, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(radio));
    return Handed{PropObject(radio, Kj_dxjb), PropObject(radio, Kj_wtjb)};
  };
  const Handed k = hand(kept, keptRadio);
  const Handed r = hand(removed, removedRadio);
  const Handed d = hand(destroyed, destroyedRadio);
  ReleaseDC(host->get(), dc);
  for (const Handed& h : {k, r, d}) {
    ASSERT_EQ(GetObjectType(h.brush), static_cast<DWORD>(OBJ_BRUSH));
    ASSERT_EQ(GetObjectType(h.bitmap), static_cast<DWORD>(OBJ_BITMAP));
  }

  RemoveContainer(Index(), FindContainerRecord(Index(), removed));
  DestroyWindow(destroyed);

  EXPECT_EQ(GetObjectType(r.brush), 0u);
  EXPECT_EQ(GetObjectType(r.bitmap), 0u);
  EXPECT_EQ(GetObjectType(d.brush), 0u);
  EXPECT_EQ(GetObjectType(d.bitmap), 0u);
  EXPECT_EQ(GetObjectType(k.brush), static_cast<DWORD>(OBJ_BRUSH)) << "another container's objects";
  EXPECT_EQ(ListLength(Record().containers), 1);
  EXPECT_EQ(MemoryDcCount(), 1) << "only the host's composite is left in the table";
}

TEST_F(ContainerMessageTest, EditNotificationsRepaintTheEditBox) {
  MakeHost();
  HWND box = GroupBox("运营商", 0, 10, 10, 240, 100);
  HWND edit = host->AddControl("EDIT", "1", WS_BORDER, 100, 20, 80, 22, 0, box);
  HWND list = host->AddControl("LISTBOX", "", WS_BORDER, 10, 50, 80, 40, 0, box);
  InstallContainerSkin(box);
  Settle();

  for (WORD code : {static_cast<WORD>(EN_CHANGE), static_cast<WORD>(EN_UPDATE),
                    static_cast<WORD>(EN_VSCROLL)}) {
    ValidateRect(edit, nullptr);
    SendMessageA(box, WM_COMMAND, MAKEWPARAM(0, code), reinterpret_cast<LPARAM>(edit));
    EXPECT_TRUE(HasUpdateRegion(edit)) << "code " << code;
  }
  ValidateRect(edit, nullptr);
  SendMessageA(box, WM_COMMAND, MAKEWPARAM(0, EN_SETFOCUS), reinterpret_cast<LPARAM>(edit));
  EXPECT_FALSE(HasUpdateRegion(edit));

  ValidateRect(list, nullptr);
  SendMessageA(box, WM_COMMAND, MAKEWPARAM(0, LBN_SELCHANGE), reinterpret_cast<LPARAM>(list));
  EXPECT_TRUE(HasUpdateRegion(list));

  SetControlSkinOptions(1);  // no backdrop: nothing is invalidated
  ValidateRect(edit, nullptr);
  SendMessageA(box, WM_COMMAND, MAKEWPARAM(0, EN_CHANGE), reinterpret_cast<LPARAM>(edit));
  EXPECT_FALSE(HasUpdateRegion(edit));
}

TEST_F(ContainerMessageTest, TabChangeInsideATabControlForcesItsFullPaint) {
  MakeHost();
  HWND tab = host->AddControl(WC_TABCONTROLA, "", 0, 10, 10, 200, 100);
  InstallContainerSkin(tab);
  ContainerOf(tab)->redraw = 0;
  NMHDR header{};
  header.hwndFrom = tab;
  header.code = static_cast<UINT>(TCN_SELCHANGING);
  SendMessageA(tab, WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&header));
  EXPECT_EQ(ContainerOf(tab)->redraw, 1);

  HWND upDown = host->AddControl(UPDOWN_CLASSA, "", 0, 150, 5, 20, 20, 0, tab);
  ContainerOf(tab)->redraw = 0;
  header.hwndFrom = upDown;
  header.code = static_cast<UINT>(UDN_DELTAPOS);
  NMUPDOWN delta{};
  delta.hdr = header;
  SendMessageA(tab, WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&delta));
  EXPECT_EQ(ContainerOf(tab)->redraw, 1);
}

TEST_F(ContainerMessageTest, OwnerDrawnPushButtonInsideIsPaintedThroughTheContainer) {
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
  EXPECT_TRUE(NearRgb(face.At(0, 0), behind.At(0, 0), 8))
      << RgbText(face.At(0, 0)) << " vs " << RgbText(behind.At(0, 0));
  EXPECT_GT(CountDifferent(face, behind, 8), 100) << "no face was drawn";
}

}  // namespace
