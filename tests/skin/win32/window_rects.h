#pragma once
// A window's place on the screen, for tests that check where overlays stand.
#include <windows.h>

namespace velmora::skin::test {

inline RECT Bounds(HWND window) {
  RECT r{};
  GetWindowRect(window, &r);
  return r;
}

inline bool Same(const RECT& a, const RECT& b) {
  return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

}  // namespace velmora::skin::test
