#pragma once
// Simulated time for the engine's timers: carriers that tick when the test advances the clock,
// in the order real timers would fire, and that count their starts and ticks.
#include <algorithm>
#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

#include "skin/animation/threaded_timer.h"

namespace velmora::skin::test {

class SimulatedCarriers {
 public:
  TimerCarriers Maker() {
    return [this](std::function<void()> tick) -> std::unique_ptr<TimerCarrier> {
      return std::make_unique<Carrier>(*this, std::move(tick));
    };
  }

  // Fires every tick that falls due within the next `ms`.
  void Advance(uint64_t ms) {
    const uint64_t until = now_ + ms;
    while (Carrier* next = NextDue(until)) {
      now_ = next->due;
      next->due += next->interval;
      ++ticks_;
      next->tick();
    }
    now_ = until;
  }
  uint64_t NowMs() const { return now_; }
  // Ticks delivered so far, of every carrier.
  int Ticks() const { return ticks_; }
  // Carriers running now.
  int Running() const {
    return int(std::count_if(live_.begin(), live_.end(), [](Carrier* c) { return c->running; }));
  }

 private:
  struct Carrier : TimerCarrier {
    Carrier(SimulatedCarriers& owner, std::function<void()> onTick)
        : time(owner), tick(std::move(onTick)) {
      time.live_.push_back(this);
    }
    ~Carrier() override { std::erase(time.live_, this); }
    void Start(uint32_t ms) override { running = true, interval = ms, due = time.now_ + ms; }
    void Stop() override { running = false; }

    SimulatedCarriers& time;
    std::function<void()> tick;
    bool running = false;
    uint32_t interval = 0;
    uint64_t due = 0;
  };

  Carrier* NextDue(uint64_t until) const {
    Carrier* next = nullptr;
    for (Carrier* c : live_)
      if (c->running && c->due <= until && (!next || c->due < next->due)) next = c;
    return next;
  }

  std::vector<Carrier*> live_;
  uint64_t now_ = 0;
  int ticks_ = 0;
};

}  // namespace velmora::skin::test
