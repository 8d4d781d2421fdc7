#include "skin/controls/win32/glow_window.h"

#include <stdexcept>

namespace velmora::skin {
namespace {

bool Topmost(HWND window) { return (GetWindowLongW(window, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0; }

}  // namespace

LayeredGlowWindow::LayeredGlowWindow(HWND control)
    : root_(GetAncestor(control, GA_ROOT)), overlay_(Topmost(root_)) {}

void LayeredGlowWindow::UpdateLayer(const SourceView& image, uint8_t alpha, int32_t left,
                                    int32_t top) {
  // Behind the window before the control's form: directly above the form, before it shows.
  if (!placed_) {
    const HWND before = GetWindow(root_, GW_HWNDPREV);
    if (before != Handle()) overlay_.PlaceBelow(before);
    placed_ = true;
  }
  overlay_.UpdateLayer(image, alpha, {left, top});
}

std::unique_ptr<GlowWindow> MakeGlowWindow(HWND control) {
  try {
    return std::make_unique<LayeredGlowWindow>(control);
  } catch (const std::runtime_error&) {
    return nullptr;
  }
}

}  // namespace velmora::skin
