#include "skin/controls/win32/window_property.h"

#include <utility>

namespace velmora::skin {

WindowProperty::WindowProperty(HWND window, const wchar_t* name, void* value)
    : name_(name), value_(value) {
  if (SetPropW(window, name, value)) window_ = window;
}

WindowProperty::WindowProperty(WindowProperty&& other) noexcept
    : window_(std::exchange(other.window_, nullptr)), name_(other.name_), value_(other.value_) {}

WindowProperty& WindowProperty::operator=(WindowProperty&& other) noexcept {
  if (this != &other) {
    Release();
    window_ = std::exchange(other.window_, nullptr);
    name_ = other.name_;
    value_ = other.value_;
  }
  return *this;
}

void WindowProperty::Release() {
  const HWND window = std::exchange(window_, nullptr);
  if (window && GetPropW(window, name_) == value_) RemovePropW(window, name_);
}

}  // namespace velmora::skin
