// The frames of the show and hide animations, with values worked out by hand from their rules.
#include <gtest/gtest.h>

#include "skin/animation/window_frames.h"

namespace velmora::skin {
namespace {

TEST(WindowFrames, FramesCountWholePeriodsOfTwelveMilliseconds) {
  EXPECT_EQ(FrameCount(0), 0);
  EXPECT_EQ(FrameCount(11), 0);
  EXPECT_EQ(FrameCount(12), 1);
  EXPECT_EQ(FrameCount(100), 8);
}

TEST(WindowFrames, ShowTimeZeroShowsTheWholeImageAtTheFinalAlpha) {
  const AnimFrame f = ShowFrame(WindowAnimKind::Aero, 0, 0, 200, 320, 64);
  EXPECT_EQ(f.Alpha, 200);
  EXPECT_EQ(f.Image, (Rect{0, 0, 320, 64}));
}

TEST(WindowFrames, AShowGrowsItsAlphaUpToTheFinalOne) {
  // 4 frames to 255: 63.75 per frame.
  EXPECT_EQ(ShowFrame(WindowAnimKind::Fading, 0, 4, 255, 10, 10).Alpha, 64);
  EXPECT_EQ(ShowFrame(WindowAnimKind::Fading, 1, 4, 255, 10, 10).Alpha, 128);
  EXPECT_EQ(ShowFrame(WindowAnimKind::Fading, 3, 4, 255, 10, 10).Alpha, 255);
  EXPECT_EQ(ShowFrame(WindowAnimKind::Fading, 4, 4, 255, 10, 10).Alpha, 255);
  EXPECT_EQ(ShowFrame(WindowAnimKind::Fading, 2, 4, 255, 10, 10).Image, (Rect{0, 0, 10, 10}));
}

TEST(WindowFrames, AnAeroShowStartsInsetByAThirtySecondAndGrowsToFullSize) {
  // 320 x 64: insets 10 and 2 at first, shrinking by 2.5 and 0.5 over 4 frames.
  EXPECT_EQ(ShowFrame(WindowAnimKind::Aero, 0, 4, 255, 320, 64).Image, (Rect{10, 2, 310, 62}));
  EXPECT_EQ(ShowFrame(WindowAnimKind::Aero, 2, 4, 255, 320, 64).Image, (Rect{5, 1, 315, 63}));
  EXPECT_EQ(ShowFrame(WindowAnimKind::Aero, 4, 4, 255, 320, 64).Image, (Rect{0, 0, 320, 64}));
}

TEST(WindowFrames, ADropDownShowHalvesTheGapEachFrame) {
  EXPECT_EQ(ShowFrame(WindowAnimKind::DropDown, 0, 4, 255, 320, 64).Image, (Rect{0, 0, 160, 32}));
  EXPECT_EQ(ShowFrame(WindowAnimKind::DropDown, 1, 4, 255, 320, 64).Image, (Rect{0, 0, 240, 48}));
  EXPECT_EQ(ShowFrame(WindowAnimKind::DropDown, 2, 4, 255, 320, 64).Image, (Rect{0, 0, 280, 56}));
}

TEST(WindowFrames, AHideLowersItsAlphaToZeroAndAnAeroHideShrinks) {
  // 8 frames from 200: 25 per tick; tick 9 stays at 0.
  EXPECT_EQ(HideFrame(WindowAnimKind::Fading, 1, 8, 200, 320, 64).Alpha, 175);
  EXPECT_EQ(HideFrame(WindowAnimKind::Fading, 8, 8, 200, 320, 64).Alpha, 0);
  EXPECT_EQ(HideFrame(WindowAnimKind::Fading, 9, 8, 200, 320, 64).Alpha, 0);
  EXPECT_EQ(HideFrame(WindowAnimKind::Aero, 4, 8, 200, 320, 64).Image, (Rect{5, 1, 315, 63}));
  EXPECT_EQ(HideFrame(WindowAnimKind::Aero, 8, 8, 200, 320, 64).Image, (Rect{10, 2, 310, 62}));
}

TEST(WindowFrames, ASkinChangeOf100msFadesTheOldLookOutInEightSteps) {
  // 8 frames of 12 ms from 255: 31.875 per tick, rounded.
  const int expected[] = {223, 191, 159, 128, 96, 64, 32, 0};
  for (int tick = 1; tick <= 8; ++tick) {
    const AnimFrame f = SkinChangeFrame(WindowAnimKind::Fading, tick, 8, 320, 64);
    EXPECT_EQ(f.Alpha, expected[tick - 1]) << "tick " << tick;
    EXPECT_EQ(f.Image, (Rect{0, 0, 320, 64})) << "a fade keeps the whole image";
  }
}

TEST(WindowFrames, AnAeroSkinChangeShrinksTheOldLookTowardsAThirtySecondInset) {
  // 320 x 64 over 8 frames: insets grow by 1.25 and 0.25 per tick (halves round up) to 10, 2.
  EXPECT_EQ(SkinChangeFrame(WindowAnimKind::Aero, 2, 8, 320, 64).Image, (Rect{3, 1, 317, 63}));
  EXPECT_EQ(SkinChangeFrame(WindowAnimKind::Aero, 4, 8, 320, 64).Image, (Rect{5, 1, 315, 63}));
  EXPECT_EQ(SkinChangeFrame(WindowAnimKind::Aero, 8, 8, 320, 64).Image, (Rect{10, 2, 310, 62}));
  EXPECT_EQ(SkinChangeFrame(WindowAnimKind::Aero, 4, 8, 320, 64).Alpha, 128);
}

}  // namespace
}  // namespace velmora::skin
