// Tearing a skinned frame down: every GDI object of its record and of the
// brushes it handed to its controls is gone, its own procedure is back, the
// record table is empty and the other frames are renumbered.
#include <gtest/gtest.h>

#include "graphics/paint/memory_dc_table.h"
#include "skin/controls/edit_skin.h"
#include "skin/frame/frame_install.h"
#include "skin/frame/frame_proc.h"
#include "tests/control_host/control_host.h"
#include "tests/frame_proc/frame_fixture.h"

namespace {

class FrameTeardown : public ::testing::Test {
 protected:
  void SetUp() override { ResetFrameSkinState(); }
};

struct Held {
  const char* what;
  HGDIOBJ handle;
};

// A shown program-like frame with an edit box, a button and a label that
// have been given their colour brushes.
std::unique_ptr<TestFrame> MakeShownFrame(HWND* edit, HWND* label) {
  auto frame = std::make_unique<TestFrame>(WS_MINIMIZEBOX);
  *edit = frame->AddControl("EDIT", "1.2.3.4:80", WS_BORDER | ES_MULTILINE | WS_VSCROLL, 20, 80,
                            200, 100);
  frame->AddControl("BUTTON", "提取ip", BS_PUSHBUTTON, 20, 300, 80, 26);
  *label = frame->AddControl("STATIC", "地区", 0, 20, 200, 60, 20);
  frame->InstallLikeProgram();
  ShowWindow(frame->get(), SW_SHOWNA);
  PumpMessages();
  HDC dc = GetDC(frame->get());
  SendMessageA(frame->get(), WM_CTLCOLOREDIT, reinterpret_cast<WPARAM>(dc),
               reinterpret_cast<LPARAM>(*edit));
  SendMessageA(frame->get(), WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
               reinterpret_cast<LPARAM>(*label));
  ReleaseDC(frame->get(), dc);
  return frame;
}

std::vector<Held> HeldObjects(const WindowRecord& r, HWND edit, HWND label) {
  std::vector<Held> held = {
      {"frameDC", r.frameDC.get()},
      {"back buffer", GetCurrentObject(r.frameDC.get(), OBJ_BITMAP)},
      {"titleCacheDC", r.titleCacheDC.get()},
      {"title cache bitmap", r.titleCacheBitmap},
      {"frameCopy", r.frameCopy.get()},
      {"composite bitmap", GetCurrentObject(r.frameCopy.get(), OBJ_BITMAP)},
      {"statusCacheDC", r.statusCacheDC.get()},
      {"edit brush", GetPropA(edit, Kj_dxjb)},
      {"edit bitmap", GetPropA(edit, Kj_wtjb)},
      {"label brush", GetPropA(label, Kj_dxjb)},
      {"label bitmap", GetPropA(label, Kj_wtjb)},
  };
  // A frame without a status bar has a 0 x 0 status cache: no bitmap.
  if (r.statusCacheBitmap != nullptr) held.push_back({"status cache bitmap", r.statusCacheBitmap});
  return held;
}

TEST_F(FrameTeardown, FiftyFramesLeaveNoObjectBehind) {
  const int dcsBefore = MemoryDcCount();
  for (int n = 0; n < 50; ++n) {
    SCOPED_TRACE(n);
    HWND edit = nullptr, label = nullptr;
    auto frame = MakeShownFrame(&edit, &label);
    const std::vector<Held> held = HeldObjects(frame->Record(), edit, label);
    for (const Held& h : held) {
      ASSERT_NE(h.handle, nullptr) << h.what;
      ASSERT_NE(GetObjectType(h.handle), 0u) << h.what;
    }
    DestroyWindow(frame->get());
    ASSERT_FALSE(frame->Alive());
    for (const Held& h : held) EXPECT_EQ(GetObjectType(h.handle), 0u) << h.what;
    EXPECT_EQ(ListLength(WindowRecords), 0);
    EXPECT_EQ(MemoryDcCount(), dcsBefore);
  }
}

TEST_F(FrameTeardown, ObjectCountReturnsToWhereItWas) {
  {
    // Warm-up: fonts and caches made once per process.
    HWND edit = nullptr, label = nullptr;
    auto frame = MakeShownFrame(&edit, &label);
  }
  PumpMessages();
  const int before = LiveGdiObjectCount();
  for (int n = 0; n < 10; ++n) {
    HWND edit = nullptr, label = nullptr;
    auto frame = MakeShownFrame(&edit, &label);
    SendMessageA(frame->get(), WM_CLOSE, 0, 0);  // with the pulse effect
    EXPECT_FALSE(frame->Alive());
  }
  PumpMessages();
  EXPECT_EQ(LiveGdiObjectCount(), before);
}

TEST_F(FrameTeardown, OwnProcedureIsBackAtTheEnd) {
  TestFrame frame;
  const auto own = reinterpret_cast<WNDPROC>(GetWindowLongA(frame.get(), GWL_WNDPROC));
  frame.InstallLikeProgram();
  TestFrame::procAtNcDestroy = nullptr;
  DestroyWindow(frame.get());
  EXPECT_EQ(TestFrame::procAtNcDestroy, own);
}

TEST_F(FrameTeardown, OtherFramesAreRenumbered) {
  TestFrame first;
  TestFrame second;
  first.InstallLikeProgram();
  HWND edit = second.AddControl("EDIT", "", WS_BORDER, 10, 80, 100, 24);
  second.InstallLikeProgram();
  ASSERT_EQ(second.Index(), 2);
  ASSERT_EQ(GetPropInt(edit, Hw_FuID), 2);
  DestroyWindow(first.get());
  EXPECT_EQ(ListLength(WindowRecords), 1);
  EXPECT_EQ(second.Index(), 1);
  EXPECT_EQ(GetPropInt(edit, Hw_FuID), 1);
  EXPECT_EQ(second.Record().hwnd, second.get());
  // The remaining frame still answers through its record.
  SendMessageA(second.get(), WM_ACTIVATE, WA_ACTIVE, 0);
  EXPECT_EQ(second.Record().active, 1);
}

TEST_F(FrameTeardown, TeardownOfAnUnskinnedWindowDoesNothing) {
  TestFrame skinned;
  skinned.InstallLikeProgram();
  TestFrame bare;
  TearDownFrameSkin(bare.get());
  EXPECT_EQ(ListLength(WindowRecords), 1);
  EXPECT_EQ(skinned.Index(), 1);
}

}  // namespace
