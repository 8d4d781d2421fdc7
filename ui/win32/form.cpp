#include "ui/win32/form.h"

#include <stdexcept>

#include "ui/dpi_scale.h"
#include "ui/win32/application.h"

namespace velmora::ui {
namespace {

constexpr DWORD kFormStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;

int QueryScreenDpi() {
  HDC screen = GetDC(nullptr);
  const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
  ReleaseDC(nullptr, screen);
  return dpi > 0 ? dpi : kDesignDpi;
}

}  // namespace

Form::Form(const FormDefinition& definition) : screenDpi_(QueryScreenDpi()) {
  RegisterWindowClass(definition.className);
  const RECT frame =
      CentredWindowRect(Scale(definition.clientWidth), Scale(definition.clientHeight));
  handle_ = CreateWindowExW(0, definition.className, definition.caption, kFormStyle, frame.left,
                            frame.top, frame.right - frame.left, frame.bottom - frame.top, nullptr,
                            nullptr, Application::Instance().Module(), this);
  if (!handle_) throw std::runtime_error("the window could not be created");
}

Form::~Form() {
  if (handle_) DestroyWindow(handle_);
}

int Form::Scale(int designPixels) const { return ScaleForDpi(designPixels, screenDpi_); }

void Form::Show() {
  ShowWindow(handle_, SW_SHOW);
  UpdateWindow(handle_);
}

void Form::Close() { PostMessageW(handle_, WM_CLOSE, 0, 0); }

LRESULT Form::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_CLOSE:
      if (CloseQuery()) DestroyWindow(handle_);
      return 0;
    case WM_NCDESTROY:
      handle_ = nullptr;
      Application::Instance().FormDestroyed(this);
      return 0;
    default:
      return DefWindowProcW(handle_, message, wParam, lParam);
  }
}

LRESULT CALLBACK Form::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* form = static_cast<Form*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
    form->handle_ = window;
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(form));
  }
  auto* form = reinterpret_cast<Form*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (!form) return DefWindowProcW(window, message, wParam, lParam);
  // Exceptions must not unwind through the platform's frames: show them and carry on.
  try {
    return form->HandleMessage(message, wParam, lParam);
  } catch (...) {
    Application::Instance().ShowException(std::current_exception());
    return 0;
  }
}

void Form::RegisterWindowClass(const wchar_t* className) const {
  HINSTANCE module = Application::Instance().Module();
  WNDCLASSEXW existing{};
  existing.cbSize = sizeof(existing);
  if (GetClassInfoExW(module, className, &existing)) return;
  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof(windowClass);
  windowClass.lpfnWndProc = WindowProc;
  windowClass.hInstance = module;
  windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  windowClass.lpszClassName = className;
  if (!RegisterClassExW(&windowClass)) throw std::runtime_error("window class not registered");
}

RECT Form::CentredWindowRect(int clientWidth, int clientHeight) const {
  RECT frame{0, 0, clientWidth, clientHeight};
  AdjustWindowRectEx(&frame, kFormStyle, FALSE, 0);
  const int width = frame.right - frame.left;
  const int height = frame.bottom - frame.top;
  const int left = (GetSystemMetrics(SM_CXSCREEN) - width) / 2;
  const int top = (GetSystemMetrics(SM_CYSCREEN) - height) / 2;
  return RECT{left, top, left + width, top + height};
}

}  // namespace velmora::ui
