#pragma once
// The fade of one form's old look over its new one when the skin changes: the look is taken from
// the screen and kept in an overlay directly above the form while the new skin is broadcast and
// painted; then it fades out one frame each 12 ms and the overlay goes.
#include <windows.h>

#include <memory>

#include "skin/animation/threaded_timer.h"
#include "skin/animation/win32/layered_overlay.h"
#include "skin/animation/window_frames.h"
#include "skin/data/image32.h"

namespace velmora::skin {

class TacSkinFade {
 public:
  // Takes the form's look and shows it over the form at once, opaque. Without a look to take
  // nothing is shown and the fade is over before it began.
  TacSkinFade(HWND form, WindowAnimKind kind, int32_t frames);
  TacSkinFade(const TacSkinFade&) = delete;
  TacSkinFade& operator=(const TacSkinFade&) = delete;
  ~TacSkinFade();

  // The form has repainted in the new skin: the frames start. Once started it runs to its end.
  void Start();
  // The overlay shows the old look, whether the frames have started or not.
  bool Showing() const { return overlay_ != nullptr; }
  bool Started() const { return started_; }
  HWND Overlay() const { return overlay_ ? overlay_->Handle() : nullptr; }
  uint8_t Alpha() const { return overlay_ ? overlay_->Alpha() : 0; }

 private:
  void Tick();
  void End();

  HWND form_;
  WindowAnimKind kind_;
  int32_t frames_;
  int32_t tick_ = 0;
  bool started_ = false;
  POINT at_{};
  Image32 image_, frame_;
  std::unique_ptr<LayeredOverlay> overlay_;
  TacThreadedTimer timer_;
};

}  // namespace velmora::skin
