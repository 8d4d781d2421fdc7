#include "skin/frame/form_animations.h"

namespace velmora::skin {
namespace {

std::optional<FormAnimation> Planned(const AnimationSwitches& switches, bool active,
                                     int32_t timeMs, TacAnimType mode) {
  if (!switches.Effects.AllowAnimation || !switches.FormAllows || !active) return std::nullopt;
  const int32_t frames = FrameCount(timeMs);
  if (frames <= 0) return std::nullopt;
  return FormAnimation{AnimKindOf(mode), frames, timeMs};
}

}  // namespace

WindowAnimKind AnimKindOf(TacAnimType mode) {
  switch (mode) {
    case TacAnimType::atAero: return WindowAnimKind::Aero;
    case TacAnimType::atDropDown: return WindowAnimKind::DropDown;
    case TacAnimType::atFading: break;
  }
  return WindowAnimKind::Fading;
}

std::optional<FormAnimation> PlanSkinChange(const AnimationSwitches& switches, bool visible,
                                            bool minimised) {
  if (!visible || minimised) return std::nullopt;
  const TacSkinChangingAnimation& s = switches.Settings.SkinChanging;
  return Planned(switches, s.Active, s.Time, s.Mode);
}

std::optional<FormAnimation> PlanFormHide(const AnimationSwitches& switches) {
  const TacFormAnimation& s = switches.Settings.FormHide;
  return Planned(switches, s.Active, s.Time, s.Mode);
}

}  // namespace velmora::skin
