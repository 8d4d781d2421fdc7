#include "skin/controls/win32/window_subclass.h"

#include <utility>

namespace velmora::skin {

WindowSubclass::WindowSubclass(HWND window, SUBCLASSPROC procedure, void* data)
    : procedure_(procedure) {
  if (SetWindowSubclass(window, procedure, 0, reinterpret_cast<DWORD_PTR>(data))) window_ = window;
}

void WindowSubclass::Remove() {
  if (const HWND window = std::exchange(window_, nullptr))
    RemoveWindowSubclass(window, procedure_, 0);
}

}  // namespace velmora::skin
