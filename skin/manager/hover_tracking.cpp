#include "skin/manager/hover_tracking.h"

#include <utility>

namespace velmora::skin {

HoverTracker::HoverTracker(ui::Timer& timer, intptr_t manager,
                           std::function<bool()> ownerDestroying)
    : timer_(timer), manager_(manager), ownerDestroying_(std::move(ownerDestroying)) {
  timer_.SetInterval(kIntervalMs);
  timer_.OnTimer = [this] { Tick(); };
}

// False when the control keeps the hover.
bool HoverTracker::ReleaseControl() {
  if (!control_) return true;
  if (control_->KeepsHover()) return false;
  HoverTarget* old = control_;
  control_ = nullptr;
  old->Deliver(EngineCommand::MouseLeft, manager_);
  return true;
}

void HoverTracker::SetHoveredWindow(HoverTarget* window) {
  if (window == window_) return;
  // Moving onto an ancestor while still over the current window's visible part is no change.
  if (window_ && window && window_->CursorInside() && window->IsAncestorOf(*window_)) return;
  if (!ReleaseControl()) return;
  HoverTarget* old = window_;
  window_ = window;
  if (old) old->Deliver(EngineCommand::MouseLeft, manager_);
  if (window_) window_->Deliver(EngineCommand::MouseEntered, manager_);
  UpdateTimer();
}

// Only letting go is refused by a control that keeps the hover; another control takes it over.
void HoverTracker::SetHoveredControl(HoverTarget* control) {
  if (ownerDestroying_() || control == control_) return;
  if (!control) {
    ReleaseControl();
  } else if (HoverTarget* old = std::exchange(control_, control)) {
    old->Deliver(EngineCommand::MouseLeft, manager_);
  }
  UpdateTimer();
}

void HoverTracker::Forget(const HoverTarget* target) {
  if (window_ == target) window_ = nullptr;
  if (control_ == target) control_ = nullptr;
  UpdateTimer();
}

void HoverTracker::Tick() {
  if (window_ && !window_->CursorInside()) {
    HoverTarget* old = window_;
    window_ = nullptr;
    old->Deliver(EngineCommand::MouseLeft, manager_);
  }
  // Told once: the control then lets go of the hover itself, or is dropped here.
  if (control_ && !control_->BeingDestroyed() && !control_->CursorInside()) {
    HoverTarget* old = control_;
    control_ = nullptr;
    old->Deliver(EngineCommand::MouseLeft, manager_);
  }
  UpdateTimer();
}

}  // namespace velmora::skin
