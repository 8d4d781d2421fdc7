#include "skin/animation/win32/layered_overlay.h"

#include <cstring>
#include <stdexcept>

#include "skin/paint/fill.h"

namespace velmora::skin {
namespace {

constexpr DWORD kOverlayExStyle =
    WS_EX_LAYERED | WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE | WS_EX_TRANSPARENT;

// Every hit passes through: the overlay is a picture, not a window to click.
LRESULT CALLBACK OverlayProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCHITTEST) return HTTRANSPARENT;
  if (message == WM_MOUSEACTIVATE) return MA_NOACTIVATE;
  return DefWindowProcW(window, message, wParam, lParam);
}

const wchar_t* OverlayClass() {
  static const wchar_t* name = [] {
    WNDCLASSW c{};
    c.lpfnWndProc = OverlayProc;
    c.hInstance = GetModuleHandleW(nullptr);
    c.lpszClassName = L"TacGlowForm";
    RegisterClassW(&c);
    return c.lpszClassName;
  }();
  return name;
}

}  // namespace

LayeredOverlay::LayeredOverlay(bool topmost) {
  window_ = CreateWindowExW(kOverlayExStyle | (topmost ? WS_EX_TOPMOST : 0), OverlayClass(), L"",
                            WS_POPUP, 0, 0, 0, 0, nullptr, nullptr, GetModuleHandleW(nullptr),
                            nullptr);
  if (!window_) throw std::runtime_error("the animation overlay could not be created");
}

LayeredOverlay::~LayeredOverlay() { DestroyWindow(window_); }

void LayeredOverlay::UpdateLayer(const SourceView& image, uint8_t alpha, POINT at) {
  if (image.Empty()) return;
  const PixelView pixels = surface_.Pixels();
  if (pixels.Width != image.Width || pixels.Height != image.Height)
    surface_ = DibBitmap::Make(image.Width, image.Height);
  const PixelView target = surface_.Pixels();
  if (target.Empty()) return;
  for (int32_t y = 0; y < image.Height; ++y)
    std::memcpy(target.Row(y), image.Row(y), size_t(image.Width) * sizeof(uint32_t));
  PremultiplyForLayer(target, target.Bounds(), CompositionOn());
  SIZE size{image.Width, image.Height};
  POINT origin{0, 0};
  BLENDFUNCTION blend{AC_SRC_OVER, 0, alpha, AC_SRC_ALPHA};
  UpdateLayeredWindow(window_, nullptr, &at, &size, surface_.Dc(), &origin, 0, &blend, ULW_ALPHA);
  alpha_ = alpha;
  if (!IsWindowVisible(window_))
    SetWindowPos(window_, nullptr, 0, 0, 0, 0,
                 SWP_SHOWWINDOW | SWP_NOACTIVATE | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER);
}

void LayeredOverlay::Hide() { ShowWindow(window_, SW_HIDE); }

void LayeredOverlay::PlaceBelow(HWND above) {
  SetWindowPos(window_, above ? above : HWND_TOP, 0, 0, 0, 0,
               SWP_NOACTIVATE | SWP_NOMOVE | SWP_NOSIZE);
}

bool CompositionOn() {
  using Query = HRESULT(WINAPI*)(BOOL*);
  static const Query query = [] {
    const HMODULE dwm = LoadLibraryW(L"dwmapi.dll");
    return dwm ? reinterpret_cast<Query>(
                     reinterpret_cast<void*>(GetProcAddress(dwm, "DwmIsCompositionEnabled")))
               : nullptr;
  }();
  BOOL on = FALSE;
  return query && SUCCEEDED(query(&on)) && on;
}

}  // namespace velmora::skin
