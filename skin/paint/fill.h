#pragma once
#include <cstdint>

#include "skin/paint/pixel_view.h"

namespace velmora::skin {

// Every pixel of the rectangle (clipped) becomes swap(colour) with the given alpha byte.
void PaintSolid32(const PixelView& bitmap, const Rect& rect, uint32_t colour, uint8_t alpha);

// Sets the alpha byte over the rectangle (clipped); with a key other than kNoColour, pixels
// equal to it as a whole are spared.
void StampAlpha(const PixelView& bitmap, const Rect& rect, uint8_t alpha, uint32_t key);

// Premultiplies the rectangle (clipped) for a layered window. Without desktop composition
// near-white pixels stay at most 244 per channel, which old systems show as a hole otherwise.
void PremultiplyForLayer(const PixelView& bitmap, const Rect& rect, bool compositionOn);

}  // namespace velmora::skin
