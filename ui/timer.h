#pragma once
#include <functional>

#include "ui/component.h"

namespace velmora::ui {

// The platform's side of a timer: told when the timer starts, stops or restarts its period, and
// when the timer goes (the form that carries the view may outlive the components it times).
class TimerView {
 public:
  virtual void Restart() = 0;
  virtual void TimerGone() = 0;

 protected:
  ~TimerView() = default;
};

// A timer component. Enabling it, or changing its interval, starts its period anew; setting a
// value it already has changes nothing.
class Timer : public Component {
 public:
  Timer(ComponentOwner& owner, std::string name, unsigned intervalMs)
      : Component(owner, std::move(name)), intervalMs_(intervalMs) {}
  Timer(const Timer&) = delete;
  Timer& operator=(const Timer&) = delete;
  ~Timer() override;

  bool Enabled() const { return enabled_; }
  unsigned Interval() const { return intervalMs_; }
  void SetEnabled(bool enabled);
  void SetInterval(unsigned intervalMs);
  // One period is over.
  void Tick() const { Fire(OnTimer); }

  void AttachView(TimerView* view) { view_ = view; }

  std::function<void()> OnTimer;

 private:
  void Restart() const {
    if (view_) view_->Restart();
  }

  TimerView* view_ = nullptr;
  bool enabled_ = false;
  unsigned intervalMs_;
};

}  // namespace velmora::ui
