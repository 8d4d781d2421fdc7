#include "skin/animation/win32/platform_timer.h"

#include <windows.h>

#include <unordered_map>
#include <utility>

namespace velmora::skin {
namespace {

class PlatformTimer;

// The running timers by id: a tick posted before its timer was killed finds nothing.
std::unordered_map<UINT_PTR, PlatformTimer*>& Running() {
  static std::unordered_map<UINT_PTR, PlatformTimer*> running;
  return running;
}

class PlatformTimer : public TimerCarrier {
 public:
  explicit PlatformTimer(std::function<void()> tick) : tick_(std::move(tick)) {}
  PlatformTimer(const PlatformTimer&) = delete;
  PlatformTimer& operator=(const PlatformTimer&) = delete;
  ~PlatformTimer() override { Stop(); }

  void Start(uint32_t intervalMs) override {
    Stop();
    id_ = SetTimer(nullptr, 0, intervalMs, &Procedure);
    if (id_) Running()[id_] = this;
  }
  void Stop() override {
    if (!id_) return;
    KillTimer(nullptr, id_);
    Running().erase(id_);
    id_ = 0;
  }

 private:
  static void CALLBACK Procedure(HWND, UINT, UINT_PTR id, DWORD) {
    const auto found = Running().find(id);
    // The tick may end the timer's owner: nothing of it is touched after.
    if (found != Running().end()) found->second->tick_();
  }

  std::function<void()> tick_;
  UINT_PTR id_ = 0;
};

}  // namespace

TimerCarriers PlatformTimers() {
  return [](std::function<void()> tick) -> std::unique_ptr<TimerCarrier> {
    return std::make_unique<PlatformTimer>(std::move(tick));
  };
}

}  // namespace velmora::skin
