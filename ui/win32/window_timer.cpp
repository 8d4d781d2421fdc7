#include "ui/win32/window_timer.h"

namespace velmora::ui {

WindowTimer::WindowTimer(Timer& timer, HWND window, UINT_PTR id)
    : timer_(&timer), window_(window), id_(id) {
  timer_->AttachView(this);
  Restart();
}

WindowTimer::~WindowTimer() {
  if (timer_) timer_->AttachView(nullptr);
  KillTimer(window_, id_);
}

// Setting the same id again starts its period anew.
void WindowTimer::Restart() {
  if (timer_ && timer_->Enabled()) {
    SetTimer(window_, id_, timer_->Interval(), nullptr);
  } else {
    KillTimer(window_, id_);
  }
}

}  // namespace velmora::ui
