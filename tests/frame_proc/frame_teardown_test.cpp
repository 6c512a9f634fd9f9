// Tearing a skinned frame down: every GDI object of its record and of the
// brushes it handed to its controls is gone, its own procedure is back and
// the other frames are renumbered.
#include <gtest/gtest.h>

#include "graphics/paint/memory_dc_table.h"
#include "skin/controls/edit/edit_skin.h"
#include "skin/frame/frame_install.h"
#include "skin/frame/frame_proc.h"
#include "tests/control_host/control_host.h"
#include "tests/frame_proc/frame_fixture.h"

namespace {

class FrameTeardown : public ::testing::Test {
 protected:
  void SetUp() override { ResetFrameSkinState(); }
};

// Wine's GetGuiResources always answers 0, so the objects are checked one by
// one with GetObjectType after the window is gone.
TEST_F(FrameTeardown, FiftyFramesLeaveNoObjectBehind) {
  const int dcsBefore = MemoryDcCount();
  for (int n = 0; n < 50; ++n) {
    SCOPED_TRACE(n);
    auto frame = std::make_unique<TestFrame>(WS_MINIMIZEBOX);
    HWND edit = frame->AddControl("EDIT", "1.2.3.4:80", WS_BORDER | ES_MULTILINE, 20, 80, 200, 100);
    HWND label = frame->AddControl("STATIC", "地区", 0, 20, 200, 60, 20);
    frame->InstallLikeProgram();
    ShowWindow(frame->get(), SW_SHOWNA);
    PumpMessages();
    HDC dc = GetDC(frame->get());
    SendMessageA(frame->get(), WM_CTLCOLOREDIT, reinterpret_cast<WPARAM>(dc),
                 reinterpret_cast<LPARAM>(edit));
    SendMessageA(frame->get(), WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                 reinterpret_cast<LPARAM>(label));
    ReleaseDC(frame->get(), dc);

    const WindowRecord& r = frame->Record();
    std::vector<HGDIOBJ> held = {
        r.frameDC.get(), GetCurrentObject(r.frameDC.get(), OBJ_BITMAP), r.titleCacheDC.get(),
        r.titleCacheBitmap, r.frameCopy.get(), GetCurrentObject(r.frameCopy.get(), OBJ_BITMAP),
        r.statusCacheDC.get(), GetPropA(edit, Kj_dxjb), GetPropA(edit, Kj_wtjb),
        GetPropA(label, Kj_dxjb), GetPropA(label, Kj_wtjb)};
    for (size_t i = 0; i < held.size(); ++i) ASSERT_NE(GetObjectType(held[i]), 0u) << i;
    DestroyWindow(frame->get());
    ASSERT_FALSE(frame->Alive());
    for (size_t i = 0; i < held.size(); ++i) EXPECT_EQ(GetObjectType(held[i]), 0u) << i;
    EXPECT_EQ(ListLength(WindowRecords), 0);
    EXPECT_EQ(MemoryDcCount(), dcsBefore);
  }
}

TEST_F(FrameTeardown, OwnProcedureIsBackAndOtherFramesAreRenumbered) {
  TestFrame first;
  TestFrame second;
  const auto own = reinterpret_cast<WNDPROC>(GetWindowLongA(first.get(), GWL_WNDPROC));
  first.InstallLikeProgram();
  HWND edit = second.AddControl("EDIT", "", WS_BORDER, 10, 80, 100, 24);
  second.InstallLikeProgram();
  ASSERT_EQ(GetPropInt(edit, Hw_FuID), 2);
  TestFrame::procAtNcDestroy = nullptr;
  DestroyWindow(first.get());
  EXPECT_EQ(TestFrame::procAtNcDestroy, own);
  EXPECT_EQ(second.Index(), 1);
  EXPECT_EQ(GetPropInt(edit, Hw_FuID), 1);
  SendMessageA(second.get(), WM_ACTIVATE, WA_ACTIVE, 0);
  EXPECT_EQ(second.Record().active, 1);
}

}  // namespace
