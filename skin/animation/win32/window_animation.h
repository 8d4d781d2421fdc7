#pragma once
// A form's show and hide animations played in a layered overlay over the form.
#include <windows.h>

#include <memory>

#include "skin/animation/win32/platform_timer.h"
#include "skin/data/image32.h"
#include "skin/animation/win32/layered_overlay.h"
#include "skin/animation/window_frames.h"

namespace velmora::skin {

// Shows the form: its image grows in the overlay over `timeMs` (the thread waits meanwhile), then
// the form itself appears under it at its final alpha and the overlay goes.
void AnimateWindowShow(HWND form, const Image32& image, int32_t timeMs, uint8_t finalAlpha,
                       WindowAnimKind kind);

// The one hide animation of the process: the image fades (and, for Aero, shrinks) in an overlay
// where the form was, one step each 12 ms, and the overlay is freed after the last one.
class TacHideTimer {
 public:
  static TacHideTimer& Instance();

  // Plays `image` from `startAlpha` down at the screen point; a time below one period plays
  // nothing and frees what a previous hide left at once.
  void AnimateWindowHide(Image32 image, POINT at, int32_t timeMs, WindowAnimKind kind,
                         uint8_t startAlpha, bool topmost);
  bool Running() const { return overlay_ != nullptr; }
  HWND Overlay() const { return overlay_ ? overlay_->Handle() : nullptr; }
  uint8_t Alpha() const { return overlay_ ? overlay_->Alpha() : 0; }
  // Ends a hide at once.
  void Finish();
  // Plays what is left of a hide with the thread waiting, one step each 12 ms: for the ends of
  // the skin and of the application, when no timer message will come any more.
  void RunToEnd();

 private:
  TacHideTimer();
  void Tick();

  TacThreadedTimer timer_{PlatformTimers()};
  std::unique_ptr<LayeredOverlay> overlay_;
  Image32 image_, frame_;
  POINT at_{};
  int32_t frames_ = 0, tick_ = 0;
  WindowAnimKind kind_ = WindowAnimKind::Fading;
  uint8_t startAlpha_ = 255;
};

}  // namespace velmora::skin
