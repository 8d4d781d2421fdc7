#pragma once
// The engine's timer: one ordinary platform timer owned by the object, ticking on the
// user-interface thread (no thread of its own despite the name). It runs either a plain
// notification or a counted sequence of steps, and only while there is something to run.
#include <cstdint>
#include <functional>
#include <memory>

namespace velmora::skin {

// The platform's periodic timer as the engine's timers drive it. It ticks on the thread that
// started it; a stopped carrier never ticks.
class TimerCarrier {
 public:
  virtual ~TimerCarrier() = default;
  // Starts the period anew, also when already running.
  virtual void Start(uint32_t intervalMs) = 0;
  virtual void Stop() = 0;
};
// Makes a stopped carrier that calls `tick` at the end of each period.
using TimerCarriers = std::function<std::unique_ptr<TimerCarrier>(std::function<void()> tick)>;

enum class TThreadPriority { tpIdle, tpLowest, tpLower, tpNormal, tpHigher, tpHighest,
                             tpTimeCritical };

class TacThreadedTimer {
 public:
  // Called with the step index; the answer counts only for the first step (see StartSteps).
  using StepFunction = std::function<bool(int32_t step)>;

  explicit TacThreadedTimer(const TimerCarriers& carriers);
  TacThreadedTimer(const TacThreadedTimer&) = delete;
  TacThreadedTimer& operator=(const TacThreadedTimer&) = delete;
  virtual ~TacThreadedTimer();

  // Published. A new value restarts the inner timer, which runs only while enabled, with an
  // interval above 0 and something to call.
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool enabled);
  uint32_t Interval() const { return interval_; }
  void SetInterval(uint32_t intervalMs);
  void SetOnTimer(std::function<void()> onTimer);
  // Stored only: the timer ticks on the user-interface thread whatever its priority.
  TThreadPriority ThreadPriority() const { return priority_; }
  void SetThreadPriority(TThreadPriority priority);

  // A counted sequence: step `first` runs at once, then one step per tick with the index
  // increased, up to `count`; the timer stops after the last. A first step that answers false
  // stops it at once (and StartSteps answers false). A step may raise StepCount to go on.
  bool StartSteps(int32_t count, int32_t first, uint32_t intervalMs, StepFunction step);
  int32_t StepCount = 0;
  int32_t StepIndex = 0;

  // The inner timer is running.
  bool Ticking() const { return ticking_; }
  // One period is over (the carrier's call). Dropped while the previous tick still runs.
  void Tick();

 private:
  void Restart();
  void StopIfDone();

  std::unique_ptr<TimerCarrier> carrier_;
  bool enabled_ = true;
  uint32_t interval_ = 1000;
  TThreadPriority priority_ = TThreadPriority::tpNormal;
  std::function<void()> onTimer_;
  StepFunction step_;
  bool ticking_ = false;
  bool busy_ = false;
  bool destroying_ = false;
};

}  // namespace velmora::skin
