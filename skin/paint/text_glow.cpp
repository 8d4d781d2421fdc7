#include "skin/paint/text_glow.h"

#include <algorithm>

#include "skin/paint/colour.h"

namespace velmora::skin {
namespace {

bool Inside(const Rect& r, int32_t x, int32_t y) {
  return x >= r.Left && y >= r.Top && x < r.Right && y < r.Bottom;
}

}  // namespace

Rect GlowMaskRect(const Rect& textRect, int32_t radius) {
  const int32_t m = GlowMargin(radius);
  return {textRect.Left + 1 - m, textRect.Top + 1 - m, textRect.Right + 1 + m,
          textRect.Bottom + 1 + m};
}

void SpreadAndBlur(Gray8& mask, uint32_t directions, int32_t radius) {
  if (mask.Width <= 0 || mask.Height <= 0) return;
  const Gray8 text = mask;
  const struct {
    uint32_t Bit;
    int32_t Dx, Dy;
  } moves[] = {{kGlowLeft, -1, 0}, {kGlowUp, 0, -1}, {kGlowRight, 1, 0}, {kGlowDown, 0, 1}};
  for (const auto& move : moves) {
    if (!(directions & move.Bit)) continue;
    for (int32_t y = 0; y < mask.Height; ++y)
      for (int32_t x = 0; x < mask.Width; ++x) {
        const int32_t sx = x - move.Dx, sy = y - move.Dy;
        if (sx < 0 || sy < 0 || sx >= mask.Width || sy >= mask.Height) continue;
        mask.At(x, y) =
            std::min(mask.At(x, y), text.Pixels[size_t(sy) * size_t(text.Width) + size_t(sx)]);
      }
  }
  BlurGray8(mask, radius);
}

void ComposeGlow(const PixelView& dest, const Gray8& mask, int32_t x, int32_t y, uint32_t colour,
                 const Rect& clip) {
  if (dest.Empty()) return;
  const Rect area = Intersect(clip, dest.Bounds());
  const uint32_t k = Swap(ResolveColour(colour));
  for (int32_t row = 0; row < mask.Height; ++row)
    for (int32_t col = 0; col < mask.Width; ++col) {
      const uint32_t v = mask.Pixels[size_t(row) * size_t(mask.Width) + size_t(col)];
      if (v == 255 || !Inside(area, x + col, y + row)) continue;
      uint32_t& d = dest.At(x + col, y + row);
      const uint32_t cover = 255 - v, a = Channel(d, 3);
      auto mix = [&](int c) { return (cover * Channel(k, c) + Channel(d, c) * v) >> 8; };
      d = Pack(mix(0), mix(1), mix(2), a + ((255 - a) * cover >> 8));
    }
}

}  // namespace velmora::skin
