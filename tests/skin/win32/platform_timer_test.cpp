// The engine's timer on the platform's thread timers: its steps arrive through the message loop
// 12 ms apart, and once the last one ran no timer message comes any more.
#include "skin/animation/win32/platform_timer.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <vector>

#include "tests/skin/win32/message_pump.h"

namespace velmora::skin {
namespace {

using test::PumpMessages;

TEST(PlatformTimer, StepsArriveThroughTheMessageLoopAndThenNothingTicks) {
  TacThreadedTimer timer(PlatformTimers());
  std::vector<int32_t> steps;
  std::vector<DWORD> at;
  timer.StartSteps(4, 0, 12, [&](int32_t k) {
    steps.push_back(k), at.push_back(GetTickCount());
    return true;
  });
  PumpMessages(2000, [&] { return !timer.Ticking(); }, [] {});
  EXPECT_EQ(steps, (std::vector<int32_t>{0, 1, 2, 3, 4}));
  // The platform's timers are coarse, and a busy machine delays a tick that the next one then
  // catches up with: only the time since the first step is bound, at least about i intervals.
  for (size_t i = 1; i < at.size(); ++i) EXPECT_GE(at[i] - at[0], 8u * i) << i;
  EXPECT_EQ(PumpMessages(300), 0);
}

TEST(PlatformTimer, AStoppedOrDestroyedTimerSendsNothing) {
  int ticks = 0;
  auto timer = std::make_unique<TacThreadedTimer>(PlatformTimers());
  timer->SetInterval(10);
  timer->SetOnTimer([&] { ++ticks; });
  PumpMessages(2000, [&] { return ticks >= 2; }, [] {});
  EXPECT_GE(ticks, 2);
  timer->SetEnabled(false);
  const int stopped = ticks;
  EXPECT_EQ(PumpMessages(100), 0);
  timer->SetEnabled(true);
  PumpMessages(2000, [&] { return ticks > stopped; }, [] {});
  timer.reset();
  EXPECT_EQ(PumpMessages(100), 0);
}

}  // namespace
}  // namespace velmora::skin
