#pragma once
#include <cstdint>

#include "skin/data/section_data.h"
#include "skin/paint/pixel_view.h"

namespace velmora::skin {

// Paints the stop array into the rectangle (clipped to the bitmap): vertically, horizontally or
// from four corners and the centre, as stop 0's mode says. Written pixels get alpha 255.
void PaintGradient(const PixelView& bitmap, const Rect& rect, const TsGradArray& stops);

// A vertical or horizontal gradient blended in one pass with a texture tiled at the bitmap's
// absolute coordinates: each channel (t * w + g * (256 - w)) >> 8 with w the texture weight.
// textureRect empty means the whole texture image.
void PaintGradientWithTexture(const PixelView& bitmap, const Rect& rect, const TsGradArray& stops,
                              uint8_t alpha, uint8_t textureWeight, Rect textureRect,
                              const SourceView& texture);

}  // namespace velmora::skin
