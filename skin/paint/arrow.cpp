#include "skin/paint/arrow.h"

#include "skin/paint/colour.h"

namespace velmora::skin {

void DrawArrow(const PixelView& bitmap, uint32_t colour, const Rect& rect, ArrowDirection direction,
               const SkinScale& scale) {
  if (bitmap.Empty()) return;
  const int32_t depth = scale.ScaledValue(4), breadth = 2 * depth - 1;
  const bool across = direction == ArrowDirection::Up || direction == ArrowDirection::Down;
  const int32_t w = across ? breadth : depth, h = across ? depth : breadth;
  const int32_t x = rect.Left + (rect.Width() - w) / 2, y = rect.Top + (rect.Height() - h) / 2;
  if (x < 0 || y < 0 || x + w > bitmap.Width || y + h > bitmap.Height) return;
  const uint32_t pixel = Swap(ResolveColour(colour));
  // Step i (0 at the tip) of the triangle is 2i + 1 pixels long, centred on the middle line;
  // up and left arrows have their tip at the box's start.
  const bool tipFirst = direction == ArrowDirection::Up || direction == ArrowDirection::Left;
  for (int32_t i = 0; i < depth; ++i) {
    const int32_t step = tipFirst ? i : depth - 1 - i;
    for (int32_t j = depth - 1 - i; j <= depth - 1 + i; ++j)
      (across ? bitmap.At(x + j, y + step) : bitmap.At(x + step, y + j)) = pixel;
  }
}

}  // namespace velmora::skin
