#pragma once
// The desktop's own minimise and restore animation: a desktop-wide switch that the engine turns
// off only for the length of one platform operation while its own animation plays.
#include <windows.h>

namespace velmora::skin {

bool AnimationSwitch();
// Not persisted: the user's stored setting stays as it was.
void SetAnimationSwitch(bool on);

// Off for as long as this lives; then back to what it was, on every path.
class PlatformAnimationPause {
 public:
  PlatformAnimationPause() : was_(AnimationSwitch()) {
    if (was_) SetAnimationSwitch(false);
  }
  PlatformAnimationPause(const PlatformAnimationPause&) = delete;
  PlatformAnimationPause& operator=(const PlatformAnimationPause&) = delete;
  ~PlatformAnimationPause() {
    if (was_) SetAnimationSwitch(true);
  }

 private:
  bool was_;
};

}  // namespace velmora::skin
