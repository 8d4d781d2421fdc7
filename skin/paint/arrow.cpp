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
  // Step i (0 at the tip) of the triangle is 2i + 1 pixels long, centred on the middle line.
  for (int32_t i = 0; i < depth; ++i) {
    const int32_t from = depth - 1 - i, to = depth - 1 + i;  // span on the breadth
    for (int32_t j = from; j <= to; ++j) {
      switch (direction) {
        case ArrowDirection::Up: bitmap.At(x + j, y + i) = pixel; break;
        case ArrowDirection::Down: bitmap.At(x + j, y + depth - 1 - i) = pixel; break;
        case ArrowDirection::Left: bitmap.At(x + i, y + j) = pixel; break;
        case ArrowDirection::Right: bitmap.At(x + depth - 1 - i, y + j) = pixel; break;
      }
    }
  }
}

}  // namespace velmora::skin
