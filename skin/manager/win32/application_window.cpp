#include "skin/manager/win32/application_window.h"

#include <stdexcept>

#include "ui/win32/application.h"
#include "ui/win32/window_class.h"

namespace velmora::skin {

ApplicationWindow::ApplicationWindow(const std::wstring& title, Hook hook)
    : hook_(std::move(hook)) {
  const wchar_t* className = ui::RegisterWindowClass(L"TApplication", WindowProc);
  window_ = CreateWindowExW(WS_EX_TOOLWINDOW, className, title.c_str(), WS_POPUP, 0, 0, 0, 0,
                            nullptr, nullptr, ui::Application::Instance().Module(), this);
  if (!window_) throw std::runtime_error("the application window could not be created");
}

ApplicationWindow::~ApplicationWindow() {
  SetWindowLongPtrW(window_, GWLP_USERDATA, 0);
  DestroyWindow(window_);
}

LRESULT CALLBACK ApplicationWindow::WindowProc(HWND window, UINT message, WPARAM wParam,
                                               LPARAM lParam) {
  auto* self = ui::WindowOwner<ApplicationWindow>(window, message, lParam);
  if (self && self->hook_) {
    // Exceptions must not unwind through the platform's frames.
    try {
      if (const auto answer = self->hook_(message, wParam, lParam)) return *answer;
    } catch (...) {
      ui::Application::Instance().ShowException(std::current_exception());
      return 0;
    }
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace velmora::skin
