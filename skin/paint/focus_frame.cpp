#include "skin/paint/focus_frame.h"

namespace velmora::skin {
namespace {

void Dot(const PixelView& bitmap, const Rect& rect, int32_t x, int32_t y, uint32_t colour) {
  if (colour == kNoColour || x >= rect.Right || y >= rect.Bottom || !bitmap.Contains(x, y)) return;
  bitmap.At(x, y) = Swap(ResolveColour(colour)) | 0xFF000000u;
}

}  // namespace

void DrawFocusFrame(const PixelView& bitmap, const Rect& rect, uint32_t colour, uint32_t second) {
  if (bitmap.Empty() || IsEmpty(rect)) return;
  const int32_t x0 = rect.Left, y0 = rect.Top, x1 = rect.Right - 1, y1 = rect.Bottom - 1;
  for (int32_t k = 1; k <= rect.Width() / 2; ++k)
    for (int32_t y : {y0, y1}) {
      Dot(bitmap, rect, x0 + 2 * k - 1, y, colour);
      Dot(bitmap, rect, x0 + 2 * k, y, second);
    }
  for (int32_t k = 1; k <= rect.Height() / 2; ++k)
    for (int32_t x : {x0, x1}) {
      Dot(bitmap, rect, x, y0 + 2 * k - 1, colour);
      Dot(bitmap, rect, x, y0 + 2 * k, second);
    }
}

}  // namespace velmora::skin
