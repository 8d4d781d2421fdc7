#pragma once
// A title button's hot and pressed looks while glowing is allowed: the frame image keeps the
// button at rest and an overlay over the form shows the new look, faded in and out in steps of
// the engine's frame period.
#include <cstdint>

#include "skin/frame/title_band.h"

namespace velmora::skin {

inline constexpr uint32_t kTitleFadeStepMs = 12;

// Where the overlay's fade stands: step k of n shows the look at constant alpha 255 * k / n.
class TitleButtonFade {
 public:
  // Fades in towards hot or pressed, out towards normal (state 0), from the alpha shown now.
  // Hot and normal take ten steps with animation allowed, pressed one; without animation, one.
  void Start(int32_t state, bool animate);
  // The next step; false when the fade has arrived and nothing is left to do.
  bool Advance();
  uint8_t Alpha() const;
  // Faded out: nothing of the overlay shows any more.
  bool Out() const { return step_ == 0 && target_ == 0; }
  bool Arrived() const { return step_ == target_; }

 private:
  int32_t steps_ = 1;  // n
  int32_t step_ = 0;   // k
  int32_t target_ = 0;
};

// The overlay's picture of a button in its present state: the band's saved background under the
// button's rectangle, the button's picture over it, opaque as the band is on the screen.
Image32 TitleButtonLook(const ButtonsBackground& background, const SkinRegistry& skin,
                        const TsTitleButton& button, bool titleActive, bool formEnabled);

}  // namespace velmora::skin
