#pragma once
#include <windows.h>

namespace velmora::skin {

// A window property held for as long as this lives. It is removed on release only while it
// still holds this owner's value, so a property re-registered by a newer owner stays.
class WindowProperty {
 public:
  WindowProperty() = default;
  WindowProperty(HWND window, const wchar_t* name, void* value);
  WindowProperty(WindowProperty&& other) noexcept;
  WindowProperty& operator=(WindowProperty&& other) noexcept;
  ~WindowProperty() { Release(); }

  void Release();
  bool Held() const { return window_ != nullptr; }

 private:
  HWND window_ = nullptr;
  const wchar_t* name_ = nullptr;
  void* value_ = nullptr;
};

}  // namespace velmora::skin
