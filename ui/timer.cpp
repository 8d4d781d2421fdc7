#include "ui/timer.h"

namespace velmora::ui {

Timer::~Timer() {
  if (view_) view_->TimerGone();
}

void Timer::SetEnabled(bool enabled) {
  if (enabled == enabled_) return;
  enabled_ = enabled;
  Restart();
}

void Timer::SetInterval(unsigned intervalMs) {
  if (intervalMs == intervalMs_) return;
  intervalMs_ = intervalMs;
  Restart();
}

}  // namespace velmora::ui
