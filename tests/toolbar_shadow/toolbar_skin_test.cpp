// The toolbar skin on a host window with a known background: registration,
// buttons that keep working through the skin procedure, the drawn buttons
// over the background, a toolbar holding a window, and GDI objects over
// many paints.
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <algorithm>

#include "graphics/paint/memory_dc_table.h"
#include "skin/containers/toolbar_skin.h"
#include "tests/control_host/control_host.h"

namespace {

constexpr int kFirstCommand = 501;
constexpr int kButtons = 3;

class ToolbarSkin : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetControlSkinState();
    InitCommonControls();
    host = std::make_unique<HostWindow>(60, 60, 360, 200);
    host->Record().active = true;
    images = ImageList_Create(16, 16, ILC_COLOR32 | ILC_MASK, kButtons, 0);
    for (int i = 0; i < kButtons; ++i) ImageList_AddIcon(images, LoadIconA(nullptr, IDI_APPLICATION));
    host->hook = [this](HWND, UINT message, WPARAM wParam, LPARAM, LRESULT*) {
      if (message == WM_COMMAND) commands.push_back(LOWORD(wParam));
      return false;
    };
  }
  void TearDown() override {
    host.reset();
    ImageList_Destroy(images);
    PumpMessages();
    EXPECT_EQ(MemoryDcCount(), 0) << "a composed DC was not released";
    ResetControlSkinState();
  }

  // A toolbar at the top of the host with three text buttons.
  HWND MakeToolbar(DWORD style = TBSTYLE_FLAT) {
    HWND bar = host->AddControl(TOOLBARCLASSNAMEA, "", style | CCS_NORESIZE | CCS_NODIVIDER, 0,
                                0, 300, 40);
    SendMessageA(bar, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
    SendMessageA(bar, TB_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(images));
    static const char* texts[kButtons] = {"提取", "保存", "复制"};
    TBBUTTON buttons[kButtons] = {};
    for (int i = 0; i < kButtons; ++i)
      buttons[i] = {i, kFirstCommand + i, TBSTATE_ENABLED, BTNS_BUTTON, {}, 0,
                    reinterpret_cast<INT_PTR>(texts[i])};
    SendMessageA(bar, TB_ADDBUTTONSA, kButtons, reinterpret_cast<LPARAM>(buttons));
    SendMessageA(bar, TB_AUTOSIZE, 0, 0);
    return bar;
  }

  RECT ButtonRect(HWND bar, int index) {
    RECT r{};
    SendMessageA(bar, TB_GETITEMRECT, index, reinterpret_cast<LPARAM>(&r));
    return r;
  }

  // Pixels of the toolbar's place in the composite that differ from the
  // background inside r (toolbar client coordinates).
  int ChangedIn(HWND bar, const RECT& r) {
    const PixelImage now = CaptureComposite(*host, bar);
    const PixelImage behind = CaptureBackground(*host, bar);
    int changed = 0;
    for (int y = std::max(0L, r.top); y < std::min<long>(r.bottom, now.height); ++y) {
      for (int x = std::max(0L, r.left); x < std::min<long>(r.right, now.width); ++x) {
        if (!NearRgb(now.At(x, y), behind.At(x, y), 6)) ++changed;
      }
    }
    return changed;
  }

  std::unique_ptr<HostWindow> host;
  HIMAGELIST images = nullptr;
  std::vector<int> commands;
};

TEST_F(ToolbarSkin, RegistersEachToolbarOnceWithItsProperties) {
  HWND bar = MakeToolbar();
  HWND other = MakeToolbar();
  InstallToolbarSkins(host->RecordIndex(), host->get());
  InstallToolbarSkins(host->RecordIndex(), host->get());  // a second run changes nothing

  ASSERT_NE(ToolbarRecordOf(bar), nullptr);
  EXPECT_NE(ToolbarRecordOf(other), ToolbarRecordOf(bar));
  EXPECT_EQ(ListLength(host->Record().toolbars), 2);
  EXPECT_EQ(reinterpret_cast<WNDPROC>(GetWindowLongPtrA(bar, GWLP_WNDPROC)), &ToolbarSkinProc);
  EXPECT_NE(reinterpret_cast<WNDPROC>(GetPropA(bar, Kj_hProc)), &ToolbarSkinProc)
      << "skinned twice: the procedure would call itself";
  EXPECT_EQ(SendMessageA(bar, TB_BUTTONCOUNT, 0, 0), kButtons);
}

TEST_F(ToolbarSkin, ButtonsKeepWorking) {
  HWND bar = MakeToolbar();
  InstallToolbarSkins(host->RecordIndex(), host->get());

  const RECT r = ButtonRect(bar, 2);
  const LPARAM at = MAKELPARAM((r.left + r.right) / 2, (r.top + r.bottom) / 2);
  SendMessageA(bar, WM_MOUSEMOVE, 0, at);
  SendMessageA(bar, WM_LBUTTONDOWN, MK_LBUTTON, at);
  SendMessageA(bar, WM_LBUTTONUP, 0, at);
  PumpMessages();
  ASSERT_EQ(commands.size(), 1u) << "the click reaches the parent as WM_COMMAND";
  EXPECT_EQ(commands[0], kFirstCommand + 2);
}

TEST_F(ToolbarSkin, DrawsButtonsOverTheBackgroundOnly) {
  HWND bar = MakeToolbar(0);  // not flat: every face is drawn
  InstallToolbarSkins(host->RecordIndex(), host->get());
  host->ResetComposite();
  ASSERT_TRUE(PaintToolbar(bar));
  for (int i = 0; i < kButtons; ++i) {
    EXPECT_GT(ChangedIn(bar, ButtonRect(bar, i)), 50) << "button " << i << " not drawn";
  }
  // Right of the last button the background is untouched.
  RECT rest{};
  GetClientRect(bar, &rest);
  rest.left = ButtonRect(bar, kButtons - 1).right + 2;
  ASSERT_LT(rest.left, rest.right);
  EXPECT_EQ(ChangedIn(bar, rest), 0);
  // What is on screen is what went into the composite.
  EXPECT_EQ(CountDifferent(CaptureClient(bar), CaptureComposite(*host, bar), 4), 0);
}

TEST_F(ToolbarSkin, AToolbarHoldingAWindowIsItsContainerAndStillDrawsItsButtons) {
  HWND bar = MakeToolbar(0);
  HWND edit = CreateWindowExA(0, "EDIT", "x", WS_CHILD | WS_VISIBLE | WS_BORDER, 250, 8, 40, 22,
                              bar, nullptr, GetModuleHandleA(nullptr), nullptr);
  ASSERT_NE(edit, nullptr);
  InstallToolbarSkins(host->RecordIndex(), host->get());
  EXPECT_GE(FindContainerRecord(host->RecordIndex(), bar), 1);
  EXPECT_EQ(GetPropInt(edit, Hw_FuID), host->RecordIndex()) << "the child is skinned";

  host->ResetComposite();
  RedrawWindow(bar, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
  PumpMessages();
  EXPECT_GT(ChangedIn(bar, ButtonRect(bar, 0)), 50) << "the container painter took over";
}

TEST_F(ToolbarSkin, ThousandPaintsLeaveNoGdiObjectBehind) {
  HWND bar = MakeToolbar(0);
  InstallToolbarSkins(host->RecordIndex(), host->get());
  SendMessageA(bar, TB_SETHOTITEM, 1, 0);
  ASSERT_TRUE(PaintToolbar(bar));
  // Warm-up, as the other loops have: what the first paints create once
  // (run on its own, first in its process, the test saw four such objects).
  for (int i = 0; i < 20; ++i) {
    ToolbarRecordOf(bar)->redraw = true;
    RedrawWindow(bar, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
  }
  PumpMessages();
  const int objects = LiveGdiObjectCount();
  const int dcs = MemoryDcCount();  // the host's composite is one of them
  for (int i = 0; i < 1000; ++i) {
    ToolbarRecordOf(bar)->redraw = true;
    RedrawWindow(bar, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
  }
  PumpMessages();
  EXPECT_EQ(LiveGdiObjectCount(), objects);
  EXPECT_EQ(MemoryDcCount(), dcs);
}

}  // namespace
