#pragma once
// Which of a form's window animations play, and how: the manager's switches and settings, the
// form's own switch and the form's state decide. Pure decisions; the platform layer plays them.
#include <cstdint>
#include <optional>

#include "skin/animation/window_frames.h"
#include "skin/manager/manager_options.h"

namespace velmora::skin {

struct FormAnimation {
  WindowAnimKind Kind = WindowAnimKind::Fading;
  int32_t Frames = 0;  // of 12 ms; never 0 in a planned animation
  int32_t TimeMs = 0;
};

WindowAnimKind AnimKindOf(TacAnimType mode);

// The switches a form's animations answer to: the manager's and the form's own.
struct AnimationSwitches {
  const TacSkinEffects& Effects;
  const TacAnimEffects& Settings;
  bool FormAllows = true;
};

// The fade of a form's old look after a skin change: only for a form on the screen, neither
// hidden nor minimised, and only for a time of at least one frame.
std::optional<FormAnimation> PlanSkinChange(const AnimationSwitches& switches, bool visible,
                                            bool minimised);
// A form's hide: a time below one frame plays nothing and keeps nothing.
std::optional<FormAnimation> PlanFormHide(const AnimationSwitches& switches);

}  // namespace velmora::skin
