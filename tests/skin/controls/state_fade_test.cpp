// A control's state fade on simulated time: the images each step shows (their pixels from the
// blend of the old and the new image at the step's weight), the steps' timing, reversals from the
// current mix, and when the fade does not run at all.
#include "skin/controls/state_fade.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cmath>
#include <tuple>
#include <vector>

#include "tests/skin/animation/simulated_carriers.h"
#include "tests/skin/controls/fake_owner.h"
#include "tests/skin/controls/test_skin.h"

namespace velmora::skin {
namespace {

using ::testing::Contains;
using test::Bgra;

const uint32_t kNormal = Bgra(0, 0, 200, 255), kHot = Bgra(0, 100, 0, 255),
                   kPressed = Bgra(150, 0, 0, 255);

// One channel of a step: the old image keeps weight e of 256, the new one gets the rest.
uint32_t Mixed(uint32_t old, uint32_t fresh, uint32_t e) {
  uint32_t out = 0;
  for (int c = 0; c < 4; ++c)
    out |= ((old >> (8 * c) & 0xFF) * e + (fresh >> (8 * c) & 0xFF) * (256 - e)) >> 8 << (8 * c);
  return out;
}

struct StateFade : ::testing::Test {
  test::TestSkin skin;
  test::FakeManager manager{skin.loaded.registry.get()};
  test::SimulatedCarriers time;
  test::Owned owned{manager, true};
  TsCommonData& data = owned.data;
  test::FakeOwner& owner = owned.owner;
  uint32_t look = kNormal;
  int prepared = 0;

  void SetUp() override {
    owner.timers = time.Maker();
    owner.prepareCache = [this] {
      ++prepared;
      data.PrepareCacheImage();
      const PixelView pixels = data.Cache()->Pixels();
      for (int32_t y = 0; y < pixels.Height; ++y)
        for (int32_t x = 0; x < pixels.Width; ++x) pixels.At(x, y) = look;
      data.CacheStale = false;
    };
    data.Initialize(false);
    data.SetSkinSection("PANEL");
    owner.prepareCache();  // the window shows the normal look
    prepared = 0;
  }
  void FadeTo(int32_t kind, uint32_t newLook, bool fast = false) {
    look = newLook;
    StartStateFade(data, kind, nullptr, false, fast, true);
  }
  // The top-left pixel of every image shown so far, from the n-th on.
  std::vector<uint32_t> Shown(size_t from = 0) const {
    std::vector<uint32_t> pixels;
    for (size_t i = from; i < owner.shown.size(); ++i) pixels.push_back(owner.shown[i].At(0, 0));
    return pixels;
  }
};

TEST_F(StateFade, HoverFadesInTheHotImageOverSixStepsOf12msThenTheTimerStops) {
  FadeTo(kFadeToHot, kHot);
  EXPECT_EQ(owner.shown.size(), 1u);  // the first step at once
  EXPECT_TRUE(data.FadeRunning());
  time.Advance(1000);
  // v rises by 255 / 6 from 0: c = 43, 85, 128, 170, 213, 255, 255; the old image keeps 255 - c.
  std::vector<uint32_t> expected;
  for (uint32_t e : {212u, 170u, 127u, 85u, 42u, 0u, 0u})
    expected.push_back(Mixed(kNormal, kHot, e));
  EXPECT_EQ(Shown(), expected);
  EXPECT_EQ(Shown().back(), kHot);
  EXPECT_EQ(time.Ticks(), 6);
  EXPECT_EQ(time.Running(), 0);
  EXPECT_FALSE(data.FadeRunning());
  EXPECT_EQ(owner.shown.back().Width, 16);
  EXPECT_EQ(owner.shown.back().Height, 14);
}

TEST_F(StateFade, LeavingMidFadeReversesFromTheCurrentMix) {
  FadeTo(kFadeToHot, kHot);
  time.Advance(24);  // three steps: v = 127.5, the window shows the normal image at weight 127
  ASSERT_EQ(Shown().back(), Mixed(kNormal, kHot, 127));
  const size_t before = owner.shown.size();
  FadeTo(kFadeToNormal, kNormal);
  time.Advance(1000);
  // From v = 127.5 down by 127.5 / 12 per step, to 0: the hot image (now the old one) keeps c.
  std::vector<uint32_t> expected;
  for (int m = 1; m <= 12; ++m)
    expected.push_back(Mixed(kHot, kNormal, uint32_t(std::lround(127.5 - m * 127.5 / 12))));
  EXPECT_EQ(Shown(before), expected);
  EXPECT_EQ(Shown().back(), kNormal);
  EXPECT_EQ(data.FadeTimer->Kind, kFadeIdle);
  EXPECT_TRUE(data.FadeTimer->Work.Empty());  // a fade to normal that ended keeps no images
  EXPECT_EQ(time.Running(), 0);
}

TEST_F(StateFade, HoveringAgainDuringTheFadeOutEndsInTheHotLook) {
  FadeTo(kFadeToHot, kHot);
  time.Advance(1000);
  FadeTo(kFadeToNormal, kNormal);
  time.Advance(36);  // four steps down: v = 170
  const size_t before = owner.shown.size();
  FadeTo(kFadeToHot, kHot);
  time.Advance(1000);
  // Two steps of (255 - 170) / 2 from the normal image (the cache) to the hot one.
  EXPECT_EQ(Shown(before),
            (std::vector<uint32_t>{Mixed(kNormal, kHot, 255 - 213), kHot}));
}

TEST_F(StateFade, ASecondRequestTowardsTheSameKindChangesNothing) {
  FadeTo(kFadeToHot, kHot);
  time.Advance(12);
  FadeTo(kFadeToHot, kHot);
  EXPECT_EQ(prepared, 1);
  EXPECT_EQ(owner.shown.size(), 2u);
  time.Advance(1000);
  EXPECT_EQ(owner.shown.size(), 7u);
}

TEST_F(StateFade, APressFadesFromWhatTheWindowShows) {
  FadeTo(kFadeToHot, kHot);
  time.Advance(24);
  const uint32_t showing = Shown().back();
  const size_t before = owner.shown.size();
  FadeTo(kFadeToPressed, kPressed);
  // v = 127.5 falls by v / 6: the first step keeps c = 106 of the mix on screen.
  EXPECT_EQ(Shown(before).front(), Mixed(showing, kPressed, 106));
  time.Advance(1000);
  EXPECT_EQ(Shown().back(), kPressed);
}

TEST_F(StateFade, WithoutAnimationOrAnUpToDateCacheTheControlRepaintsAtOnce) {
  manager.effects.AllowAnimation = false;
  owner.calls.clear();
  FadeTo(kFadeToHot, kHot);
  EXPECT_THAT(owner.calls, Contains("redraw now"));
  EXPECT_TRUE(data.CacheStale);
  EXPECT_EQ(data.FadeTimer, nullptr);

  manager.effects.AllowAnimation = true;
  data.CacheStale = true;  // the cache no longer shows what the window shows
  FadeTo(kFadeToNormal, kNormal);
  EXPECT_EQ(data.FadeTimer, nullptr);
  EXPECT_TRUE(owner.shown.empty());
}

TEST_F(StateFade, StoppingAFadeLeavesItsTargetForTheNextPaint) {
  FadeTo(kFadeToHot, kHot);
  data.StopFade();
  EXPECT_FALSE(data.FadeRunning());
  EXPECT_EQ(time.Running(), 0);
  EXPECT_EQ(data.FadeTimer->Value, 255);
}

TEST(FadePlan, StepsAndStepSizeFollowWhereTheLastFadeLeftOff) {
  const auto plan = [](FadeFrom from) {
    const FadePlan p = PlanStateFade(from);
    return std::tuple(p.Count, p.First, p.Delta);
  };
  // A new control going hot: 6 steps of 255 / 6.
  EXPECT_EQ(plan({.Value = 0, .Kind = kFadeToHot}), std::tuple(6, 0, 42.5));
  // Leaving from full hot: twice the steps; fast halves them.
  EXPECT_EQ(plan({.Value = 255, .Kind = kFadeToNormal, .PreviousKind = kFadeToHot}),
            std::tuple(12, 0, 21.25));
  EXPECT_EQ(plan({.Value = 255, .Kind = kFadeToNormal, .PreviousKind = kFadeToHot, .Fast = true}),
            std::tuple(6, 0, 42.5));
  // Going hot from v = 100 of a fade to normal: round(155 * 6 / 255) = 4 steps, from step
  // round(100 * 6 / 255) = 2.
  EXPECT_EQ(plan({.Value = 100, .Kind = kFadeToHot, .PreviousKind = kFadeToNormal}),
            std::tuple(4, 2, 38.75));
  // Leaving at v = 127.5 of a fade to hot: from step round(127.5 * 12 / 255) = 6.
  EXPECT_EQ(plan({.Value = 127.5, .Kind = kFadeToNormal, .PreviousKind = kFadeToHot}),
            std::tuple(12, 6, 10.625));
  // Pressed and fast pressed from full hot; hot again after pressed, with the work image kept.
  const FadeFrom pressed{.Value = 255, .Kind = kFadeToPressed, .PreviousKind = kFadeToHot,
                        .HasWork = true};
  EXPECT_EQ(plan(pressed), std::tuple(6, 0, 42.5));
  FadeFrom fastPressed = pressed;
  fastPressed.Fast = true;
  EXPECT_EQ(plan(fastPressed), std::tuple(3, 0, 85.0));
  EXPECT_EQ(plan({.Value = 0, .Kind = kFadeToHot, .PreviousKind = kFadeToPressed, .HasWork = true}),
            std::tuple(6, 0, 42.5));
  // Without a work image: the steps the last fade left.
  const auto first = [&](int32_t previousKind, int32_t reached) {
    return std::get<1>(plan({.Kind = kFadeToPressed, .PreviousKind = previousKind,
                             .Reached = reached}));
  };
  EXPECT_EQ(first(kFadeToNormal, 5), 7);
  EXPECT_EQ(first(kFadeIdle, 9), 0);
  // Out of range values are clamped first.
  EXPECT_EQ(plan({.Value = 300, .Kind = kFadeToNormal}), std::tuple(12, 6, 21.25));
}

}  // namespace
}  // namespace velmora::skin
