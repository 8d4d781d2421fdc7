#pragma once
// A borderless layered window that shows a 32-bit image over the desktop with per-pixel and
// constant alpha, never takes activation and lets the mouse through: the stage of the engine's
// window animations.
#include <windows.h>

#include <memory>

#include "skin/paint/pixel_view.h"
#include "skin/paint/win32/dib_bitmap.h"

namespace velmora::skin {

class LayeredOverlay {
 public:
  // Hidden until the first image; topmost when asked.
  explicit LayeredOverlay(bool topmost);
  LayeredOverlay(const LayeredOverlay&) = delete;
  LayeredOverlay& operator=(const LayeredOverlay&) = delete;
  ~LayeredOverlay();

  HWND Handle() const { return window_; }
  // Pushes the image (straight alpha) with the constant alpha, its top-left at the screen point.
  void UpdateLayer(const SourceView& image, uint8_t alpha, POINT at);
  void Hide();
  // Puts the overlay directly below `above` in the window order, without activating it.
  void PlaceBelow(HWND above);
  uint8_t Alpha() const { return alpha_; }

 private:
  HWND window_ = nullptr;
  DibBitmap surface_;
  uint8_t alpha_ = 0;
};

// Desktop composition on; asked of the platform where it can tell, off where it cannot.
bool CompositionOn();

}  // namespace velmora::skin
