#pragma once
// The minimise animation of one form: the form's image shrinking and fading towards its target in
// a layered overlay, and growing back from there on restore. The form itself stays where it is,
// hidden behind alpha 0, until the run ends.
#include <windows.h>

#include <functional>
#include <memory>
#include <vector>

#include "skin/animation/win32/platform_timer.h"
#include "skin/frame/minimise_flight.h"
#include "skin/paint/win32/dib_bitmap.h"
#include "skin/animation/win32/layered_overlay.h"

namespace velmora::skin {

class TacMinTimer {
 public:
  explicit TacMinTimer(HWND form);
  TacMinTimer(const TacMinTimer&) = delete;
  TacMinTimer& operator=(const TacMinTimer&) = delete;
  // An interrupted run leaves no overlay behind and gives the form its look back.
  ~TacMinTimer();

  // Takes the form's look from the screen (the key-coloured corners cut out) and hides the form
  // behind alpha 0; false when there is nothing to take.
  bool TakeImage(const std::vector<Rect>& cornerKeys);
  // Plans the run from where the form was when its look was taken to the target, shows its first
  // step at once and times the rest.
  void StartMinimise(int32_t timeMs, const Rect& target);
  // Plays the run backwards from where it stands; false when there is nothing to restore.
  bool StartRestore();

  bool Running() const { return timer_.Enabled(); }
  bool Minimised() const { return minimised_; }
  bool Restoring() const { return restoring_; }
  HWND Overlay() const { return overlay_ ? overlay_->Handle() : nullptr; }
  const MinimiseFlight& Flight() const { return flight_; }

  // The run ended: the form is minimised, or back at full alpha.
  std::function<void()> OnMinimised, OnRestored;

 private:
  void Tick();
  void ShowStep();
  void EndMinimise();
  void EndRestore();
  void HideForm();
  void GiveFormAlphaBack();
  void Stop();

  HWND form_;
  uint8_t formAlpha_ = 255;
  bool formLayered_ = false;
  bool formHidden_ = false;
  DibBitmap image_;
  Rect windowRect_;  // where the form was when its look was taken
  Image32 work_;
  MinimiseFlight flight_;
  std::unique_ptr<LayeredOverlay> overlay_;
  TacThreadedTimer timer_{PlatformTimers()};
  bool minimised_ = false;
  bool restoring_ = false;
};

}  // namespace velmora::skin
