#pragma once
#include <cstdint>

#include "skin/paint/parent_background.h"

namespace velmora::skin {

struct AlphaDrawing {
  bool Reflect = false;       // a mirrored, fading copy below the drawn image
  int32_t Transparency = 0;   // percent
  uint32_t Tint = kNoColour;  // colour value, or none
  bool FillFromParent = false;
};

// Draws a 32-bit image with straight alpha over the destination: the destination rectangle
// clipped against the source rectangle and both bitmaps.
void DrawWithAlpha(const PixelView& dest, const Rect& destRect, const SourceView& source,
                   const Rect& sourceRect, const AlphaDrawing& how, const TacParentBg& parent);

}  // namespace velmora::skin
