// The frame procedure message by message: sizes, window states, closing,
// the colours and repaints of the controls on the frame, activation.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include "skin/frame/frame_install.h"
#include "skin/frame/frame_proc.h"
#include "tests/control_host/control_host.h"
#include "tests/frame_proc/frame_fixture.h"

namespace {

class FrameMessages : public ::testing::Test {
 protected:
  void SetUp() override { ResetFrameSkinState(); }
};

MINMAXINFO AskMinMax(HWND window) {
  MINMAXINFO info{};
  info.ptMaxSize = POINT{1111, 2222};
  info.ptMaxPosition = POINT{-4, -5};
  info.ptMinTrackSize = POINT{1, 1};
  info.ptMaxTrackSize = POINT{3, 3};
  SendMessageA(window, WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&info));
  return info;
}

TEST_F(FrameMessages, MinMaxInfoUsesTheRecordedSizes) {
  TestFrame frame;
  frame.InstallLikeProgram();
  MINMAXINFO info = AskMinMax(frame.get());
  EXPECT_EQ(info.ptMinTrackSize.x, 200);
  EXPECT_EQ(info.ptMinTrackSize.y, 150);
  EXPECT_EQ(info.ptMaxTrackSize.x, GetSystemMetrics(SM_CXSCREEN));
  EXPECT_EQ(info.ptMaxTrackSize.y, GetSystemMetrics(SM_CYSCREEN));
  // The other members are left as they were.
  EXPECT_EQ(info.ptMaxSize.x, 1111);
  EXPECT_EQ(info.ptMaxSize.y, 2222);
  EXPECT_EQ(info.ptMaxPosition.x, -4);

  // A changed record shows: the answer is read from it each time.
  frame.Record().maxTrackWidth = 640;
  frame.Record().maxTrackHeight = 480;
  info = AskMinMax(frame.get());
  EXPECT_EQ(info.ptMaxTrackSize.x, 640);
  EXPECT_EQ(info.ptMaxTrackSize.y, 480);

  // Maximised: the work area instead.
  frame.Record().maximized = 1;
  info = AskMinMax(frame.get());
  const AreaSize area = CurrentWorkArea(WorkAreaUse::MinMaxInfo);
  EXPECT_EQ(info.ptMaxTrackSize.x, area.width);
  EXPECT_EQ(info.ptMaxTrackSize.y, area.height);
  EXPECT_EQ(info.ptMinTrackSize.x, 200);
}

TEST_F(FrameMessages, FirstResizeOfTheProgramNeedsNoFullRedraw) {
  TestFrame first;
  first.InstallLikeProgram();
  ASSERT_EQ(FirstResizePending, 1);
  ASSERT_EQ(first.Record().needsFullRedraw, 1);
  SetWindowPos(first.get(), nullptr, 0, 0, 330, 400, SWP_NOMOVE | SWP_NOZORDER);
  EXPECT_EQ(first.Record().needsFullRedraw, 0);
  EXPECT_EQ(FirstResizePending, 0);
  SetWindowPos(first.get(), nullptr, 0, 0, 340, 410, SWP_NOMOVE | SWP_NOZORDER);
  EXPECT_EQ(first.Record().needsFullRedraw, 1);

  // The pending flag is the program's, not the window's.
  TestFrame second;
  second.InstallLikeProgram();
  second.Record().needsFullRedraw = 0;
  SetWindowPos(second.get(), nullptr, 0, 0, 330, 400, SWP_NOMOVE | SWP_NOZORDER);
  EXPECT_EQ(second.Record().needsFullRedraw, 1);
}

TEST_F(FrameMessages, ResizeDropsTheHotButtonAndStretchesChildren) {
  TestFrame frame(WS_MINIMIZEBOX);
  HWND child = frame.AddControl("STATIC", "", 0, 0, 0, 10, 10);
  HWND wide = frame.AddControl("STATIC", "", 0, 0, 0, 10, 10);
  InstallFrameSkin(frame.get(), 50);
  WindowRecord& r = frame.Record();
  r.stretchList.push_back(LayoutPart{child, 60, 8, 0});
  r.stretchList.push_back(LayoutPart{wide, 70, 0, 1});
  r.hotButton = 1;
  SetWindowPos(frame.get(), nullptr, 0, 0, 300, 200, SWP_NOMOVE | SWP_NOZORDER);
  EXPECT_EQ(r.hotButton, 0);
  RECT client{};
  GetClientRect(frame.get(), &client);
  RECT placed{};
  GetWindowRect(child, &placed);
  MapWindowPoints(nullptr, frame.get(), reinterpret_cast<POINT*>(&placed), 2);
  EXPECT_EQ(placed.left, 8);
  EXPECT_EQ(placed.top, 60);
  EXPECT_EQ(placed.right - placed.left, client.right - 8 - 2);
  EXPECT_EQ(placed.bottom - placed.top, client.bottom - 60 - 2);
  GetWindowRect(wide, &placed);
  MapWindowPoints(nullptr, frame.get(), reinterpret_cast<POINT*>(&placed), 2);
  EXPECT_EQ(placed.left, 2);
  EXPECT_EQ(placed.right - placed.left, client.right - 4);
  EXPECT_EQ(placed.bottom - placed.top, client.bottom - 70 - 4);
}

TEST_F(FrameMessages, SystemCommandsSetTheWindowState) {
  TestFrame frame(WS_MINIMIZEBOX | WS_MAXIMIZEBOX);
  InstallFrameSkin(frame.get(), 50);
  WindowRecord& r = frame.Record();
  // What the record says when the command reaches the window's own
  // procedure (the paints that follow clear needsFullRedraw again).
  struct Seen {
    WPARAM command;
    int needsFullRedraw, minimized, maximized;
  };
  std::vector<Seen> seen;
  frame.watch = [&](const SeenMessage& m) {
    if (m.message == WM_SYSCOMMAND) {
      seen.push_back(Seen{m.wParam, r.needsFullRedraw, r.minimized, r.maximized});
    }
  };
  r.needsFullRedraw = 0;
  SendMessageA(frame.get(), WM_SYSCOMMAND, SC_MINIMIZE, 0);
  EXPECT_EQ(r.minimized, 1);
  EXPECT_TRUE(IsIconic(frame.get()));
  r.needsFullRedraw = 0;
  SendMessageA(frame.get(), WM_SYSCOMMAND, SC_RESTORE, 0);
  EXPECT_EQ(r.minimized, 0);
  EXPECT_FALSE(IsIconic(frame.get()));
  r.needsFullRedraw = 0;
  SendMessageA(frame.get(), WM_SYSCOMMAND, SC_MAXIMIZE, 0);
  EXPECT_EQ(r.maximized, 1);
  frame.watch = nullptr;
  ASSERT_EQ(seen.size(), 3u);
  EXPECT_EQ(seen[0].command, static_cast<WPARAM>(SC_MINIMIZE));
  EXPECT_EQ(seen[0].needsFullRedraw, 1);
  EXPECT_EQ(seen[0].minimized, 1);
  EXPECT_EQ(seen[1].needsFullRedraw, 1);
  EXPECT_EQ(seen[1].minimized, 0);
  EXPECT_EQ(seen[2].needsFullRedraw, 1);
  EXPECT_EQ(seen[2].maximized, 1);
  // WM_QUERYOPEN clears minimised and asks the children to refresh.
  r.minimized = 1;
  SendMessageA(frame.get(), WM_QUERYOPEN, 0, 0);
  EXPECT_EQ(r.minimized, 0);
  EXPECT_EQ(r.childrenStale, 1);
}

TEST_F(FrameMessages, MaximisedOverTheWholeScreenKeepsTheTaskbarFree) {
  TestFrame frame(WS_MAXIMIZEBOX);
  InstallFrameSkin(frame.get(), 50);
  const int sw = GetSystemMetrics(SM_CXSCREEN);
  const int sh = GetSystemMetrics(SM_CYSCREEN);
  SetWindowPos(frame.get(), nullptr, 0, 0, sw, sh, SWP_NOZORDER);
  EXPECT_EQ(frame.Record().maximized, 1);
  const AreaSize area = CurrentWorkArea(WorkAreaUse::PositionChanged);
  RECT r{};
  GetWindowRect(frame.get(), &r);
  EXPECT_EQ(r.right - r.left, area.width);
  EXPECT_EQ(r.bottom - r.top, area.height);
  // The buttons follow the new width.
  RECT client{};
  GetClientRect(frame.get(), &client);
  EXPECT_EQ(frame.Record().stripX, client.right - frame.Record().stripWidth + 1);

  // Without a maximise box the same size is just a size.
  TestFrame plain;
  InstallFrameSkin(plain.get(), 50);
  SetWindowPos(plain.get(), nullptr, 0, 0, sw, sh, SWP_NOZORDER);
  EXPECT_EQ(plain.Record().maximized, 0);
}

TEST_F(FrameMessages, CloseCallbackDecides) {
  TestFrame frame;
  frame.InstallLikeProgram();
  int asked = 0;
  int answer = 0;
  frame.Record().closeCallback = [&] {
    ++asked;
    return answer;
  };
  ShowWindow(frame.get(), SW_SHOWNA);
  PumpMessages();
  EXPECT_EQ(SendMessageA(frame.get(), WM_CLOSE, 0, 0), 0);
  EXPECT_EQ(asked, 1);
  ASSERT_TRUE(frame.Alive());
  // A declined close plays no effect: the window is not left faded.
  EXPECT_EQ(GetWindowLongA(frame.get(), GWL_EXSTYLE) & WS_EX_LAYERED, 0);
  EXPECT_EQ(frame.Count(WM_CLOSE), 0);
  answer = 2;  // only 1 agrees
  SendMessageA(frame.get(), WM_CLOSE, 0, 0);
  EXPECT_TRUE(frame.Alive());
  answer = 1;
  SendMessageA(frame.get(), WM_CLOSE, 0, 0);
  EXPECT_FALSE(frame.Alive());
  EXPECT_EQ(asked, 3);
  EXPECT_EQ(ListLength(WindowRecords), 0);
}

TEST_F(FrameMessages, CloseKeptOpenByTheWindowLeavesItWhole) {
  TestFrame frame;
  frame.InstallLikeProgram();
  ShowWindow(frame.get(), SW_SHOWNA);
  PumpMessages();
  RECT before{};
  GetWindowRect(frame.get(), &before);
  frame.refuseClose = true;
  SendMessageA(frame.get(), WM_CLOSE, 0, 0);
  ASSERT_TRUE(frame.Alive());
  EXPECT_EQ(frame.Count(WM_CLOSE), 1);
  EXPECT_EQ(GetWindowLongA(frame.get(), GWL_EXSTYLE) & WS_EX_LAYERED, 0);
  RECT after{};
  GetWindowRect(frame.get(), &after);
  EXPECT_TRUE(EqualRect(&before, &after));
  frame.refuseClose = false;
}

TEST_F(FrameMessages, ActivationFlags) {
  TestFrame frame;
  frame.InstallLikeProgram();
  WindowRecord& r = frame.Record();
  SendMessageA(frame.get(), WM_ACTIVATE, WA_ACTIVE, 0);
  EXPECT_EQ(r.active, 1);
  SendMessageA(frame.get(), WM_ACTIVATE, WA_INACTIVE, 0);
  EXPECT_EQ(r.active, 0);
  SendMessageA(frame.get(), WM_ACTIVATEAPP, 1, 0);
  EXPECT_EQ(r.active, 1);
  // Deactivating the application flushes the working set in-process:
  // nothing is written to the Windows folder.
  char windir[MAX_PATH] = {};
  GetEnvironmentVariableA("windir", windir, MAX_PATH);
  const std::string helper = std::string(windir) + "\\empty.exe";
  DeleteFileA(helper.c_str());
  frame.ClearSeen();
  SendMessageA(frame.get(), WM_ACTIVATEAPP, 0, 0);
  SendMessageA(frame.get(), WM_ACTIVATEAPP, 0, 0);
  EXPECT_EQ(r.active, 0);
  EXPECT_EQ(GetFileAttributesA(helper.c_str()), INVALID_FILE_ATTRIBUTES);
  EXPECT_GE(frame.Count(WM_ACTIVATEAPP), 2);
}

// ---------------------------------------------------------------------------
// Controls on the frame.

class FrameControls : public FrameMessages {
 protected:
  void SetUp() override {
    FrameMessages::SetUp();
    frame = std::make_unique<TestFrame>();
    edit = frame->AddControl("EDIT", "abc", WS_BORDER, 20, 80, 200, 24);
    label = frame->AddControl("STATIC", "label", 0, 20, 120, 100, 20);
    list = frame->AddControl("LISTBOX", "", 0, 20, 150, 100, 60);
    ownerList = frame->AddControl("LISTBOX", "", LBS_OWNERDRAWFIXED, 130, 150, 100, 60);
    button = frame->AddControl("BUTTON", "ok", BS_PUSHBUTTON, 20, 300, 80, 26);
    frame->InstallLikeProgram();
    ShowWindow(frame->get(), SW_SHOWNA);
    PumpMessages();
    dc = GetDC(frame->get());
  }
  void TearDown() override {
    ReleaseDC(frame->get(), dc);
    frame.reset();
  }
  LRESULT Colour(UINT message, HWND control) {
    return SendMessageA(frame->get(), message, reinterpret_cast<WPARAM>(dc),
                        reinterpret_cast<LPARAM>(control));
  }

  std::unique_ptr<TestFrame> frame;
  HWND edit = nullptr, label = nullptr, list = nullptr, ownerList = nullptr, button = nullptr;
  HDC dc = nullptr;
};

TEST_F(FrameControls, EditAndStaticGetABackgroundBrushReplacedEachTime) {
  SetPropInt(edit, Kj_Ztys, 0x123456);
  frame->ClearSeen();
  const auto first = reinterpret_cast<HGDIOBJ>(Colour(WM_CTLCOLOREDIT, edit));
  ASSERT_NE(first, nullptr);
  EXPECT_EQ(GetObjectType(first), static_cast<DWORD>(OBJ_BRUSH));
  EXPECT_EQ(GetPropA(edit, Kj_dxjb), first);
  HGDIOBJ firstBitmap = GetPropA(edit, Kj_wtjb);
  EXPECT_EQ(GetObjectType(firstBitmap), static_cast<DWORD>(OBJ_BITMAP));
  EXPECT_EQ(GetTextColor(dc), static_cast<COLORREF>(0x123456));
  EXPECT_EQ(GetBkMode(dc), TRANSPARENT);
  EXPECT_EQ(frame->Count(WM_CTLCOLOREDIT), 0);

  // Every answer replaces the brush and bitmap handed out before: the
  // number of live objects stays where the first answer left it.
  const int live = LiveGdiObjectCount();
  for (int i = 0; i < 5; ++i) {
    const auto next = reinterpret_cast<HGDIOBJ>(Colour(WM_CTLCOLOREDIT, edit));
    ASSERT_NE(next, nullptr);
    EXPECT_EQ(GetPropA(edit, Kj_dxjb), next);
  }
  EXPECT_EQ(LiveGdiObjectCount(), live);

  const auto labelBrush = reinterpret_cast<HGDIOBJ>(Colour(WM_CTLCOLORSTATIC, label));
  EXPECT_EQ(GetObjectType(labelBrush), static_cast<DWORD>(OBJ_BRUSH));
  EXPECT_EQ(GetPropA(label, Kj_dxjb), labelBrush);
}

TEST_F(FrameControls, ButtonsAndPlainListsGetTheHollowBrush) {
  const HGDIOBJ hollow = GetStockObject(NULL_BRUSH);
  EXPECT_EQ(reinterpret_cast<HGDIOBJ>(Colour(WM_CTLCOLORBTN, button)), hollow);
  EXPECT_EQ(reinterpret_cast<HGDIOBJ>(Colour(WM_CTLCOLORLISTBOX, list)), hollow);
  EXPECT_EQ(GetPropA(list, Kj_dxjb), hollow);
  frame->ClearSeen();
  // An owner-drawn list box paints itself: passed on.
  Colour(WM_CTLCOLORLISTBOX, ownerList);
  EXPECT_EQ(frame->Count(WM_CTLCOLORLISTBOX), 1);
  EXPECT_EQ(GetPropA(ownerList, Kj_dxjb), nullptr);
}

TEST_F(FrameControls, WithoutTheBackdropSettingColoursArePassedOn) {
  SetControlSkinOptions(1);  // no overlay alpha given
  ASSERT_EQ(ControlBackdropSet, 0);
  frame->ClearSeen();
  Colour(WM_CTLCOLOREDIT, edit);
  Colour(WM_CTLCOLORSTATIC, label);
  Colour(WM_CTLCOLORBTN, button);
  Colour(WM_CTLCOLORLISTBOX, list);
  EXPECT_EQ(frame->Count(WM_CTLCOLOREDIT), 1);
  EXPECT_EQ(frame->Count(WM_CTLCOLORSTATIC), 1);
  EXPECT_EQ(frame->Count(WM_CTLCOLORBTN), 1);
  EXPECT_EQ(frame->Count(WM_CTLCOLORLISTBOX), 1);
  SetControlSkinOptions(1, 0);
}

TEST_F(FrameControls, EditChangesRepaintTheBox) {
  PumpMessagesFor(50);
  ValidateRect(edit, nullptr);
  RECT update{};
  ASSERT_FALSE(GetUpdateRect(edit, &update, FALSE));
  SendMessageA(frame->get(), WM_COMMAND, MAKEWPARAM(0, EN_CHANGE), reinterpret_cast<LPARAM>(edit));
  EXPECT_TRUE(GetUpdateRect(edit, &update, FALSE));
  ValidateRect(edit, nullptr);
  SendMessageA(frame->get(), WM_COMMAND, MAKEWPARAM(0, EN_KILLFOCUS),
               reinterpret_cast<LPARAM>(edit));
  EXPECT_FALSE(GetUpdateRect(edit, &update, FALSE));
  SendMessageA(frame->get(), WM_COMMAND, MAKEWPARAM(0, EN_VSCROLL), reinterpret_cast<LPARAM>(edit));
  EXPECT_TRUE(GetUpdateRect(edit, &update, FALSE));
  ValidateRect(list, nullptr);
  SendMessageA(frame->get(), WM_COMMAND, MAKEWPARAM(0, LBN_SELCHANGE),
               reinterpret_cast<LPARAM>(list));
  EXPECT_TRUE(GetUpdateRect(list, &update, FALSE));
  // Commands still reach the window.
  EXPECT_GE(frame->Count(WM_COMMAND), 4);
}

TEST_F(FrameControls, MenuCommandsReachTheMenuRecordCallback) {
  int got = -1;
  AppendRecord(MenuRecords);
  RecordAt(MenuRecords, 1)->commandCallback = [&](int item) { return got = item; };
  SendMessageA(frame->get(), WM_COMMAND, 1007, 0);
  EXPECT_EQ(got, 7);
  got = -1;
  SendMessageA(frame->get(), WM_COMMAND, 2007, 0);  // no record 2
  EXPECT_EQ(got, -1);
  SendMessageA(frame->get(), WM_COMMAND, MAKEWPARAM(1007, 1), 0);  // accelerator
  EXPECT_EQ(got, -1);
  MenuRecords.clear();
}

TEST_F(FrameControls, TabChangeMarksTheTabContainer) {
  HWND tab = frame->AddControl("SysTabControl32", "", 0, 0, 0, 50, 50);
  WindowRecord& r = frame->Record();
  const int c = TakeControlRecord(r.containers);
  RecordAt(r.containers, c)->hwnd = tab;
  SetPropInt(tab, Hw_lbID, c);
  SetPropInt(tab, Hw_FuID, frame->Index());
  NMHDR header{tab, 0, static_cast<UINT>(TCN_SELCHANGING)};
  SendMessageA(frame->get(), WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&header));
  EXPECT_EQ(RecordAt(r.containers, c)->redraw, 1);
}

TEST_F(FrameControls, ResizeMarksContainersListsAndLabelsStale) {
  WindowRecord& r = frame->Record();
  HWND group = frame->AddControl("BUTTON", "g", BS_GROUPBOX, 0, 0, 50, 50);
  const int c = TakeControlRecord(r.containers);
  RecordAt(r.containers, c)->hwnd = group;
  const int l = TakeControlRecord(r.lists);
  RecordAt(r.lists, l)->window = list;
  const int lb = TakeControlRecord(r.labels);
  RecordAt(r.labels, lb)->hwnd = label;
  HWND other = frame->AddControl("STATIC", "", 0, 0, 0, 5, 5);
  HWND foreign = frame->AddControl("STATIC", "", 0, 0, 0, 5, 5);
  ObjectLists[0].push_back(std::make_unique<ObjectRecord>(ObjectRecord{other, 0}));
  ObjectLists[0].push_back(std::make_unique<ObjectRecord>(ObjectRecord{foreign, 0}));
  SetPropInt(other, Hw_FuID, frame->Index());
  SetPropInt(foreign, Hw_FuID, frame->Index() + 1);

  EXPECT_EQ(MarkChildrenStale(frame->get(), true), 1);
  EXPECT_EQ(RecordAt(r.containers, c)->redraw, 1);
  EXPECT_EQ(RecordAt(r.containers, c)->backgroundStale, 1);
  EXPECT_EQ(RecordAt(r.lists, l)->stale, 0);

  SetWindowPos(frame->get(), nullptr, 0, 0, 330, 400, SWP_NOMOVE | SWP_NOZORDER);
  EXPECT_EQ(RecordAt(r.lists, l)->stale, 1);
  EXPECT_EQ(RecordAt(r.labels, lb)->redraw, 1);
  EXPECT_EQ(ObjectLists[0][0]->redraw, 1);
  EXPECT_EQ(ObjectLists[0][1]->redraw, 0);
  for (auto& list : ObjectLists) list.clear();
}

}  // namespace
