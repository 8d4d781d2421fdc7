#include "tests/ui/simulated_time.h"

namespace velmora::testing {

SimulatedTime::SimulatedTime(const std::vector<ui::Timer*>& timers) {
  for (ui::Timer* timer : timers) {
    clocked_.push_back(std::make_unique<Clocked>(*this, *timer));
    timer->AttachView(clocked_.back().get());
    clocked_.back()->Restart();
  }
}

SimulatedTime::~SimulatedTime() {
  for (const auto& clocked : clocked_) {
    if (clocked->timer) clocked->timer->AttachView(nullptr);
  }
}

void SimulatedTime::Advance(std::uint64_t ms) {
  const std::uint64_t untilMs = nowMs_ + ms;
  while (Clocked* next = NextDue(untilMs)) {
    nowMs_ = next->dueMs;
    // A handler that changes its timer restarts the period from now, over this.
    next->dueMs += next->timer->Interval();
    next->timer->Tick();
  }
  nowMs_ = untilMs;
}

SimulatedTime::Clocked* SimulatedTime::NextDue(std::uint64_t untilMs) const {
  Clocked* next = nullptr;
  for (const auto& clocked : clocked_) {
    if (clocked->timer && clocked->timer->Enabled() && clocked->dueMs <= untilMs &&
        (!next || clocked->dueMs < next->dueMs)) {
      next = clocked.get();
    }
  }
  return next;
}

}  // namespace velmora::testing
