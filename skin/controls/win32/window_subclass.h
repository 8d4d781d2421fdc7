#pragma once
#include <windows.h>
#include <commctrl.h>

namespace velmora::skin {

// A subclass procedure installed on a window for as long as this lives, or until the window is
// destroyed (the procedure then removes it from its final message).
class WindowSubclass {
 public:
  WindowSubclass(HWND window, SUBCLASSPROC procedure, void* data);
  WindowSubclass(const WindowSubclass&) = delete;
  WindowSubclass& operator=(const WindowSubclass&) = delete;
  ~WindowSubclass() { Remove(); }

  void Remove();
  bool Installed() const { return window_ != nullptr; }

 private:
  HWND window_ = nullptr;
  SUBCLASSPROC procedure_;
  UINT_PTR id_;
};

}  // namespace velmora::skin
