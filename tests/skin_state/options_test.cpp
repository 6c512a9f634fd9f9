// Module values: the start-up values and SetControlSkinOptions with given
// and not-given arguments.
#include <gtest/gtest.h>

#include "test_windows.h"

namespace {

class Options : public ::testing::Test {
 protected:
  void SetUp() override { ResetSkinState(); }
};

TEST_F(Options, StartUpValues) {
  EXPECT_EQ(SkinChildControls, 1);
  EXPECT_EQ(ControlOverlayAlpha, 160);
  EXPECT_EQ(ControlBackdropSet, 0);
  EXPECT_EQ(AccentColour, 0xDDCA22);
  EXPECT_EQ(AccentColour & 0xFF, 0x22) << "red in the low byte";
  EXPECT_EQ(TrackbarFrameShown, 1);
  EXPECT_EQ(WideHotFrame, 1);
  EXPECT_EQ(FirstResizePending, 1);
}

TEST_F(Options, TheApplicationsCallSetsABackdropOfAlphaZero) {
  SetControlSkinOptions(1, 0);
  EXPECT_EQ(SkinChildControls, 1);
  EXPECT_EQ(ControlOverlayAlpha, 0);
  EXPECT_EQ(ControlBackdropSet, 1);
  EXPECT_EQ(TrackbarFrameShown, 1);
  EXPECT_EQ(WideHotFrame, 1);
}

TEST_F(Options, AnAlphaGivenAs160DiffersFromOneNotGiven) {
  SetControlSkinOptions(1, 160);
  EXPECT_EQ(ControlOverlayAlpha, 160);
  EXPECT_EQ(ControlBackdropSet, 1);
  SetControlSkinOptions(1);
  EXPECT_EQ(ControlOverlayAlpha, 160);
  EXPECT_EQ(ControlBackdropSet, 0) << "not given clears the backdrop";
}

TEST_F(Options, NotGivenArgumentsReturnToTheirDefaults) {
  SetControlSkinOptions(0, 200, 0);
  EXPECT_EQ(SkinChildControls, 0);
  EXPECT_EQ(ControlOverlayAlpha, 200);
  EXPECT_EQ(ControlBackdropSet, 1);
  EXPECT_EQ(TrackbarFrameShown, 0);
  SetControlSkinOptions(1);
  EXPECT_EQ(SkinChildControls, 1);
  EXPECT_EQ(ControlOverlayAlpha, 160);
  EXPECT_EQ(ControlBackdropSet, 0);
  EXPECT_EQ(TrackbarFrameShown, 1);
  // The second option flag is not an argument.
  WideHotFrame = 0;
  SetControlSkinOptions(1, 0, 0);
  EXPECT_EQ(WideHotFrame, 0);
}

}  // namespace
