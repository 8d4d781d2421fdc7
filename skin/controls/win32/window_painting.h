#pragma once
// What the program's own skinned controls share in answering the platform.
#include <windows.h>

#include <string>

namespace velmora::skin {

// Answers a paint request: `paint` gets the device context and the area to paint.
template <typename Paint>
LRESULT PaintWindow(HWND window, Paint&& paint) {
  PAINTSTRUCT request;
  const HDC dc = BeginPaint(window, &request);
  paint(dc, request.rcPaint);
  EndPaint(window, &request);
  return 0;
}

inline std::wstring WindowText(HWND window) {
  std::wstring text(size_t(GetWindowTextLengthW(window)) + 1, L'\0');
  text.resize(size_t(GetWindowTextW(window, text.data(), int(text.size()))));
  return text;
}

}  // namespace velmora::skin
