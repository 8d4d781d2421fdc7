#include "ui/win32/window_class.h"

#include <stdexcept>

#include "ui/win32/application.h"

namespace velmora::ui {

const wchar_t* RegisterWindowClass(const wchar_t* name, WNDPROC procedure, UINT style) {
  HINSTANCE module = Application::Instance().Module();
  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof(windowClass);
  if (GetClassInfoExW(module, name, &windowClass)) return name;
  windowClass.style = style;
  windowClass.lpfnWndProc = procedure;
  windowClass.hInstance = module;
  windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  windowClass.lpszClassName = name;
  if (!RegisterClassExW(&windowClass)) throw std::runtime_error("window class not registered");
  return name;
}

}  // namespace velmora::ui
