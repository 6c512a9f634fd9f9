// The exit routine and the handle owners: every GDI object a record holds
// is released, and released once.
#include <gtest/gtest.h>

#include <vector>

#include "test_windows.h"

namespace {

class Release : public ::testing::Test {
 protected:
  void SetUp() override { ResetSkinState(); }
  void TearDown() override { ReleaseSkinState(); }
};

// The handles one rendered frame holds.
struct FrameHandles {
  HDC frameDc, titleDc, statusDc, copyDc;
  HBITMAP backBuffer, titleBitmap, statusBitmap, copyBitmap;
  HBRUSH editBrush;
  HBITMAP editBackground;
};

FrameHandles RenderInto(int index, const TestFrame& f) {
  FrameHandles h = {};
  WindowRecord& r = *WindowRecordAt(index);
  r.frameDC.reset(CreateMemoryDcWithDib(326, 393, &h.backBuffer));
  r.titleCacheDC.reset(CreateMemoryDcWithDib(326, 50, &h.titleBitmap));
  r.titleCacheBitmap = h.titleBitmap;
  r.statusCacheDC.reset(CreateMemoryDcWithDib(1, 1, &h.statusBitmap));
  r.statusCacheBitmap = h.statusBitmap;
  r.frameCopy.reset(CreateMemoryDcWithDib(326, 393, &h.copyBitmap));
  h.frameDc = r.frameDC.get();
  h.titleDc = r.titleCacheDC.get();
  h.statusDc = r.statusCacheDC.get();
  h.copyDc = r.frameCopy.get();
  // What the frame leaves on an edit box after answering WM_CTLCOLOREDIT,
  // and the hollow brush it gives a button.
  h.editBackground = CreateBitmap(8, 8, 1, 32, nullptr);
  h.editBrush = CreatePatternBrush(h.editBackground);
  SetPropA(f.edit, Kj_wtjb, h.editBackground);
  SetPropA(f.edit, Kj_dxjb, h.editBrush);
  SetPropA(f.button, Kj_dxjb, GetStockObject(NULL_BRUSH));
  r.backgroundImage.assign(1000, 0xAB);
  r.captionFont = "宋体";
  return h;
}

void ExpectAllLive(const FrameHandles& h) {
  for (HGDIOBJ o : {(HGDIOBJ)h.frameDc, (HGDIOBJ)h.titleDc, (HGDIOBJ)h.statusDc,
                    (HGDIOBJ)h.copyDc, (HGDIOBJ)h.backBuffer, (HGDIOBJ)h.titleBitmap,
                    (HGDIOBJ)h.statusBitmap, (HGDIOBJ)h.copyBitmap, (HGDIOBJ)h.editBrush,
                    (HGDIOBJ)h.editBackground}) {
    EXPECT_TRUE(IsLiveGdiObject(o));
  }
}

void ExpectAllReleased(const FrameHandles& h) {
  for (HGDIOBJ o : {(HGDIOBJ)h.frameDc, (HGDIOBJ)h.titleDc, (HGDIOBJ)h.statusDc,
                    (HGDIOBJ)h.copyDc, (HGDIOBJ)h.backBuffer, (HGDIOBJ)h.titleBitmap,
                    (HGDIOBJ)h.statusBitmap, (HGDIOBJ)h.copyBitmap, (HGDIOBJ)h.editBrush,
                    (HGDIOBJ)h.editBackground}) {
    EXPECT_FALSE(IsLiveGdiObject(o));
  }
}

std::vector<int> exitOrder;
void FirstStep() { exitOrder.push_back(1); }
void SecondStep() { exitOrder.push_back(2); }

TEST_F(Release, TheExitRoutineReleasesEveryGdiObject) {
  const DWORD before = GdiObjectCount();
  TestFrame a = CreateSkinnedFrame();
  TestFrame b = CreateSkinnedFrame();
  FrameHandles ha = RenderInto(1, a);
  FrameHandles hb = RenderInto(2, b);
  ExpectAllLive(ha);
  ExpectAllLive(hb);
  auto tooltips = std::make_shared<int>(0);
  WindowRecordAt(1)->tooltip = std::shared_ptr<ToolTip>(nullptr, [tooltips](ToolTip*) { ++*tooltips; });
  WindowRecordAt(2)->tooltip = std::shared_ptr<ToolTip>(nullptr, [tooltips](ToolTip*) { ++*tooltips; });
  AppendRecord(MenuRecords);
  AppendRecord(ObjectLists[7]);
  DefaultBackgroundImage.assign(64, 1);
  exitOrder.clear();
  AddSkinExitStep(FirstStep);
  AddSkinExitStep(SecondStep);

  ReleaseSkinState();

  ExpectAllReleased(ha);
  ExpectAllReleased(hb);
  EXPECT_TRUE(IsLiveGdiObject(GetStockObject(NULL_BRUSH)));
  EXPECT_EQ(GetPropInt(a.edit, Kj_dxjb), 0);
  EXPECT_EQ(GetPropInt(a.edit, Kj_wtjb), 0);
  // Wine reports 0 GDI objects whatever exists; on Windows the count is the
  // real check, the per-handle checks above hold on both.
  EXPECT_EQ(GdiObjectCount(), before);
  EXPECT_EQ(*tooltips, 2);
  EXPECT_TRUE(WindowRecords.empty());
  EXPECT_TRUE(MenuRecords.empty());
  EXPECT_TRUE(ObjectLists[7].empty());
  EXPECT_TRUE(DefaultBackgroundImage.empty());
  EXPECT_EQ(exitOrder, (std::vector<int>{2, 1})) << "newest step first";

  // A second run finds nothing left to release.
  ReleaseSkinState();
  EXPECT_EQ(*tooltips, 2);
  EXPECT_EQ(exitOrder.size(), 2u);
}

TEST_F(Release, TheExitRoutineLeavesTornDownWindowsAlone) {
  TestFrame a = CreateSkinnedFrame();
  FrameHandles h = RenderInto(1, a);
  RemoveWindowRecord(1);  // the teardown has run; the control's brush is the teardown's
  EXPECT_FALSE(IsLiveGdiObject(h.frameDc));
  EXPECT_TRUE(IsLiveGdiObject(h.editBrush));
  ReleaseSkinState();
  EXPECT_TRUE(IsLiveGdiObject(h.editBrush));
  DeleteCtlColorObjects(a.edit);
  EXPECT_FALSE(IsLiveGdiObject(h.editBrush));
  EXPECT_FALSE(IsLiveGdiObject(h.editBackground));
}

TEST(CtlColorObjects, DeletingTwiceDeletesNothingTheSecondTime) {
  WindowOwner top = CreateTopLevel();
  HWND edit = CreateChild(top.get(), "Edit");
  HBRUSH brush = CreateSolidBrush(RGB(1, 2, 3));
  SetPropA(edit, Kj_dxjb, brush);
  DeleteCtlColorObjects(edit);
  EXPECT_FALSE(IsLiveGdiObject(brush));
  // A new object may take the old handle value; the second call must not
  // delete it.
  HBRUSH next = CreateSolidBrush(RGB(4, 5, 6));
  DeleteCtlColorObjects(edit);
  EXPECT_TRUE(IsLiveGdiObject(next));
  DeleteObject(next);
}

TEST(MemoryDcOwner, ReleasesTheDcAndTheBitmapSelectedIntoIt) {
  HBITMAP first = nullptr, second = nullptr;
  HDC a = CreateMemoryDcWithDib(4, 4, &first);
  HDC b = CreateMemoryDcWithDib(4, 4, &second);
  {
    MemoryDcOwner owner(a);
    owner.reset(a);  // the same DC again: nothing released
    EXPECT_TRUE(IsLiveGdiObject(a));
    owner.reset(b);
    EXPECT_FALSE(IsLiveGdiObject(a));
    EXPECT_FALSE(IsLiveGdiObject(first));
    MemoryDcOwner moved(std::move(owner));
    EXPECT_EQ(owner.get(), nullptr);
    EXPECT_EQ(moved.get(), b);
    EXPECT_TRUE(IsLiveGdiObject(b));
  }
  EXPECT_FALSE(IsLiveGdiObject(b));
  EXPECT_FALSE(IsLiveGdiObject(second));
}

TEST(MemoryDcOwner, AReplacedBackBufferIsTheReplacersAndTheLastOneTheOwners) {
  HBITMAP original = nullptr;
  HDC dc = CreateMemoryDcWithDib(4, 4, &original);
  HBITMAP replacement = CreateBitmap(4, 4, 1, 32, nullptr);
  {
    MemoryDcOwner owner(dc);
    HGDIOBJ taken = SelectObject(dc, replacement);
    EXPECT_EQ(taken, original);
    DeleteObject(taken);
  }
  EXPECT_FALSE(IsLiveGdiObject(dc));
  EXPECT_FALSE(IsLiveGdiObject(replacement));
  // A DC that only ever held its stock bitmap leaves the stock bitmap alive.
  HDC plain = CreateCompatibleDC(nullptr);
  HGDIOBJ stock = GetCurrentObject(plain, OBJ_BITMAP);
  { MemoryDcOwner owner(plain); }
  EXPECT_FALSE(IsLiveGdiObject(plain));
  EXPECT_TRUE(IsLiveGdiObject(stock));
}

std::vector<HDC> seenByTable;
bool TableKnowsNothing(HDC dc) {
  seenByTable.push_back(dc);
  return false;
}

TEST(RegisteredDcOwner, ADcTheTableDoesNotKnowIsReleasedDirectly) {
  seenByTable.clear();
  SetRegisteredDcRelease(TableKnowsNothing);
  HBITMAP bitmap = nullptr;
  HDC dc = CreateMemoryDcWithDib(4, 4, &bitmap);
  { RegisteredDcOwner owner(dc); }
  SetRegisteredDcRelease(nullptr);
  ASSERT_EQ(seenByTable.size(), 1u);
  EXPECT_EQ(seenByTable[0], dc);
  EXPECT_FALSE(IsLiveGdiObject(dc));
  EXPECT_FALSE(IsLiveGdiObject(bitmap));
}

}  // namespace
