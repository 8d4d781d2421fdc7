// The occasional sounds: waits counted in silent seconds, the samples they draw, rain holding them.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <set>

#include "tests/app/scene_test_fixture.h"

namespace velmora::testing {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

class OccasionalSoundsTest : public SceneTest {
 protected:
  // Runs `seconds` one by one, ending every sound within its second, and gives the sample
  // numbers played with `prefix`.
  std::multiset<int> PlayedNumbers(const std::string& prefix, int seconds) {
    std::multiset<int> numbers;
    const std::string start = "StreamCreateFile(" + kOneShots + prefix;
    for (int second = 0; second < seconds; ++second) {
      Seconds(1);
      Engine().playing.clear();
      for (const std::string& call : Taken(start)) {
        numbers.insert(std::stoi(call.substr(start.size())));
      }
    }
    return numbers;
  }
};

TEST_F(OccasionalSoundsTest, TheFirstSoundComesAfterTheDrawnSilenceAndTheNextAfterItsEnd) {
  form->cbb1.SetItemIndex(0);   // 2-7 seconds
  form->chk9.SetChecked(true);  // the draws of a start: wait 2 s, sverch3, wait 6 s, sverch4
  EXPECT_THAT(Taken(""), IsEmpty()) << "nothing plays at once";
  Seconds(1);
  EXPECT_THAT(Taken("StreamCreateFile"), IsEmpty());
  Seconds(1);
  EXPECT_THAT(Engine().Take(), ElementsAre("IsActive(0)", "IsActive(0)", "Stop(0)", "Free(0)",
                                           Created(kOneShots + "sverch3", 0),
                                           "SetAttribute(100, vol, 0.25)", "Play(100, 0)"));
  Seconds(120);
  EXPECT_THAT(Taken("StreamCreateFile"), IsEmpty()) << "no count while the sound plays";
  Engine().Finish(100);
  Seconds(5);
  EXPECT_THAT(Taken("StreamCreateFile"), IsEmpty());
  Seconds(1);
  EXPECT_THAT(Taken("StreamCreateFile"), ElementsAre(Created(kOneShots + "sverch4", 0)));
}

TEST_F(OccasionalSoundsTest, AnotherIntervalAppliesToTheTimeAlreadyWaited) {
  form->cbb2.SetItemIndex(4);  // 200-300 seconds
  form->chk6.SetChecked(true);
  Seconds(50);
  EXPECT_THAT(Taken("StreamCreateFile"), IsEmpty());
  form->cbb2.UserSelect(0);  // 2-7 seconds: 50 s are already waited
  EXPECT_THAT(Taken("StreamCreateFile"), IsEmpty());
  Seconds(1);
  EXPECT_THAT(Taken("StreamCreateFile"), ElementsAre(Created(kOneShots + "ptic9", 0)));
}

TEST_F(OccasionalSoundsTest, EachWaitLiesInItsRangeOfSilentSeconds) {
  form->cbb1.SetItemIndex(1);  // 10-20 seconds
  form->chk9.SetChecked(true);
  constexpr int kSilentSeconds = 3000;
  int silent = 0, played = 0;
  for (int second = 0; second < kSilentSeconds; ++second) {
    Seconds(1);
    ++silent;
    if (!Taken("StreamCreateFile").empty()) {
      ASSERT_GE(silent, 10);
      ASSERT_LE(silent, 19);
      silent = 0;
      ++played;
      Seconds(4);  // the sound plays 4 s, which do not count
      Engine().playing.clear();
    }
  }
  EXPECT_GE(played, kSilentSeconds / 19) << "no wait may run past 19 silent seconds";
}

TEST_F(OccasionalSoundsTest, TheSwampAddsTheFrogCricketsAndTheOwlsNeverPlayTheirEleventh) {
  form->cbb1.SetItemIndex(0);  // 2-7 seconds
  form->cbb2.SetItemIndex(0);
  form->chk9.SetChecked(true);
  // Every sound ends within its second, so a wait of at most 6 silent seconds comes round at
  // least once in 7.
  constexpr int kSeconds = 2000;
  constexpr size_t kAtLeast = kSeconds / 7;
  std::multiset<int> withoutSwamp = PlayedNumbers("sverch", kSeconds);
  ASSERT_GE(withoutSwamp.size(), kAtLeast);
  EXPECT_EQ(*withoutSwamp.begin(), 3);
  EXPECT_EQ(*withoutSwamp.rbegin(), 9);
  form->chk4.SetChecked(true);
  std::multiset<int> withSwamp = PlayedNumbers("sverch", kSeconds);
  ASSERT_GE(withSwamp.size(), kAtLeast);
  EXPECT_EQ(*withSwamp.begin(), 3);
  EXPECT_EQ(*withSwamp.rbegin(), 11);
  EXPECT_GT(withSwamp.count(10), 0u);

  form->chk6.SetChecked(true);
  std::multiset<int> owls = PlayedNumbers("ptic", kSeconds);
  ASSERT_GE(owls.size(), kAtLeast);
  EXPECT_EQ(*owls.begin(), 1);
  EXPECT_EQ(*owls.rbegin(), 10);
  EXPECT_EQ(std::set<int>(owls.begin(), owls.end()).size(), 10u);
}

TEST_F(OccasionalSoundsTest, RainLetsASoundFinishButHoldsTheWaitUntilItStops) {
  form->cbb1.SetItemIndex(0);
  form->chk9.SetChecked(true);
  Seconds(2);
  Engine().Take();     // sverch3 plays on 100
  form->btn1.Click();  // a rain while the cycle is off, on 101
  Engine().Take();
  Seconds(200);
  Engine().Finish(100);
  Seconds(300);
  EXPECT_THAT(Taken("StreamCreateFile"), IsEmpty());
  EXPECT_THAT(Taken("Stop(100)"), IsEmpty()) << "the sound already started played to its end";
  Engine().Finish(101);  // the recording ends; its fade-out follows
  Seconds(5);
  EXPECT_THAT(Taken("StreamCreateFile"), IsEmpty());
  Seconds(1);
  EXPECT_THAT(Taken("StreamCreateFile"), ElementsAre(Created(kOneShots + "sverch4", 0)))
      << "6 silent seconds after the rain's recording ended";
}

TEST_F(OccasionalSoundsTest, SwitchingOffCutsTheSoundAndOnAgainStartsAFreshWait) {
  form->cbb1.SetItemIndex(0);
  form->chk9.SetChecked(true);
  Seconds(2);
  Engine().Take();
  form->trckbr10.SetPosition(20);
  form->chk9.SetChecked(false);
  EXPECT_THAT(Engine().Take(), ElementsAre("SetAttribute(100, vol, 1)", "Stop(100)", "Free(100)"));
  EXPECT_FALSE(form->Timer1.Enabled());
  Seconds(100);
  form->chk9.SetChecked(true);  // waits 3 s, from zero
  Seconds(2);
  EXPECT_THAT(Taken("StreamCreateFile"), IsEmpty());
  Seconds(1);
  EXPECT_THAT(Engine().Take(), ElementsAre("IsActive(100)", "IsActive(0)", "Stop(100)", "Free(100)",
                                           Created(kOneShots + "sverch4", 0),
                                           "SetAttribute(101, vol, 1)", "Play(101, 0)"));
}

TEST_F(OccasionalSoundsTest, AMissingSampleCountsAsSilentAndTheNextWaitBegins) {
  form->cbb1.SetItemIndex(0);
  Engine().missingFiles.insert(kOneShots + "sverch3");
  form->chk9.SetChecked(true);
  Seconds(2);
  EXPECT_THAT(Taken("Play"), ElementsAre("Play(0, 0)"));
  Seconds(6);
  EXPECT_THAT(Taken("StreamCreateFile"), ElementsAre(Created(kOneShots + "sverch4", 0)));
}

}  // namespace
}  // namespace velmora::testing
