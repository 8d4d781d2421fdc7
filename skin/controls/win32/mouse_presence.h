#pragma once
#include <windows.h>
#include <windowsx.h>

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

// Whether a mouse message's point (its lParam, in client coordinates) lies on the window: a press
// released off a control does not click it.
inline bool ClientContains(HWND window, LPARAM point) {
  RECT client;
  GetClientRect(window, &client);
  return PtInRect(&client, {GET_X_LPARAM(point), GET_Y_LPARAM(point)}) != FALSE;
}

}  // namespace velmora::skin
