#pragma once
// A control's glow on the desktop: a layered overlay placed directly above the control's
// top-level window, so that other windows still cover it.
#include <windows.h>

#include <memory>

#include "skin/animation/win32/layered_overlay.h"
#include "skin/controls/skin_owner.h"

namespace velmora::skin {

class LayeredGlowWindow : public GlowWindow {
 public:
  // Topmost when the control's top-level window is.
  explicit LayeredGlowWindow(HWND control);
  void UpdateLayer(const SourceView& image, uint8_t alpha, int32_t left, int32_t top) override;
  HWND Handle() const { return overlay_.Handle(); }

 private:
  HWND root_;
  LayeredOverlay overlay_;
  bool placed_ = false;
};

// nullptr when the window cannot be made.
std::unique_ptr<GlowWindow> MakeGlowWindow(HWND control);

}  // namespace velmora::skin
