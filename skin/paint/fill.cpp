#include "skin/paint/fill.h"

#include "skin/paint/colour.h"

namespace velmora::skin {
namespace {

template <typename Op>
void ForEachIn(const PixelView& bitmap, const Rect& rect, Op op) {
  if (bitmap.Empty()) return;
  const Rect r = Intersect(rect, bitmap.Bounds());
  for (int32_t y = r.Top; y < r.Bottom; ++y) {
    uint32_t* row = bitmap.Row(y);
    for (int32_t x = r.Left; x < r.Right; ++x) op(row[x]);
  }
}

}  // namespace

void PaintSolid32(const PixelView& bitmap, const Rect& rect, uint32_t colour, uint8_t alpha) {
  const uint32_t pixel = (Swap(colour) & 0x00FFFFFFu) | uint32_t(alpha) << 24;
  ForEachIn(bitmap, rect, [pixel](uint32_t& p) { p = pixel; });
}

void StampAlpha(const PixelView& bitmap, const Rect& rect, uint8_t alpha, uint32_t key) {
  const uint32_t a = uint32_t(alpha) << 24;
  const bool spareKey = key != kNoColour;
  ForEachIn(bitmap, rect, [=](uint32_t& p) {
    if (!spareKey || p != key) p = (p & 0x00FFFFFFu) | a;
  });
}

void PremultiplyForLayer(const PixelView& bitmap, const Rect& rect, bool compositionOn) {
  ForEachIn(bitmap, rect, [=](uint32_t& p) {
    if (p == 0x00FFFFFFu) {
      p = 0;
      return;
    }
    const uint32_t a = p >> 24;
    const bool nearWhite = Channel(p, 0) > 244 && Channel(p, 1) > 244 && Channel(p, 2) > 244;
    const uint32_t cap = !compositionOn && nearWhite ? 244 : 255;
    auto mul = [&](int c) { return std::min(cap, Channel(p, c) * a >> 8); };
    p = Pack(mul(0), mul(1), mul(2), a);
  });
}

}  // namespace velmora::skin
