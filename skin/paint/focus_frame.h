#pragma once
#include <cstdint>

#include "skin/paint/colour.h"
#include "skin/paint/pixel_view.h"

namespace velmora::skin {

// The dotted keyboard-focus frame along the inside of the rectangle: the colour at odd offsets
// from the top-left corner along each edge, the second colour at the even offsets between them,
// never outside the rectangle. A colour of kNoColour is not drawn; pixels are opaque.
void DrawFocusFrame(const PixelView& bitmap, const Rect& rect, uint32_t colour,
                    uint32_t second = kNoColour);

}  // namespace velmora::skin
