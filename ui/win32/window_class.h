#pragma once
#include <windows.h>

namespace velmora::ui {

// Registers a window class of the program once, with the arrow cursor, the button-face
// background and the given class styles; returns its name.
const wchar_t* RegisterWindowClass(const wchar_t* name, WNDPROC procedure, UINT style = 0);

// The object a window was created for (its creation parameter), kept with the window from
// WM_NCCREATE on; for a window procedure to call with every message it gets.
template <typename Owner>
Owner* WindowOwner(HWND window, UINT message, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    const auto* created = reinterpret_cast<CREATESTRUCTW*>(lParam);
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(created->lpCreateParams));
  }
  return reinterpret_cast<Owner*>(GetWindowLongPtrW(window, GWLP_USERDATA));
}

}  // namespace velmora::ui
