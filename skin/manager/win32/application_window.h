#pragma once
#include <windows.h>

#include <functional>
#include <optional>
#include <string>

namespace velmora::skin {

// The application's hidden main window, which other processes address. Its messages are
// offered to a hook first; what the hook does not answer gets the default handling.
class ApplicationWindow {
 public:
  using Hook = std::function<std::optional<LRESULT>(UINT message, WPARAM, LPARAM)>;

  ApplicationWindow(const std::wstring& title, Hook hook);
  ApplicationWindow(const ApplicationWindow&) = delete;
  ApplicationWindow& operator=(const ApplicationWindow&) = delete;
  ~ApplicationWindow();

  HWND Handle() const { return window_; }

 private:
  static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

  Hook hook_;
  HWND window_ = nullptr;
};

}  // namespace velmora::skin
