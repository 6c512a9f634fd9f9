// The exit routine and the handle owners: every GDI object a record holds
// is released, and released once. (Wine's GDI object count is always 0, so
// each handle is checked with GetObjectType instead.)
#include <vector>

#include "test_windows.h"

namespace {

using Release = SkinStateTest;

// Fills record index with the DCs, bitmaps and control brushes a rendered
// frame holds; returns them all.
std::vector<HGDIOBJ> RenderInto(int index, const TestFrame& f) {
  WindowRecord& r = *WindowRecordAt(index);
  HBITMAP back, title, status, copy;
  r.frameDC.reset(CreateMemoryDcWithDib(326, 393, &back));
  r.titleCacheDC.reset(CreateMemoryDcWithDib(326, 50, &title));
  r.titleCacheBitmap = title;
  r.statusCacheDC.reset(CreateMemoryDcWithDib(1, 1, &status));
  r.statusCacheBitmap = status;
  r.frameCopy.reset(CreateMemoryDcWithDib(326, 393, &copy));
  // What the frame leaves on an edit box after WM_CTLCOLOREDIT.
  HBITMAP editBackground = CreateBitmap(8, 8, 1, 32, nullptr);
  HBRUSH editBrush = CreatePatternBrush(editBackground);
  SetPropA(f.edit, Kj_wtjb, editBackground);
  SetPropA(f.edit, Kj_dxjb, editBrush);
  SetPropA(f.button, Kj_dxjb, GetStockObject(NULL_BRUSH));
  r.backgroundImage.assign(1000, 0xAB);
  return {r.frameDC.get(), r.titleCacheDC.get(), r.statusCacheDC.get(), r.frameCopy.get(), back,
          title, status, copy, editBrush, editBackground};
}

std::vector<int> exitOrder;

TEST_F(Release, TheExitRoutineReleasesEverythingOnceAndRunsTheStepsNewestFirst) {
  TestFrame a = CreateSkinnedFrame();
  TestFrame b = CreateSkinnedFrame();
  std::vector<HGDIOBJ> handles = RenderInto(1, a);
  for (HGDIOBJ o : RenderInto(2, b)) handles.push_back(o);
  for (HGDIOBJ o : handles) ASSERT_TRUE(IsLiveGdiObject(o));
  auto tooltips = std::make_shared<int>(0);
  for (int i : {1, 2}) WindowRecordAt(i)->tooltip = std::shared_ptr<ToolTip>(nullptr, [tooltips](ToolTip*) { ++*tooltips; });
  AppendRecord(MenuRecords);
  AppendRecord(ObjectLists[7]);
  DefaultBackgroundImage.assign(64, 1);
  exitOrder.clear();
  AddSkinExitStep([] { exitOrder.push_back(1); });
  AddSkinExitStep([] { exitOrder.push_back(2); });

  ReleaseSkinState();

  for (HGDIOBJ o : handles) EXPECT_FALSE(IsLiveGdiObject(o));
  EXPECT_TRUE(IsLiveGdiObject(GetStockObject(NULL_BRUSH)));
  EXPECT_EQ(GetPropInt(a.edit, Kj_dxjb), 0);
  EXPECT_EQ(*tooltips, 2);
  EXPECT_TRUE(WindowRecords.empty() && MenuRecords.empty() && ObjectLists[7].empty());
  EXPECT_TRUE(DefaultBackgroundImage.empty());
  EXPECT_EQ(exitOrder, (std::vector<int>{2, 1}));
  ReleaseSkinState();
  EXPECT_EQ(*tooltips, 2);
  EXPECT_EQ(exitOrder.size(), 2u) << "a second run finds nothing left to release";
}

TEST_F(Release, ControlBrushesOfATornDownWindowAreTheTeardownsToDeleteOnce) {
  TestFrame a = CreateSkinnedFrame();
  const std::vector<HGDIOBJ> h = RenderInto(1, a);
  RemoveWindowRecord(1);
  ReleaseSkinState();
  EXPECT_FALSE(IsLiveGdiObject(h[0]));
  EXPECT_TRUE(IsLiveGdiObject(h[8]));
  DeleteCtlColorObjects(a.edit);
  EXPECT_FALSE(IsLiveGdiObject(h[8]));
  EXPECT_FALSE(IsLiveGdiObject(h[9]));
  // A new object may take the old handle value; a second call must not delete it.
  HBRUSH next = CreateSolidBrush(RGB(4, 5, 6));
  DeleteCtlColorObjects(a.edit);
  EXPECT_TRUE(IsLiveGdiObject(next));
  DeleteObject(next);
}

TEST(MemoryDcOwner, ReleasesTheDcAndTheBitmapSelectedLast) {
  HBITMAP first = nullptr, second = nullptr;
  HDC a = CreateMemoryDcWithDib(4, 4, &first);
  HDC b = CreateMemoryDcWithDib(4, 4, &second);
  HBITMAP replacement = CreateBitmap(4, 4, 1, 32, nullptr);
  {
    MemoryDcOwner owner(a);
    owner.reset(a);  // the same DC again: nothing released
    EXPECT_TRUE(IsLiveGdiObject(a));
    owner.reset(b);
    EXPECT_FALSE(IsLiveGdiObject(a));
    EXPECT_FALSE(IsLiveGdiObject(first));
    MemoryDcOwner moved(std::move(owner));  // the moved-from owner releases nothing
    DeleteObject(SelectObject(b, replacement));  // a replaced back buffer
  }
  EXPECT_FALSE(IsLiveGdiObject(b));
  EXPECT_FALSE(IsLiveGdiObject(replacement));
  // A DC that only ever held its stock bitmap leaves the stock bitmap alive.
  HDC plain = CreateCompatibleDC(nullptr);
  HGDIOBJ stock = GetCurrentObject(plain, OBJ_BITMAP);
  { MemoryDcOwner owner(plain); }
  EXPECT_TRUE(IsLiveGdiObject(stock));
}

TEST(RegisteredDcOwner, ADcTheTableDoesNotKnowIsReleasedDirectly) {
  static std::vector<HDC> seenByTable;
  SetRegisteredDcRelease([](HDC dc) { seenByTable.push_back(dc); return false; });
  HBITMAP bitmap = nullptr;
  HDC dc = CreateMemoryDcWithDib(4, 4, &bitmap);
  { RegisteredDcOwner owner(dc); }
  SetRegisteredDcRelease(nullptr);
  EXPECT_EQ(seenByTable, std::vector<HDC>{dc});
  EXPECT_FALSE(IsLiveGdiObject(dc));
  EXPECT_FALSE(IsLiveGdiObject(bitmap));
}

}  // namespace
