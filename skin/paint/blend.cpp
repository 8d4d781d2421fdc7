#include "skin/paint/blend.h"

#include "skin/data/skin_palette.h"
#include "skin/paint/colour.h"

namespace velmora::skin {
namespace {

// Colour channels of a pixel weighed towards a pixel-ordered colour k.
uint32_t WeighPixel(uint32_t p, uint32_t k, uint32_t w) {
  return WeighRgb(p, w, k, 255 - w) | (p & 0xFF000000u);
}

}  // namespace

void WeighColorInto(const PixelView& bitmap, const Rect& rect, uint8_t weight, uint32_t colour) {
  if (bitmap.Empty()) return;
  const uint32_t k = Swap(ResolveColour(colour));
  const Rect r = Intersect(rect, bitmap.Bounds());
  for (int32_t y = r.Top; y < r.Bottom; ++y) {
    uint32_t* row = bitmap.Row(y);
    for (int32_t x = r.Left; x < r.Right; ++x) row[x] = WeighPixel(row[x], k, weight);
  }
}

void WeighBitmapInto(const PixelView& dest, const SourceView& source, uint8_t weight,
                     int32_t destX, int32_t destY, const Rect& sourceRect) {
  if (dest.Empty() || source.Empty()) return;
  CopyArea a{destX, destY, sourceRect.Left, sourceRect.Top, sourceRect.Width(),
             sourceRect.Height()};
  if (!ClipCopy(a, dest.Width, dest.Height, source.Width, source.Height)) return;
  const uint32_t w = weight;
  for (int32_t y = 0; y < a.H; ++y) {
    uint32_t* d = dest.Row(a.Dy + y) + a.Dx;
    const uint32_t* s = source.Row(a.Sy + y) + a.Sx;
    for (int32_t x = 0; x < a.W; ++x) d[x] = WeighArgb(d[x], w, s[x], 256 - w);
  }
}

uint32_t WeighColors(uint32_t a, uint32_t b, uint8_t weight) {
  return uint32_t(MixColours(int32_t(a), int32_t(b), weight));
}

void TintOver(const PixelView& bitmap, uint8_t weight, uint32_t colour) {
  if (bitmap.Empty()) return;
  const uint32_t k = Swap(colour);
  for (int32_t y = 0; y < bitmap.Height; ++y) {
    uint32_t* row = bitmap.Row(y);
    for (int32_t x = 0; x < bitmap.Width; ++x)
      if (row[x] != kKeyColour) row[x] = WeighPixel(row[x], k, weight);
  }
}

void BlockCopy(const PixelView& dest, int32_t destX, int32_t destY, const SourceView& source,
               const Rect& sourceRect) {
  if (dest.Empty() || source.Empty()) return;
  CopyArea a{destX, destY, sourceRect.Left, sourceRect.Top, sourceRect.Width(),
             sourceRect.Height()};
  if (!ClipCopy(a, dest.Width, dest.Height, source.Width, source.Height)) return;
  for (int32_t y = 0; y < a.H; ++y)
    std::copy_n(source.Row(a.Sy + y) + a.Sx, a.W, dest.Row(a.Dy + y) + a.Dx);
}

}  // namespace velmora::skin
