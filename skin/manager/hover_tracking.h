#pragma once
#include <cstdint>
#include <functional>

#include "skin/manager/engine_message.h"
#include "ui/timer.h"

namespace velmora::skin {

// A window or control whose hover the manager tracks.
class HoverTarget {
 public:
  // The cursor lies over the target (for a window: the visible part of its rectangle).
  virtual bool CursorInside() const = 0;
  virtual bool IsAncestorOf(const HoverTarget& other) const = 0;
  virtual bool BeingDestroyed() const = 0;
  // Asks the target (GetSkinData) whether it keeps the hover.
  virtual bool KeepsHover() = 0;
  virtual void Deliver(EngineCommand command, intptr_t argument) = 0;

 protected:
  ~HoverTarget() = default;
};

// One hovered window and one hovered control, told when the mouse enters and leaves. The 100 ms
// timer runs only while something is hovered.
class HoverTracker {
 public:
  static constexpr unsigned kIntervalMs = 100;

  HoverTracker(ui::Timer& timer, intptr_t manager, std::function<bool()> ownerDestroying);

  void SetHoveredWindow(HoverTarget* window);
  void SetHoveredControl(HoverTarget* control);
  // A target that goes away is dropped without being told.
  void Forget(const HoverTarget* target);
  HoverTarget* HoveredWindow() const { return window_; }
  HoverTarget* HoveredControl() const { return control_; }

 private:
  bool ReleaseControl();
  void Tick();
  void UpdateTimer() { timer_.SetEnabled(window_ || control_); }

  ui::Timer& timer_;
  intptr_t manager_;
  std::function<bool()> ownerDestroying_;
  HoverTarget* window_ = nullptr;
  HoverTarget* control_ = nullptr;
};

}  // namespace velmora::skin
