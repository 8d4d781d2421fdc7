#include "skin/frame/title_button_fade.h"

#include <algorithm>

#include "skin/paint/blend.h"

namespace velmora::skin {
namespace {

constexpr int32_t kHoverSteps = 10;

}  // namespace

void TitleButtonFade::Start(int32_t state, bool animate) {
  const int32_t steps = state == 2 || !animate ? 1 : kHoverSteps;
  // The step that shows (at least) the present alpha, counted in the new number of steps.
  step_ = (int32_t(Alpha()) * steps + 254) / 255;
  steps_ = steps;
  target_ = state == 0 ? 0 : steps;
}

bool TitleButtonFade::Advance() {
  if (Arrived()) return false;
  step_ += step_ < target_ ? 1 : -1;
  return true;
}

uint8_t TitleButtonFade::Alpha() const {
  return uint8_t(std::min(255 * step_ / steps_, 255));
}

Image32 TitleButtonLook(const ButtonsBackground& background, const SkinRegistry& skin,
                        const TsTitleButton& button, bool titleActive, bool formEnabled) {
  const Rect& r = button.Rect;
  Image32 look = MakeImage(std::max(r.Width(), 0), std::max(r.Height(), 0));
  if (look.Empty()) return look;
  const Rect under = Intersect(r, background.At);
  if (!background.Empty() && !IsEmpty(under))
    BlockCopy(PixelRows(look), under.Left - r.Left, under.Top - r.Top,
              PixelRows(background.Pixels), Offset(under, -background.At.Left, -background.At.Top));
  TsTitleButton placed = button;
  placed.Rect = Offset(r, -r.Left, -r.Top);
  DrawTitleButton(PixelRows(look), skin, placed, titleActive, formEnabled);
  for (uint32_t& pixel : look.Pixels) pixel |= 0xFF000000u;
  return look;
}

}  // namespace velmora::skin
