// The frame procedure message by message: sizes, window states, closing,
// activation, and the colours and repaints of the controls on the frame.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <vector>

#include "skin/frame/frame_install.h"
#include "skin/frame/frame_proc.h"
#include "tests/control_host/control_host.h"
#include "tests/frame_proc/frame_fixture.h"
#include "tests/frame_proc/import_replacement.h"

namespace {

class FrameMessages : public ::testing::Test {
 protected:
  void SetUp() override { ResetFrameSkinState(); }
};

TEST_F(FrameMessages, MinMaxInfoUsesTheRecordedSizes) {
  TestFrame frame;
  frame.InstallLikeProgram();
  auto ask = [&] {
    MINMAXINFO info{};
    info.ptMaxSize = POINT{1111, 2222};
    SendMessageA(frame.get(), WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&info));
    return info;
  };
  MINMAXINFO info = ask();
  EXPECT_EQ(info.ptMinTrackSize.x, 200);
  EXPECT_EQ(info.ptMinTrackSize.y, 150);
  EXPECT_EQ(info.ptMaxTrackSize.x, GetSystemMetrics(SM_CXSCREEN));
  EXPECT_EQ(info.ptMaxTrackSize.y, GetSystemMetrics(SM_CYSCREEN));
  EXPECT_EQ(info.ptMaxSize.x, 1111);
  frame.Record().maxTrackWidth = 640;
  EXPECT_EQ(ask().ptMaxTrackSize.x, 640);
  // Maximised: the work area instead.
  frame.Record().maximized = true;
  info = ask();
  const AreaSize area = CurrentWorkArea(WorkAreaUse::MinMaxInfo);
  EXPECT_EQ(info.ptMaxTrackSize.x, area.width);
  EXPECT_EQ(info.ptMaxTrackSize.y, area.height);
}

TEST_F(FrameMessages, FirstResizeOfTheProgramNeedsNoFullRedraw) {
  TestFrame first;
  first.InstallLikeProgram();
  ASSERT_EQ(first.Record().needsFullRedraw, 1);
  SetWindowPos(first.get(), nullptr, 0, 0, 330, 400, SWP_NOMOVE | SWP_NOZORDER);
  EXPECT_EQ(first.Record().needsFullRedraw, 0);
  SetWindowPos(first.get(), nullptr, 0, 0, 340, 410, SWP_NOMOVE | SWP_NOZORDER);
  EXPECT_EQ(first.Record().needsFullRedraw, 1);
  // Only the program's first resize: a second window redraws in full.
  TestFrame second;
  second.InstallLikeProgram();
  second.Record().needsFullRedraw = false;
  SetWindowPos(second.get(), nullptr, 0, 0, 330, 400, SWP_NOMOVE | SWP_NOZORDER);
  EXPECT_EQ(second.Record().needsFullRedraw, 1);
}

TEST_F(FrameMessages, MaximisedOverTheWholeScreenKeepsTheTaskbarFree) {
  TestFrame frame(WS_MAXIMIZEBOX);
  InstallFrameSkin(frame.get(), TitleHeightOptions(50));
  SetWindowPos(frame.get(), nullptr, 0, 0, GetSystemMetrics(SM_CXSCREEN),
               GetSystemMetrics(SM_CYSCREEN), SWP_NOZORDER);
  EXPECT_EQ(frame.Record().maximized, 1);
  const AreaSize area = CurrentWorkArea(WorkAreaUse::PositionChanged);
  RECT r{}, client{};
  GetWindowRect(frame.get(), &r);
  EXPECT_EQ(r.right - r.left, area.width);
  EXPECT_EQ(r.bottom - r.top, area.height);
  GetClientRect(frame.get(), &client);
  EXPECT_EQ(frame.Record().stripX, client.right - frame.Record().stripWidth + 1);
}

// A close refused by the callback or by the window plays no effect: the
// window is not left layered and faded.
TEST_F(FrameMessages, CloseCallbackDecidesAndARefusedCloseLeavesTheWindowWhole) {
  TestFrame frame;
  frame.InstallLikeProgram();
  int asked = 0, answer = 0;
  frame.Record().closeCallback = [&] { ++asked; return answer; };
  ShowWindow(frame.get(), SW_SHOWNA);
  PumpMessages();
  RECT before{}, after{};
  GetWindowRect(frame.get(), &before);
  EXPECT_EQ(SendMessageA(frame.get(), WM_CLOSE, 0, 0), 0);
  ASSERT_TRUE(frame.Alive());
  EXPECT_EQ(GetWindowLongA(frame.get(), GWL_EXSTYLE) & WS_EX_LAYERED, 0);
  EXPECT_EQ(frame.Count(WM_CLOSE), 0);
  answer = 2;  // only 1 agrees
  SendMessageA(frame.get(), WM_CLOSE, 0, 0);
  EXPECT_TRUE(frame.Alive());
  answer = 1;
  frame.refuseClose = true;
  SendMessageA(frame.get(), WM_CLOSE, 0, 0);
  ASSERT_TRUE(frame.Alive());
  EXPECT_EQ(frame.Count(WM_CLOSE), 1);
  EXPECT_EQ(GetWindowLongA(frame.get(), GWL_EXSTYLE) & WS_EX_LAYERED, 0);
  GetWindowRect(frame.get(), &after);
  EXPECT_TRUE(EqualRect(&before, &after));
  frame.refuseClose = false;
  SendMessageA(frame.get(), WM_CLOSE, 0, 0);
  EXPECT_FALSE(frame.Alive());
  EXPECT_EQ(asked, 4);
  EXPECT_EQ(ListLength(WindowRecords), 0);
}

// The calls of SetProcessWorkingSetSize this program makes, seen through
// its import table. Wine takes the request and leaves the working set as it
// is, so the request itself is what the test can see.
struct WorkingSetRequest {
  DWORD processId = 0;
  SIZE_T minimum = 0, maximum = 0;
};
std::vector<WorkingSetRequest> workingSetRequests;
using SetWorkingSetFn = BOOL(WINAPI*)(HANDLE, SIZE_T, SIZE_T);
SetWorkingSetFn systemSetWorkingSet = nullptr;

BOOL WINAPI RecordingSetWorkingSet(HANDLE process, SIZE_T minimum, SIZE_T maximum) {
  workingSetRequests.push_back({GetProcessId(process), minimum, maximum});
  return systemSetWorkingSet(process, minimum, maximum);
}

// Deactivating the application empties the working set in-process: both
// limits -1 for this process, once per deactivation, never on activation.
TEST_F(FrameMessages, ActivationFlagsAndWorkingSetFlush) {
  TestFrame frame;
  frame.InstallLikeProgram();
  WindowRecord& r = frame.Record();
  SendMessageA(frame.get(), WM_ACTIVATE, WA_ACTIVE, 0);
  EXPECT_TRUE(r.active);
  SendMessageA(frame.get(), WM_ACTIVATE, WA_INACTIVE, 0);
  EXPECT_FALSE(r.active);

  const ImportReplacement replaced("kernel32.dll", "SetProcessWorkingSetSize",
                                   reinterpret_cast<void*>(RecordingSetWorkingSet));
  ASSERT_NE(replaced.original(), nullptr) << "the program imports SetProcessWorkingSetSize";
  systemSetWorkingSet = reinterpret_cast<SetWorkingSetFn>(replaced.original());
  workingSetRequests.clear();
  frame.ClearSeen();
  SendMessageA(frame.get(), WM_ACTIVATEAPP, TRUE, 0);
  EXPECT_TRUE(r.active);
  EXPECT_TRUE(workingSetRequests.empty());
  SendMessageA(frame.get(), WM_ACTIVATEAPP, FALSE, 0);
  EXPECT_FALSE(r.active);
  ASSERT_EQ(workingSetRequests.size(), 1u);
  EXPECT_EQ(workingSetRequests[0].processId, GetCurrentProcessId());
  EXPECT_EQ(workingSetRequests[0].minimum, static_cast<SIZE_T>(-1));
  EXPECT_EQ(workingSetRequests[0].maximum, static_cast<SIZE_T>(-1));
  SendMessageA(frame.get(), WM_ACTIVATEAPP, FALSE, 0);
  EXPECT_EQ(workingSetRequests.size(), 2u);
  EXPECT_EQ(frame.Count(WM_ACTIVATEAPP), 3) << "passed on every time";
}

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

TEST_F(FrameControls, ControlColoursAndTheBrushesHandedOut) {
  SetPropInt(edit, Kj_Ztys, 0x123456);
  frame->ClearSeen();
  const auto first = reinterpret_cast<HGDIOBJ>(Colour(WM_CTLCOLOREDIT, edit));
  EXPECT_EQ(GetObjectType(first), static_cast<DWORD>(OBJ_BRUSH));
  EXPECT_EQ(GetPropA(edit, Kj_dxjb), first);
  EXPECT_EQ(GetTextColor(dc), static_cast<COLORREF>(0x123456));
  EXPECT_EQ(GetBkMode(dc), TRANSPARENT);
  EXPECT_EQ(frame->Count(WM_CTLCOLOREDIT), 0);
  // Each answer replaces the brush and bitmap handed out before.
  const int live = LiveGdiObjectCount();
  for (int i = 0; i < 5; ++i) Colour(WM_CTLCOLOREDIT, edit);
  EXPECT_EQ(LiveGdiObjectCount(), live);

  const HGDIOBJ hollow = GetStockObject(NULL_BRUSH);
  EXPECT_EQ(reinterpret_cast<HGDIOBJ>(Colour(WM_CTLCOLORBTN, button)), hollow);
  EXPECT_EQ(reinterpret_cast<HGDIOBJ>(Colour(WM_CTLCOLORLISTBOX, list)), hollow);
  // An owner-drawn list box paints itself: passed on.
  Colour(WM_CTLCOLORLISTBOX, ownerList);
  EXPECT_EQ(frame->Count(WM_CTLCOLORLISTBOX), 1);
  EXPECT_EQ(GetPropA(ownerList, Kj_dxjb), nullptr);
  // Without the backdrop setting every colour message is passed on.
  SetControlSkinOptions(1);
  Colour(WM_CTLCOLORSTATIC, label);
  EXPECT_EQ(frame->Count(WM_CTLCOLORSTATIC), 1);
  SetControlSkinOptions(1, 0);
}

TEST_F(FrameControls, EditChangesRepaintTheBoxAndMenuCommandsReachTheirCallback) {
  PumpMessagesFor(50);
  RECT update{};
  ValidateRect(edit, nullptr);
  SendMessageA(frame->get(), WM_COMMAND, MAKEWPARAM(0, EN_CHANGE), reinterpret_cast<LPARAM>(edit));
  EXPECT_TRUE(GetUpdateRect(edit, &update, FALSE));
  int got = -1;
  AppendRecord(MenuRecords);
  RecordAt(MenuRecords, 1)->commandCallback = [&](int item) { return got = item; };
  SendMessageA(frame->get(), WM_COMMAND, 1007, 0);
  EXPECT_EQ(got, 7);
  got = -1;
  SendMessageA(frame->get(), WM_COMMAND, 2007, 0);  // no record 2
  SendMessageA(frame->get(), WM_COMMAND, MAKEWPARAM(1007, 1), 0);  // accelerator
  EXPECT_EQ(got, -1);
  MenuRecords.clear();
}

}  // namespace
