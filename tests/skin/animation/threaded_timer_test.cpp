// The engine's timer on simulated time: when its inner timer runs, what a tick does, and how a
// counted sequence of steps starts, goes on and ends.
#include "skin/animation/threaded_timer.h"

#include <gtest/gtest.h>

#include <vector>

#include "tests/skin/animation/simulated_carriers.h"

namespace velmora::skin {
namespace {

struct TimerTest : ::testing::Test {
  test::SimulatedCarriers time;
  TacThreadedTimer timer{time.Maker()};
};

TEST_F(TimerTest, RunsOnlyWithSomethingToCallAndAnInterval) {
  EXPECT_TRUE(timer.Enabled());
  EXPECT_EQ(timer.Interval(), 1000u);
  EXPECT_EQ(timer.ThreadPriority(), TThreadPriority::tpNormal);
  EXPECT_FALSE(timer.Ticking());
  int ticks = 0;
  timer.SetOnTimer([&] { ++ticks; });
  EXPECT_TRUE(timer.Ticking());
  time.Advance(3500);
  EXPECT_EQ(ticks, 3);
  timer.SetInterval(0);
  EXPECT_FALSE(timer.Ticking());
  timer.SetInterval(100);
  timer.SetEnabled(false);
  time.Advance(1000);
  EXPECT_EQ(ticks, 3);
  EXPECT_EQ(time.Running(), 0);
}

TEST_F(TimerTest, ANewValueRestartsThePeriodAndTheSameValueDoesNot) {
  int ticks = 0;
  timer.SetOnTimer([&] { ++ticks; });
  time.Advance(900);
  timer.SetInterval(1000);  // unchanged: the period goes on
  time.Advance(100);
  EXPECT_EQ(ticks, 1);
  time.Advance(900);
  timer.SetThreadPriority(TThreadPriority::tpHigher);  // a new value: the period starts anew
  time.Advance(100);
  EXPECT_EQ(ticks, 1);
  time.Advance(900);
  EXPECT_EQ(ticks, 2);
}

TEST_F(TimerTest, ATickArrivingWhileTheLastOneRunsIsDropped) {
  int ticks = 0;
  timer.SetOnTimer([&] {
    ++ticks;
    timer.Tick();  // as a modal loop inside the handler would deliver it
  });
  time.Advance(1000);
  EXPECT_EQ(ticks, 1);
}

TEST_F(TimerTest, StepsRunFromTheFirstAtOnceToTheCountAndThenTheTimerStops) {
  std::vector<std::pair<uint64_t, int32_t>> steps;
  ASSERT_TRUE(timer.StartSteps(3, 1, 12, [&](int32_t k) {
    steps.emplace_back(time.NowMs(), k);
    return true;
  }));
  time.Advance(1000);
  EXPECT_EQ(steps, (std::vector<std::pair<uint64_t, int32_t>>{{0, 1}, {12, 2}, {24, 3}}));
  EXPECT_FALSE(timer.Ticking());
  EXPECT_FALSE(timer.Enabled());
  EXPECT_EQ(time.Ticks(), 2);  // no empty tick after the last step
}

TEST_F(TimerTest, AStepCanLengthenTheSequence) {
  int calls = 0;
  timer.StartSteps(1, 0, 12, [&](int32_t k) {
    ++calls;
    if (k == 1 && calls < 4) ++timer.StepCount;
    return true;
  });
  time.Advance(1000);
  EXPECT_EQ(calls, 3);  // 0, 1 lengthened to 2, 2
}

TEST_F(TimerTest, AFirstStepThatAnswersFalseStopsAtOnceButLaterAnswersAreIgnored) {
  int calls = 0;
  EXPECT_FALSE(timer.StartSteps(5, 0, 12, [&](int32_t) { return ++calls, false; }));
  EXPECT_FALSE(timer.Ticking());
  time.Advance(100);
  EXPECT_EQ(calls, 1);
  calls = 0;
  EXPECT_TRUE(timer.StartSteps(2, 0, 12, [&](int32_t k) { return ++calls, k == 0; }));
  time.Advance(100);
  EXPECT_EQ(calls, 3);
}

TEST_F(TimerTest, AFirstStepPastTheCountIsTheOnlyOne) {
  int calls = 0;
  timer.StartSteps(2, 5, 12, [&](int32_t) { return ++calls, true; });
  time.Advance(100);
  EXPECT_EQ(calls, 1);
  EXPECT_EQ(time.Ticks(), 0);
}

TEST_F(TimerTest, DestroyingItStopsItsPlatformTimer) {
  auto owned = std::make_unique<TacThreadedTimer>(time.Maker());
  owned->SetOnTimer([] {});
  EXPECT_EQ(time.Running(), 1);
  owned.reset();
  EXPECT_EQ(time.Running(), 0);
}

}  // namespace
}  // namespace velmora::skin
