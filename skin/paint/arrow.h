#pragma once
#include <cstdint>

#include "skin/data/skin_scale.h"
#include "skin/paint/pixel_view.h"

namespace velmora::skin {

enum class ArrowDirection : int { Left = 0, Up = 1, Right = 2, Down = 3 };

// A solid triangle centred in the rectangle, for skins without arrow pictures. Its box is 4 deep
// and 7 broad at normal scale; the depth follows the scale and the breadth stays 2 x depth - 1,
// so the triangle keeps its shape. Pixels are written whole as swap(colour); a box that does not
// lie inside the bitmap draws nothing.
void DrawArrow(const PixelView& bitmap, uint32_t colour, const Rect& rect, ArrowDirection direction,
               const SkinScale& scale = {});

}  // namespace velmora::skin
