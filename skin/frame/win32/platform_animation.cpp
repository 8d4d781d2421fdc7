#include "skin/frame/win32/platform_animation.h"

namespace velmora::skin {

bool AnimationSwitch() {
  ANIMATIONINFO info{sizeof info, 0};
  return SystemParametersInfoW(SPI_GETANIMATION, sizeof info, &info, 0) && info.iMinAnimate != 0;
}

void SetAnimationSwitch(bool on) {
  ANIMATIONINFO info{sizeof info, on ? 1 : 0};
  SystemParametersInfoW(SPI_SETANIMATION, sizeof info, &info, 0);
}

}  // namespace velmora::skin
