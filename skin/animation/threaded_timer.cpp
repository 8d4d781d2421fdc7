#include "skin/animation/threaded_timer.h"

#include <utility>

namespace velmora::skin {
namespace {

// Marks a tick or first step in progress for as long as it lives.
struct BusyMark {
  explicit BusyMark(bool& busy) : busy_(busy) { busy_ = true; }
  BusyMark(const BusyMark&) = delete;
  BusyMark& operator=(const BusyMark&) = delete;
  ~BusyMark() { busy_ = false; }
  bool& busy_;
};

}  // namespace

TacThreadedTimer::TacThreadedTimer(const TimerCarriers& carriers)
    : carrier_(carriers([this] { Tick(); })) {}

TacThreadedTimer::~TacThreadedTimer() {
  destroying_ = true;
  carrier_->Stop();
}

void TacThreadedTimer::SetEnabled(bool enabled) {
  if (enabled == enabled_) return;
  enabled_ = enabled;
  Restart();
}

void TacThreadedTimer::SetInterval(uint32_t intervalMs) {
  if (intervalMs == interval_) return;
  interval_ = intervalMs;
  Restart();
}

void TacThreadedTimer::SetOnTimer(std::function<void()> onTimer) {
  onTimer_ = std::move(onTimer);
  Restart();
}

void TacThreadedTimer::SetThreadPriority(TThreadPriority priority) {
  if (priority == priority_) return;
  priority_ = priority;
  Restart();
}

void TacThreadedTimer::Restart() {
  ticking_ = enabled_ && interval_ != 0 && (onTimer_ || step_) && !destroying_;
  if (ticking_) carrier_->Start(interval_);
  else carrier_->Stop();
}

bool TacThreadedTimer::StartSteps(int32_t count, int32_t first, uint32_t intervalMs,
                                  StepFunction step) {
  enabled_ = false;
  Restart();
  StepCount = count, StepIndex = first;
  step_ = std::move(step);
  interval_ = intervalMs;
  enabled_ = true;
  Restart();
  bool goOn;
  {
    const BusyMark busy(busy_);
    goOn = step_(StepIndex);
  }
  if (!goOn) return SetEnabled(false), false;
  StopIfDone();
  return true;
}

// The timer stops right after the last step rather than on a further, empty tick.
void TacThreadedTimer::StopIfDone() {
  if (step_ && StepIndex >= StepCount) SetEnabled(false);
}

void TacThreadedTimer::Tick() {
  if (busy_ || destroying_ || !ticking_) return;
  const BusyMark busy(busy_);
  if (!step_) {
    if (onTimer_) onTimer_();
    return;
  }
  if (++StepIndex > StepCount) return SetEnabled(false);
  step_(StepIndex);
  StopIfDone();
}

}  // namespace velmora::skin
