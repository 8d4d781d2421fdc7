#pragma once
// A control's fade timer: the engine's timer carrying the transition between the control's
// images from one step to the next.
#include <cstdint>

#include "skin/animation/threaded_timer.h"
#include "skin/data/image32.h"

namespace velmora::skin {

enum FadeKind : int32_t { kFadeIdle = -1, kFadeToNormal = 0, kFadeToHot = 1, kFadeToPressed = 2 };

struct TacFadeTimer : TacThreadedTimer {
  using TacThreadedTimer::TacThreadedTimer;

  double Value = 0;  // 0..255, the progress; kept between fades of the same control
  double Delta = 0;  // change of Value per step
  int32_t Kind = kFadeIdle;
  int32_t PreviousKind = kFadeIdle;
  Image32 Old, New, Work;
  bool GlowOnly = false;  // fading out the glow alone, the control's image left as it is  // the image before the change, after it, and the one shown now
};

}  // namespace velmora::skin
