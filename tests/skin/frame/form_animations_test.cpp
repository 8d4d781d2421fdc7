// When a form's skin-change fade and hide play, from the manager's settings as they come and as a
// program may set them.
#include "skin/frame/form_animations.h"

#include <gtest/gtest.h>

namespace velmora::skin {
namespace {

class FormAnimations : public ::testing::Test {
 protected:
  AnimationSwitches Switches() const { return {effects, settings, formAllows}; }

  TacSkinEffects effects;
  TacAnimEffects settings;
  bool formAllows = true;
};

TEST_F(FormAnimations, ASkinChangeFadesAVisibleFormFor100msInEightFrames) {
  const auto plan = PlanSkinChange(Switches(), true, false);
  ASSERT_TRUE(plan);
  EXPECT_EQ(plan->Kind, WindowAnimKind::Fading);
  EXPECT_EQ(plan->Frames, 8);
  EXPECT_EQ(plan->TimeMs, 100);
}

TEST_F(FormAnimations, AHiddenOrMinimisedFormHasNoSkinChangeFade) {
  EXPECT_FALSE(PlanSkinChange(Switches(), false, false));
  EXPECT_FALSE(PlanSkinChange(Switches(), true, true));
}

TEST_F(FormAnimations, EachSwitchTurnsTheSkinChangeFadeOff) {
  settings.SkinChanging.Active = false;
  EXPECT_FALSE(PlanSkinChange(Switches(), true, false));
  settings.SkinChanging.Active = true;
  effects.AllowAnimation = false;
  EXPECT_FALSE(PlanSkinChange(Switches(), true, false));
  effects.AllowAnimation = true;
  formAllows = false;
  EXPECT_FALSE(PlanSkinChange(Switches(), true, false));
}

TEST_F(FormAnimations, ASkinChangeShorterThanAFramePlaysNothing) {
  settings.SkinChanging.Time = 11;
  EXPECT_FALSE(PlanSkinChange(Switches(), true, false));
  settings.SkinChanging.Time = 12;
  settings.SkinChanging.Mode = TacAnimType::atAero;
  const auto plan = PlanSkinChange(Switches(), true, false);
  ASSERT_TRUE(plan);
  EXPECT_EQ(plan->Frames, 1);
  EXPECT_EQ(plan->Kind, WindowAnimKind::Aero);
}

TEST_F(FormAnimations, TheDefaultFormHideOfNoTimePlaysNothing) {
  EXPECT_FALSE(PlanFormHide(Switches()));
}

TEST_F(FormAnimations, AFormHideOf120msPlaysTenAeroFramesWhileEverySwitchIsOn) {
  settings.FormHide.Time = 120;
  const auto plan = PlanFormHide(Switches());
  ASSERT_TRUE(plan);
  EXPECT_EQ(plan->Kind, WindowAnimKind::Aero);
  EXPECT_EQ(plan->Frames, 10);
  formAllows = false;
  EXPECT_FALSE(PlanFormHide(Switches()));
  formAllows = true;
  settings.FormHide.Active = false;
  EXPECT_FALSE(PlanFormHide(Switches()));
}

TEST(FormAnimationKinds, EachModeHasItsKind) {
  EXPECT_EQ(AnimKindOf(TacAnimType::atFading), WindowAnimKind::Fading);
  EXPECT_EQ(AnimKindOf(TacAnimType::atAero), WindowAnimKind::Aero);
  EXPECT_EQ(AnimKindOf(TacAnimType::atDropDown), WindowAnimKind::DropDown);
}

}  // namespace
}  // namespace velmora::skin
