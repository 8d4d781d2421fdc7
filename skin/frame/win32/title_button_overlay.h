#pragma once
// One title button's overlay: a layered window directly above the form showing the button's hot
// or pressed look, faded in and out on the engine's 12 ms timer. The window exists from the first
// step of a fade in until a fade out has reached nothing; shown in full, each tick checks that the
// pointer is still over the button and tells the form when it is not.
#include <windows.h>

#include <memory>

#include "skin/animation/threaded_timer.h"
#include "skin/animation/win32/layered_overlay.h"
#include "skin/frame/title_button_fade.h"

namespace velmora::skin {

class TitleButtonOverlay {
 public:
  explicit TitleButtonOverlay(HWND form);
  TitleButtonOverlay(const TitleButtonOverlay&) = delete;
  TitleButtonOverlay& operator=(const TitleButtonOverlay&) = delete;
  ~TitleButtonOverlay();

  // Fades towards the state: in showing `look` (the button's picture in that state) with its
  // top-left at the screen point, or out (state 0) from what shows now. The first step is at once.
  void FadeTo(int32_t state, bool animate, Image32 look, POINT at);
  HWND Window() const { return overlay_ ? overlay_->Handle() : nullptr; }
  uint8_t Alpha() const { return fade_.Alpha(); }

 private:
  void Step();
  void WatchPointer();

  HWND form_;
  TitleButtonFade fade_;
  Image32 look_;
  POINT at_{};
  std::unique_ptr<LayeredOverlay> overlay_;
  TacThreadedTimer timer_;
};

}  // namespace velmora::skin
