#pragma once
#include <windows.h>

#include "ui/timer.h"

namespace velmora::ui {

// A timer component's platform timer: a timer of the form's window, known by its id.
class WindowTimer : public TimerView {
 public:
  WindowTimer(Timer& timer, HWND window, UINT_PTR id);
  WindowTimer(const WindowTimer&) = delete;
  WindowTimer& operator=(const WindowTimer&) = delete;
  ~WindowTimer();

  UINT_PTR Id() const { return id_; }
  void Restart() override;
  void TimerGone() override { timer_ = nullptr; }
  void Elapsed() const {
    if (timer_) timer_->Tick();
  }

 private:
  Timer* timer_;
  HWND window_;
  UINT_PTR id_;
};

}  // namespace velmora::ui
