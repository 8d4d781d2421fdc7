#pragma once
#include <cstdint>

#include "skin/paint/pixel_view.h"

namespace velmora::skin {

// Blends the resolved colour into the rectangle (clipped): each colour channel becomes
// (c * w + k * (255 - w)) >> 8, alpha kept.
void WeighColorInto(const PixelView& bitmap, const Rect& rect, uint8_t weight, uint32_t colour);

// Blends a source rectangle into the destination at (destX, destY), clipped to both: every
// channel, alpha included, becomes (d * w + s * (256 - w)) >> 8; w is the destination's weight.
void WeighBitmapInto(const PixelView& dest, const SourceView& source, uint8_t weight,
                     int32_t destX, int32_t destY, const Rect& sourceRect);

// Per-channel (a * w + b * (255 - w)) >> 8 of two colour values, the high byte of a kept.
uint32_t WeighColors(uint32_t a, uint32_t b, uint8_t weight);

// Every pixel that is not the key: colour channels weighed towards the colour as WeighColorInto.
void TintOver(const PixelView& bitmap, uint8_t weight, uint32_t colour);

// Plain copy of a source rectangle to (destX, destY), clipped to both, alpha included.
void BlockCopy(const PixelView& dest, int32_t destX, int32_t destY, const SourceView& source,
               const Rect& sourceRect);

// (a * wa + b * wb) >> 8 on each colour channel at once, two channels per 32-bit lane pair
// (red and blue, then green); wa + wb is at most 256, so no lane carries into the next. The
// alpha byte of the result is 0.
inline uint32_t WeighRgb(uint32_t a, uint32_t wa, uint32_t b, uint32_t wb) {
  const uint32_t rb = ((a & 0x00FF00FFu) * wa + (b & 0x00FF00FFu) * wb) >> 8 & 0x00FF00FFu;
  const uint32_t g = ((a & 0x0000FF00u) * wa + (b & 0x0000FF00u) * wb) >> 8 & 0x0000FF00u;
  return rb | g;
}
// The same on all four channels.
inline uint32_t WeighArgb(uint32_t a, uint32_t wa, uint32_t b, uint32_t wb) {
  const uint32_t rb = ((a & 0x00FF00FFu) * wa + (b & 0x00FF00FFu) * wb) >> 8 & 0x00FF00FFu;
  const uint32_t ag = ((a >> 8 & 0x00FF00FFu) * wa + (b >> 8 & 0x00FF00FFu) * wb) & 0xFF00FF00u;
  return rb | ag;
}

// One colour channel of the blend shared by masks, glyphs and alpha drawing:
// ((d - i) * m + i * 256) >> 8, that is m of d and 256 - m of i.
inline uint32_t MixChannel(uint32_t d, uint32_t i, uint32_t m) { return (d * m + i * (256 - m)) >> 8; }

// The colour channels of d weighed against i channel by channel through the mask pixel m; the
// alpha byte is d's.
inline uint32_t MixThroughMask(uint32_t d, uint32_t i, uint32_t m) {
  return Pack(MixChannel(Channel(d, 0), Channel(i, 0), Channel(m, 0)),
              MixChannel(Channel(d, 1), Channel(i, 1), Channel(m, 1)),
              MixChannel(Channel(d, 2), Channel(i, 2), Channel(m, 2)), Channel(d, 3));
}

}  // namespace velmora::skin
