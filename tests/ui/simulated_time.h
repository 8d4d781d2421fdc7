#pragma once
// Simulated time for timer components: hours of ticks run in milliseconds, in the order real
// timers would fire them.
#include <cstdint>
#include <memory>
#include <vector>

#include "ui/timer.h"

namespace velmora::testing {

class SimulatedTime {
 public:
  // Takes the place of the timers' platform views until destroyed.
  explicit SimulatedTime(const std::vector<ui::Timer*>& timers);
  SimulatedTime(const SimulatedTime&) = delete;
  SimulatedTime& operator=(const SimulatedTime&) = delete;
  ~SimulatedTime();

  // Fires every tick that falls due within the next `ms`; ticks due together fire in the order
  // the timers were given.
  void Advance(std::uint64_t ms);
  std::uint64_t NowMs() const { return nowMs_; }

 private:
  struct Clocked : ui::TimerView {
    Clocked(SimulatedTime& owner, ui::Timer& clockedTimer) : time(owner), timer(&clockedTimer) {}
    void Restart() override { dueMs = time.nowMs_ + timer->Interval(); }
    void TimerGone() override { timer = nullptr; }

    SimulatedTime& time;
    ui::Timer* timer;
    std::uint64_t dueMs = 0;
  };

  Clocked* NextDue(std::uint64_t untilMs) const;

  std::vector<std::unique_ptr<Clocked>> clocked_;
  std::uint64_t nowMs_ = 0;
};

}  // namespace velmora::testing
