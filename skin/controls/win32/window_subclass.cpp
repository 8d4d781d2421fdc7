#include "skin/controls/win32/window_subclass.h"

#include <utility>

namespace velmora::skin {

WindowSubclass::WindowSubclass(HWND window, SUBCLASSPROC procedure, void* data)
    : procedure_(procedure), id_(reinterpret_cast<UINT_PTR>(data)) {
  // Keyed by its data as well, so two owners on one window never replace each other.
  if (SetWindowSubclass(window, procedure, id_, reinterpret_cast<DWORD_PTR>(data)))
    window_ = window;
}

void WindowSubclass::Remove() {
  if (const HWND window = std::exchange(window_, nullptr))
    RemoveWindowSubclass(window, procedure_, id_);
}

}  // namespace velmora::skin
