// The owner types, handles in window properties and the subclass helper:
// every handle released once, selections given back, the replaced
// procedure saved before the new one sees a message.
#include <vector>

#include "test_windows.h"

namespace {

using Owners = SkinStateTest;

HBITMAP SmallBitmap() { return CreateBitmap(4, 4, 1, 32, nullptr); }

TEST_F(Owners, AGdiObjectOwnerReleasesOnceOnResetMoveAndEnd) {
  HBITMAP first = SmallBitmap();
  HBITMAP second = SmallBitmap();
  HBITMAP kept = SmallBitmap();
  {
    BitmapOwner owner(first);
    owner.reset(second);  // the first goes now
    EXPECT_FALSE(IsLiveGdiObject(first));
    EXPECT_TRUE(IsLiveGdiObject(second));
    BitmapOwner moved(std::move(owner));
    EXPECT_FALSE(owner);
    EXPECT_EQ(moved.get(), second);
    BitmapOwner handedOver(kept);
    EXPECT_EQ(handedOver.release(), kept);
  }
  EXPECT_FALSE(IsLiveGdiObject(second));
  EXPECT_TRUE(IsLiveGdiObject(kept)) << "a released handle is no longer the owner's";
  DeleteObject(kept);
}

TEST_F(Owners, ACompatibleDcGivesBackTheBitmapItSelected) {
  HBITMAP bitmap = SmallBitmap();
  HDC seen = nullptr;
  {
    const CompatibleDc dc(nullptr, bitmap);
    ASSERT_TRUE(dc);
    seen = dc.get();
    EXPECT_EQ(GetCurrentObject(dc.get(), OBJ_BITMAP), bitmap);
  }
  EXPECT_EQ(GetObjectType(seen), 0u) << "the DC is deleted";
  // Still selected in a DC, the bitmap could not go into another one.
  HDC other = CreateCompatibleDC(nullptr);
  EXPECT_NE(SelectObject(other, bitmap), nullptr);
  DeleteDC(other);
  EXPECT_TRUE(IsLiveGdiObject(bitmap)) << "the selected bitmap stays its owner's";
  DeleteObject(bitmap);
}

TEST_F(Owners, AWindowDcGivesTheDcBackOnceAndTakesAnAdoptedOne) {
  WindowOwner window = CreateTopLevel();
  HDC leased = nullptr;
  {
    WindowDc dc = WindowDc::Client(window.get());
    ASSERT_TRUE(dc);
    leased = dc.get();
    WindowDc moved(std::move(dc));
    EXPECT_FALSE(dc);
    EXPECT_EQ(moved.get(), leased);
  }
  // A DC given back once: ReleaseDC of it again fails.
  EXPECT_EQ(ReleaseDC(window.get(), leased), 0);
  HDC got = GetDC(window.get());
  { const WindowDc adopted = WindowDc::Adopt(window.get(), got); }
  EXPECT_EQ(ReleaseDC(window.get(), got), 0);
}

TEST_F(Owners, HandlesGoIntoPropertiesAsTheirOwnType) {
  WindowOwner window = CreateTopLevel();
  WindowOwner other = CreateTopLevel();
  SetPropHandle(window.get(), Mngd_zct, other.get());
  EXPECT_EQ(GetPropHandle<HWND>(window.get(), Mngd_zct), other.get());
  SetPropHandle(nullptr, Mngd_zct, other.get());  // no window: nothing
  EXPECT_EQ(GetPropHandle<HWND>(nullptr, Mngd_zct), nullptr);
  EXPECT_EQ(GetPropHandle<HBRUSH>(window.get(), Kj_dxjb), nullptr) << "absent reads 0";
}

std::vector<WNDPROC> savedSeen;

LRESULT CALLBACK RecordingProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  savedSeen.push_back(SavedProcOf(window));
  return PassOn(window, message, wParam, lParam);
}

TEST_F(Owners, SubclassingSavesTheReplacedProcedureAndRestoresIt) {
  WindowOwner window = CreateTopLevel();
  const auto own = reinterpret_cast<WNDPROC>(GetWindowLongPtrA(window.get(), GWLP_WNDPROC));
  savedSeen.clear();
  EXPECT_EQ(ReplaceWindowProc(window.get(), RecordingProc), own);
  EXPECT_TRUE(IsSubclassedWith(window.get(), RecordingProc));
  SendMessageA(window.get(), WM_NULL, 0, 0);
  ASSERT_FALSE(savedSeen.empty());
  EXPECT_EQ(savedSeen.front(), own) << "the first message already finds the saved procedure";

  RestoreWindowProc(window.get());
  EXPECT_EQ(reinterpret_cast<WNDPROC>(GetWindowLongPtrA(window.get(), GWLP_WNDPROC)), own);

  // Under another property (a toolbar's Kj_hProc), Hw_hProc stays untouched.
  SetPropHandle(window.get(), Hw_hProc, static_cast<WNDPROC>(nullptr));
  EXPECT_EQ(ReplaceWindowProc(window.get(), RecordingProc, Kj_hProc), own);
  EXPECT_EQ(GetPropHandle<WNDPROC>(window.get(), Kj_hProc), own);
  EXPECT_EQ(SavedProcOf(window.get()), nullptr);
  RestoreWindowProc(window.get(), Kj_hProc);
  EXPECT_EQ(reinterpret_cast<WNDPROC>(GetWindowLongPtrA(window.get(), GWLP_WNDPROC)), own);
}

LRESULT CALLBACK SkinProcForTest(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  return PassOn(window, message, wParam, lParam);
}

TEST_F(Owners, AControlIsRegisteredAndSubclassedOnce) {
  TestFrame f = CreateSkinnedFrame();
  const int w = FindWindowRecord(f.window.get());
  HWND control = CreateChild(f.window.get(), "BUTTON");
  const auto own = reinterpret_cast<WNDPROC>(GetWindowLongPtrA(control, GWLP_WNDPROC));
  int prepared = 0;
  TrackbarRecord* record = RegisterSubclassedControl(
      w, &WindowRecord::trackbars, control, SkinProcForTest, [&](TrackbarRecord& r) {
        ++prepared;
        EXPECT_FALSE(IsSubclassedWith(control, SkinProcForTest)) << "prepared before subclassing";
        r.vertical = true;
      });
  ASSERT_NE(record, nullptr);
  EXPECT_EQ(prepared, 1);
  EXPECT_EQ(record->window, control);
  EXPECT_EQ(record->savedProc, own);
  EXPECT_EQ(SavedProcOf(control), own);
  EXPECT_EQ(GetPropInt(control, Hw_FuID), w);
  EXPECT_EQ(RecordAt(WindowRecordAt(w)->trackbars, GetPropInt(control, Hw_lbID)), record);
  // A second registration, in the list or by the procedure, is refused.
  EXPECT_EQ(RegisterSubclassedControl(w, &WindowRecord::trackbars, control, SkinProcForTest),
            nullptr);
  EXPECT_EQ(RegisterSubclassedControl(w, &WindowRecord::progressBars, control, SkinProcForTest),
            nullptr);
  EXPECT_EQ(SavedProcOf(control), own);
  EXPECT_EQ(FindControlRecord(w, &WindowRecord::trackbars, control), GetPropInt(control, Hw_lbID));
  EXPECT_EQ(FindControlRecord(w, &WindowRecord::trackbars, nullptr), 0);
}

}  // namespace
