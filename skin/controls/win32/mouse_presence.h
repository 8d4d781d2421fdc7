#pragma once
#include <windows.h>

namespace velmora::skin {

// Whether the pointer is over a window, from its own mouse messages: the first move in is the
// enter, the platform's leave notice (asked for on that move) the leave.
class MousePresence {
 public:
  // True when this message made the pointer enter the window.
  bool Entered(HWND window, UINT message) {
    if (message != WM_MOUSEMOVE || inside_) return false;
    TRACKMOUSEEVENT track{sizeof track, TME_LEAVE, window, 0};
    inside_ = TrackMouseEvent(&track) != FALSE;
    return inside_;
  }
  bool Left(UINT message) {
    if (message != WM_MOUSELEAVE || !inside_) return false;
    inside_ = false;
    return true;
  }

 private:
  bool inside_ = false;
};

}  // namespace velmora::skin
