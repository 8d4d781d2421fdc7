// The rain cycle: periods, fades against the crickets, both modes, the button and its captions.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdio>

#include "tests/app/scene_test_fixture.h"

namespace velmora::testing {
namespace {

using ::testing::Contains;
using ::testing::ElementsAre;
using ::testing::IsEmpty;
using ::testing::Not;

// Handles: the crickets layer gets 100; the rain's streams follow.
constexpr HSTREAM kCrickets = 100;

std::string Volume(HSTREAM handle, double value) {
  char text[64];
  std::snprintf(text, sizeof text, "SetAttribute(%u, vol, %g)", handle,
                static_cast<double>(static_cast<float>(value)));
  return text;
}

class RainCycleTest : public SceneTest {
 protected:
  RainCycleTest() {
    form->chk5.SetChecked(true);
    Engine().Take();
  }

  // Every control a rain holds still, and whether it is enabled.
  std::vector<bool> SceneControlsEnabled() const {
    std::vector<bool> enabled;
    for (const ui::Control* control : std::initializer_list<const ui::Control*>{
             &form->btn1, &form->trckbr6, &form->trckbr9, &form->chk5, &form->chk6, &form->chk9,
             &form->rb5, &form->rb6}) {
      enabled.push_back(control->Enabled());
    }
    return enabled;
  }

  std::string Caption() const { return form->btn1.Caption(); }
};

const std::vector<bool> kAllEnabled(8, true);
// btn1, trckbr6, trckbr9, chk5, chk6, chk9, rb5, rb6
const std::vector<bool> kFadingIn{false, false, true, false, false, false, false, false};
const std::vector<bool> kFalling{true, false, true, false, false, false, false, false};
const std::vector<bool> kFadingOut(8, false);

TEST_F(RainCycleTest, SwitchingOnDrawsAPeriodAndADurationAndStartsNoRain) {
  form->chk7.SetChecked(true);
  EXPECT_THAT(Engine().Take(),
              ElementsAre("Stop(0)", "Free(0)", "Stop(0)", "Free(0)", Volume(kCrickets, 0.25)));
  EXPECT_EQ(form->lbl2.Caption(), "6") << "ticks of 100 s, from 6 to 17";
  EXPECT_EQ(form->lbl3.Caption(), "300000");
  EXPECT_TRUE(form->tmr3.Enabled());
  EXPECT_FALSE(form->tmr4.Enabled());
  EXPECT_EQ(Caption(), "Дождя!");
}

TEST_F(RainCycleTest, TheFirstRainComesWhenTheRainFreeTicksReachThePeriod) {
  form->chk7.SetChecked(true);
  Seconds(599);
  EXPECT_THAT(Taken("StreamCreateFile"), IsEmpty());
  EXPECT_EQ(form->lbl4.Caption(), "5");
  Seconds(1);
  EXPECT_THAT(Engine().Take(),
              ElementsAre("IsActive(0)", "Stop(0)", "Free(0)", "Stop(0)", "Free(0)",
                          Created(kOneShots + "dogd2", 0), Volume(101, 0), "Play(101, 0)"));
  EXPECT_EQ(form->lbl4.Caption(), "6");
  EXPECT_EQ(form->lbl2.Caption(), "16") << "the next period is drawn at once";
  EXPECT_TRUE(form->tmr4.Enabled());
  EXPECT_EQ(form->tmr4.Interval(), 1000u);
}

TEST_F(RainCycleTest, TheRecordingFadesInFallsToItsEndAndFadesOutAgainstTheCrickets) {
  form->chk8.SetChecked(true);
  form->btn1.Click();  // a rain while the cycle is off runs its whole course
  EXPECT_THAT(Taken("StreamCreateFile"), ElementsAre(Created(kOneShots + "dogd2", 0)))
      << "the thunder option unticked itself";
  for (int tick = 1; tick <= 30; ++tick) {
    Seconds(1);
    ASSERT_THAT(Taken("SetAttribute"),
                ElementsAre(Volume(101, tick / 120.0), Volume(0, tick / 120.0),
                            Volume(kCrickets, (30 - tick) / 120.0)));
    ASSERT_EQ(Caption(), std::to_string(30 - tick));
    ASSERT_EQ(SceneControlsEnabled(), kFadingIn);
  }
  Seconds(1);
  EXPECT_EQ(Caption(), "Хватит дождя!");
  EXPECT_EQ(SceneControlsEnabled(), kFalling);
  Seconds(700);
  EXPECT_THAT(Taken("SetAttribute"), IsEmpty());
  EXPECT_EQ(Caption(), "Хватит дождя!");

  Engine().Finish(101);
  for (int step = 1; step <= 29; ++step) {
    Seconds(1);
    ASSERT_THAT(Taken("SetAttribute"),
                ElementsAre(Volume(101, (30 - step) / 120.0), Volume(kCrickets, step / 120.0)));
    ASSERT_EQ(Caption(), std::to_string(30 - step));
    ASSERT_EQ(form->lbl4.Caption(), std::to_string(step));
    ASSERT_EQ(SceneControlsEnabled(), kFadingOut);
  }
  Seconds(1);
  EXPECT_THAT(Engine().Take(), ElementsAre("IsActive(101)", Volume(101, 0), Volume(kCrickets, 0.25),
                                           "Stop(101)", "Free(101)", "Stop(0)", "Free(0)"));
  EXPECT_EQ(Caption(), "Дождя!");
  EXPECT_EQ(SceneControlsEnabled(), kAllEnabled);
  EXPECT_FALSE(form->tmr4.Enabled());
  Seconds(10000);
  EXPECT_THAT(Taken("StreamCreateFile"), IsEmpty()) << "no further rain with the cycle off";
}

TEST_F(RainCycleTest, ALoopedRainWithThunderFallsForItsDrawnDuration) {
  form->chk7.SetChecked(true);
  form->rb8.UserClick();
  form->chk8.SetChecked(true);  // each restarts the cycle; the last draws 900 s and 500000 ms
  EXPECT_EQ(form->lbl3.Caption(), "500000");
  form->btn1.Click();
  EXPECT_THAT(Taken("StreamCreateFile"),
              ElementsAre(Created(kLoopFolder + "dogd_gr", 4), Created(kLoopFolder + "dogd", 4)));
  Seconds(30);
  EXPECT_THAT(Taken("SetAttribute"), Contains(Volume(101, 0.25)))
      << "the thunder rises with the rain";
  Seconds(1);
  EXPECT_EQ(form->lbl2.Caption(), "interval");
  EXPECT_EQ(form->tmr4.Interval(), 100000u);
  form->trckbr9.SetPosition(10);
  EXPECT_THAT(Taken("SetAttribute"), ElementsAre(Volume(102, 0.5))) << "the rain, not the thunder";
  Seconds(400);
  EXPECT_EQ(form->lbl4.Caption(), "400000");
  EXPECT_EQ(Caption(), "Хватит дождя!");
  Engine().Take();

  Seconds(100);  // the duration is reached: the fade-out's first step
  EXPECT_EQ(form->lbl3.Caption(), "interval2");
  EXPECT_EQ(form->lbl4.Caption(), "1");
  EXPECT_EQ(Caption(), "29");
  EXPECT_EQ(form->tmr4.Interval(), 1000u);
  Seconds(28);
  EXPECT_THAT(Taken("SetAttribute(101"), IsEmpty()) << "the thunder keeps its level";
  EXPECT_EQ(Caption(), "1");
  Seconds(1);
  EXPECT_THAT(Taken("Free"), ElementsAre("Free(102)", "Free(101)"));
  EXPECT_EQ(Caption(), "Дождя!");
}

TEST_F(RainCycleTest, ARainForeverLastsUntilTheButtonFadesItOut) {
  form->chk7.SetChecked(true);
  form->rb8.UserClick();
  form->cbb4.UserSelect(4);
  EXPECT_EQ(form->lbl3.Caption(), "4000000");
  form->btn1.Click();
  Engine().Take();
  Seconds(31);
  EXPECT_FALSE(form->tmr4.Enabled());
  Seconds(10 * 3600);
  EXPECT_THAT(Taken("StreamCreateFile"), IsEmpty()) << "period ticks do not count while it rains";
  EXPECT_THAT(Taken("Free"), IsEmpty());
  form->btn1.Click();
  EXPECT_EQ(form->lbl3.Caption(), "interval2");
  Seconds(29);
  EXPECT_EQ(Caption(), "1");
  Seconds(1);
  EXPECT_EQ(Caption(), "Дождя!");
  EXPECT_THAT(Taken("Free"), ElementsAre("Free(101)", "Free(0)"));
}

TEST_F(RainCycleTest, APeriodEndingDuringTheCountdownSkipsThatRain) {
  form->chk7.SetChecked(true);  // a period of 6 ticks
  Seconds(550);
  EXPECT_EQ(form->lbl4.Caption(), "5");
  form->btn1.Click();
  Engine().Take();
  Seconds(40);
  Engine().Finish(101);  // the fade-out runs from 591 s to 620 s
  Seconds(10);
  EXPECT_EQ(form->lbl2.Caption(), "16") << "the period ended at 600 s";
  EXPECT_THAT(Taken("StreamCreateFile"), IsEmpty()) << "its rain was skipped";
  Seconds(20);
  EXPECT_EQ(Caption(), "Дождя!");
  Seconds(1579);
  EXPECT_THAT(Taken("StreamCreateFile"), IsEmpty());
  Seconds(1);
  EXPECT_THAT(Taken("StreamCreateFile"), ElementsAre(Created(kOneShots + "dogd2", 0)))
      << "16 ticks after the skipped rain";
}

TEST_F(RainCycleTest, AfterARainCalledWithTheButtonThePeriodGoesOnWhereItStood) {
  form->chk7.SetChecked(true);
  Seconds(300);
  EXPECT_EQ(form->lbl4.Caption(), "3");
  form->btn1.Click();
  Seconds(31);
  Engine().Finish(101);
  Seconds(69);  // 400 s: the rain ended at 361 s
  EXPECT_EQ(form->lbl4.Caption(), "4");
}

TEST_F(RainCycleTest, SwitchingTheCycleOffEndsTheRainAtOnceWithTheCricketsBack) {
  form->chk7.SetChecked(true);
  form->btn1.Click();
  Seconds(10);
  Engine().Take();
  form->chk7.SetChecked(false);
  EXPECT_THAT(Engine().Take(),
              ElementsAre("Stop(101)", "Free(101)", "Stop(0)", "Free(0)", Volume(kCrickets, 0.25)));
  EXPECT_EQ(Caption(), "Дождя!");
  EXPECT_EQ(SceneControlsEnabled(), kAllEnabled);
  EXPECT_FALSE(form->tmr3.Enabled());
  EXPECT_FALSE(form->tmr4.Enabled());
  Seconds(3600);
  EXPECT_THAT(Engine().Take(), IsEmpty());
}

TEST_F(RainCycleTest, TheThunderOptionCannotStayTickedWhileTheCycleIsOff) {
  form->chk8.UserClick();
  EXPECT_FALSE(form->chk8.Checked());
  EXPECT_THAT(Engine().Take(),
              ElementsAre("Stop(0)", "Free(0)", "Stop(0)", "Free(0)", "Stop(0)", "Free(0)",
                          "Stop(0)", "Free(0)", Volume(kCrickets, 0.25), Volume(kCrickets, 0.25)));
  form->chk7.SetChecked(true);
  form->chk8.SetChecked(true);
  form->chk7.SetChecked(false);
  EXPECT_FALSE(form->chk8.Checked());
}

TEST_F(RainCycleTest, AMissingRainFileEndsTheRainAfterThirtyTicksWithTheCricketsBack) {
  Engine().missingFiles.insert(kOneShots + "dogd2");
  form->btn1.Click();
  Engine().Take();
  Seconds(1);
  EXPECT_THAT(Taken("SetAttribute"),
              ElementsAre(Volume(0, 1 / 120.0), Volume(0, 1 / 120.0), Volume(kCrickets, 29 / 120.0),
                          Volume(0, 29 / 120.0), Volume(kCrickets, 1 / 120.0)));
  Seconds(28);
  EXPECT_EQ(Caption(), "1");
  Seconds(1);
  EXPECT_EQ(Taken("SetAttribute").back(), Volume(kCrickets, 0.25));
  EXPECT_EQ(Caption(), "Дождя!");
  EXPECT_FALSE(form->tmr4.Enabled());
}

}  // namespace
}  // namespace velmora::testing
