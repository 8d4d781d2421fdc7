#pragma once
// The soft glow around a hovered control: a picture drawn from the section's "GLOW0" mask, shown
// in a layered window of its own that fades with the control. All glows live in one process-wide
// list; a control's skin data keeps the index of its own.
#include <cstdint>

#include "skin/controls/common_data.h"
#include "skin/paint/section_paint.h"

namespace velmora::skin {

struct TacGlowEffect {
  TsCommonData* Data = nullptr;
  int32_t MaskIndex = -1;
  int32_t Margin = 0;
  Image32 Bitmap;
  Rect Place;  // on the screen
  uint8_t Alpha = 0;
  std::unique_ptr<GlowWindow> Window;
};

// The glow window's rectangle: the control's grown by the mask's borders, less the margin.
Rect GlowWindowRect(const Rect& control, const TsMaskData& mask, int32_t margin);
// Transparent black with the mask's first picture drawn over all of it, then the adjustments.
Image32 MakeGlowBitmap(int32_t width, int32_t height, const TsMaskData& mask,
                       const Adjustments& adjust);

// Whether the control may show a glow now: glowing allowed, hover tracked, a section with a
// glow size, and a platform that can show one.
bool GlowAllowed(const TsCommonData& data);
// Shows the control's glow at the alpha; answers its index (also kept as data.GlowId) or -1.
int32_t ShowGlow(TsCommonData& data, uint8_t alpha);
// With `animate`, fades the glow out on the control's fade timer when animation is allowed;
// otherwise removes it at once. data.GlowId becomes -1 when the glow is gone.
void HideGlow(TsCommonData& data, bool animate);
// Pushes the glow's picture again with the new constant alpha.
void SetGlowAlpha(int32_t glowId, uint8_t alpha);
// Removes every glow with its window (on skin changes and at exit).
void FreeAllGlows();
// The glow at an index; nullptr when there is none.
const TacGlowEffect* GlowAt(int32_t glowId);

// The hide fade lowers the glow's alpha by the step the show raises it: 255 over 6 steps.
inline constexpr double kGlowFadeStep = 255.0 / 6;

}  // namespace velmora::skin
