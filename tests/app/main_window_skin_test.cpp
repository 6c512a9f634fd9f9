// The main window as the skin set-up leaves it: drawn frame, control-skin
// options, caption style, close effect, skinned group boxes and labels, and
// the caption check.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdlib>

#include "app/window_created.h"
#include "gui_test_support.h"
#include "skin/state/skin_state.h"

namespace {

WindowRecord* RecordOf(HWND window) { return WindowRecordAt(FindWindowRecord(window)); }

bool Subclassed(HWND window) { return GetPropA(window, "Hw_hProc") != nullptr; }

}  // namespace

TEST(MainWindowSkin, FrameHasTitleBandOnlyCloseButtonAndStretchedBackground) {
  MainWindowTest test;
  const WindowRecord* record = RecordOf(test.Window());
  ASSERT_NE(record, nullptr);
  const WindowRecord& r = *record;
  EXPECT_EQ(r.titleHeight, 50);
  EXPECT_EQ(r.resizable, 0);
  EXPECT_EQ(r.titleGloss, 1);
  EXPECT_EQ(r.backgroundMode, 3);
  EXPECT_FALSE(r.backgroundImage.empty());
  ASSERT_EQ(ListLength(r.titleButtons), 1);
  const TitleButton& close = *RecordAt(r.titleButtons, 1);
  EXPECT_EQ(close.kind, 0);
  EXPECT_EQ(close.width, 38);
  EXPECT_EQ(close.height, 18);
  EXPECT_EQ(r.closeEffect, 2);
  EXPECT_EQ(r.captionColour, 0);
  EXPECT_EQ(r.captionGlowColour, 0xFFFFFF);
  EXPECT_EQ(r.captionGlow, 1);
  EXPECT_EQ(SkinChildControls, 1);
  EXPECT_EQ(ControlOverlayAlpha, 0);
  EXPECT_EQ(ControlBackdropSet, 1);
}

TEST(MainWindowSkin, GroupBoxesLabelsAndControlsAreSkinned) {
  MainWindowTest test;
  HWND window = test.Window();
  const WindowRecord* record = RecordOf(window);
  ASSERT_NE(record, nullptr);
  const WindowRecord& r = *record;
  for (ControlId group : {kGroup1, kGroup2}) {
    EXPECT_GT(FindContainerRecord(FindWindowRecord(window), MainControl(window, group)), 0)
        << group;
  }
  ASSERT_EQ(ListLength(r.labels), 4);
  const ControlId labels[] = {kLabel3, kLabel4, kLabel5, kLabel6};
  for (int i = 0; i < 4; ++i) {
    const LabelRecord& label = *RecordAt(r.labels, i + 1);
    EXPECT_EQ(label.hwnd, MainControl(window, labels[i]));
    EXPECT_EQ(label.fontSize, 14);
    EXPECT_EQ(label.textColour, 0);
    EXPECT_EQ(label.glowColour, 0xFFFFFF);
    EXPECT_EQ(label.alignment, 0);
    EXPECT_EQ(label.lineAlignment, 0);
    EXPECT_EQ(label.wrap, 1);
  }
  for (ControlId id : {kButton10, kButton2, kButton3, kRadio1, kRadio2, kRadio3, kEdit2, kEdit3,
                       kEdit4, kEdit20, kEdit30}) {
    EXPECT_TRUE(Subclassed(MainControl(window, id))) << id;
  }
}

TEST(MainWindowSkin, CaptionCheckRestoresTheExpectedCaption) {
  MainWindowTest test;
  HWND window = test.Window();
  char caption[64] = {};
  GetWindowTextA(window, caption, sizeof(caption));
  EXPECT_STREQ(caption, "岚舟软件-dadavadavu");
  SetWindowTextA(window, "岚舟软件");
  CheckMainCaption(window);
  GetWindowTextA(window, caption, sizeof(caption));
  EXPECT_STREQ(caption, "岚舟软件-dadavadavu");
}

TEST(MainWindowSkin, CommandsStillWorkThroughTheSkin) {
  MainWindowTest test;
  HWND window = test.Window();
  Click(window, kButton10);
  EXPECT_FALSE(ControlText(window, kEdit1).empty());
  EXPECT_EQ(ControlText(window, kEdit20),
            LinesWithKey(ControlText(window, kEdit1), ControlText(window, kEdit30)));
}

TEST(MainWindowSkin, ControlsKeepTheMouseUnderTheDrawnFrame) {
  MainWindowTest test;
  HWND window = test.Window();
  POINT onButton = {250, 280};
  ClientToScreen(window, &onButton);
  EXPECT_EQ(WindowFromPoint(onButton), MainControl(window, kButton10));
  POINT onList = {100, 100};
  ClientToScreen(window, &onList);
  EXPECT_EQ(WindowFromPoint(onList), MainControl(window, kEdit20));
}

TEST(MainWindowSkin, GroupBoxDoesNotPaintOverTheCommandButtonsOnIt) {
  MainWindowTest test;
  HWND window = test.Window();
  PumpFor(window, 300);
  const WindowRecord* record = RecordOf(window);
  ASSERT_NE(record, nullptr);
  const WindowRecord& r = *record;
  ASSERT_NE(r.frameDC.get(), nullptr);
  HDC screen = GetDC(window);
  // A point on each button's face, left of its caption: the drawn face must
  // be on screen there, not the bare background the group box paints.
  for (ControlId id : {kButton10, kButton2, kButton3}) {
    RECT button;
    GetWindowRect(MainControl(window, id), &button);
    MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&button), 2);
    const int x = button.left + 8;
    const int y = (button.top + button.bottom) / 2;
    const COLORREF shown = GetPixel(screen, x, y);
    const COLORREF background = GetPixel(r.frameDC.get(), x, y);
    const int difference = std::abs(GetRValue(shown) - GetRValue(background)) +
                           std::abs(GetGValue(shown) - GetGValue(background)) +
                           std::abs(GetBValue(shown) - GetBValue(background));
    EXPECT_GT(difference, 12) << id;
  }
  ReleaseDC(window, screen);
}
