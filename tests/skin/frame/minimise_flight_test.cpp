// The minimise flight's arithmetic, with values worked out by hand from its rules.
#include <gtest/gtest.h>

#include "skin/frame/minimise_flight.h"

namespace velmora::skin {
namespace {

// A 400 x 300 window at (100, 50): centre (300, 200).
const Rect kWindow{100, 50, 500, 350};

TEST(MinimiseFlight, A120msRunHasTenStepsAndFadesFrom63By7) {
  MinimiseFlight f = PlanFlight(120, 255, kWindow, {300, 800, 300, 800});
  EXPECT_EQ(f.Steps, 10);
  EXPECT_EQ(f.FinalAlpha, 63);  // 255 >> 2
  EXPECT_EQ(f.Alpha, 63);
  EXPECT_EQ(f.AlphaStep, 7);  // 63 / 9
  ASSERT_TRUE(StepTowardsTarget(f));
  EXPECT_EQ(f.Alpha, 56);  // the first step, run at once, already shows 56
  int visible = 1;
  while (StepTowardsTarget(f)) ++visible;
  EXPECT_EQ(visible, 8);  // 56, 49, ..., 7; the ninth step reaches 0 and ends the run
  EXPECT_EQ(f.Alpha, 0);
}

TEST(MinimiseFlight, TwelveMillisecondsOrLessIsOneStepThatEndsAtOnce) {
  for (int time : {12, 5, 0}) {
    MinimiseFlight f = PlanFlight(time, 255, kWindow, {});
    EXPECT_EQ(f.Steps, 1) << time;
    EXPECT_EQ(f.FinalAlpha, 255);
    EXPECT_EQ(f.AlphaStep, 255);
    EXPECT_FALSE(StepTowardsTarget(f)) << "the first step ends without showing the image";
  }
}

TEST(MinimiseFlight, AFormsOwnAlphaIsQuarteredForALongRun) {
  EXPECT_EQ(PlanFlight(120, 200, kWindow, {}).FinalAlpha, 50);
  EXPECT_EQ(PlanFlight(12, 200, kWindow, {}).FinalAlpha, 200);
}

TEST(MinimiseFlight, TheImageShrinksTowardsTheTargetCentre) {
  // Target point (300, 800): dx 0, dy (800 - 200) / 10 = 60; dw 400 / 20 = 20, dh 300 / 20 = 15.
  MinimiseFlight f = PlanFlight(120, 255, kWindow, {300, 800, 300, 800});
  EXPECT_DOUBLE_EQ(f.Dx, 0);
  EXPECT_DOUBLE_EQ(f.Dy, 60);
  EXPECT_DOUBLE_EQ(f.Dw, 20);
  EXPECT_DOUBLE_EQ(f.Dh, 15);
  StepTowardsTarget(f);
  EXPECT_DOUBLE_EQ(f.Current.Left, 120);
  EXPECT_DOUBLE_EQ(f.Current.Right, 480);
  EXPECT_DOUBLE_EQ(f.Current.Top, 125);     // 50 + 60 + 15
  EXPECT_DOUBLE_EQ(f.Current.Bottom, 395);  // 350 + 60 - 15
  // 360 x 270 centred in the 400 x 300 work image, whose centre sits on (300, 260).
  const FlightFrame frame = FrameOf(f, 400, 300);
  EXPECT_EQ(frame.Width, 360);
  EXPECT_EQ(frame.Height, 270);
  EXPECT_EQ(frame.X, 100);
  EXPECT_EQ(frame.Y, 110);
  EXPECT_EQ(frame.ImageRect, (Rect{20, 15, 380, 285}));
}

TEST(MinimiseFlight, ATargetWithSizeShrinksTheImageToThatSize) {
  // A 16 x 16 icon at (700, 900): centre (708, 908).
  MinimiseFlight f = PlanFlight(120, 255, kWindow, {700, 900, 716, 916});
  EXPECT_DOUBLE_EQ(f.Dx, 40.8);
  EXPECT_DOUBLE_EQ(f.Dy, 70.8);
  EXPECT_DOUBLE_EQ(f.Dw, 19.2);  // (400 - 16) / 20
  EXPECT_DOUBLE_EQ(f.Dh, 14.2);  // (300 - 16) / 20
}

TEST(MinimiseFlight, RestoreRetracesTheFlightToTheWindow) {
  MinimiseFlight f = PlanFlight(120, 255, kWindow, {300, 800, 300, 800});
  while (StepTowardsTarget(f)) {
  }
  int steps = 1;
  while (StepBack(f)) ++steps;
  EXPECT_EQ(steps, 9);  // 7, 14, ..., 63
  EXPECT_EQ(f.Alpha, 63);
  EXPECT_NEAR(f.Current.Left, 100, 1e-9);
  EXPECT_NEAR(f.Current.Top, 50, 1e-9);
  EXPECT_NEAR(f.Current.Right, 500, 1e-9);
  EXPECT_NEAR(f.Current.Bottom, 350, 1e-9);
}

TEST(MinimiseFlight, RestoreEndsWhenAStepPassesTheFinalAlpha) {
  // 255 >> 2 = 63 for a form alpha of 255; start from 60 after an interrupted run: 60 + 7 = 67.
  MinimiseFlight f = PlanFlight(120, 255, kWindow, {});
  f.Alpha = 60;
  EXPECT_FALSE(StepBack(f));
  EXPECT_EQ(f.Alpha, 67);
}

TEST(TaskbarEdge, TheEdgeFollowsWhereTheTaskbarLies) {
  EXPECT_EQ(EdgeOf({0, 1040, 1920, 1080}), TaskbarEdge::Bottom);
  EXPECT_EQ(EdgeOf({-2, 1040, 1922, 1082}), TaskbarEdge::Bottom);
  EXPECT_EQ(EdgeOf({1880, 0, 1920, 1080}), TaskbarEdge::Right);
  EXPECT_EQ(EdgeOf({10, 5, 60, 1080}), TaskbarEdge::Right);  // top not 0, left beyond -4..0
  EXPECT_EQ(EdgeOf({0, 0, 1920, 40}), TaskbarEdge::Top);
  EXPECT_EQ(EdgeOf({0, 0, 40, 1080}), TaskbarEdge::Left);
}

TEST(TaskbarEdge, ATopTaskbarAimsStraightUpFromTheWindowCentre) {
  EXPECT_EQ(EdgeTarget({0, 0, 1920, 40}, kWindow), (Rect{300, 40, 300, 40}));
  EXPECT_EQ(EdgeTarget({0, 1040, 1920, 1080}, kWindow), (Rect{300, 1040, 300, 1040}));
  EXPECT_EQ(EdgeTarget({0, 0, 40, 1080}, kWindow), (Rect{40, 200, 40, 200}));
  EXPECT_EQ(EdgeTarget({1880, 0, 1920, 1080}, kWindow), (Rect{1880, 200, 1880, 200}));
}

}  // namespace
}  // namespace velmora::skin
