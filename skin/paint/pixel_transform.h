#pragma once
#include <cstdint>

#include "skin/paint/colour.h"
#include "skin/paint/pixel_view.h"

namespace velmora::skin {

// Applies a per-pixel transform (a pixel in, a pixel out; the amount bound by the caller) to the
// whole bitmap. With a spared colour other than kNoColour, pixels equal to swap(spared) are kept,
// so key pixels stay keys when the painter passes the key.
template <typename Transform>
void ForEachPixel(const PixelView& bitmap, Transform transform, uint32_t spared) {
  if (bitmap.Empty()) return;
  const bool spare = spared != kNoColour;
  const uint32_t kept = Swap(spared);
  for (int32_t y = 0; y < bitmap.Height; ++y) {
    uint32_t* row = bitmap.Row(y);
    for (int32_t x = 0; x < bitmap.Width; ++x)
      if (!spare || row[x] != kept) row[x] = transform(row[x]);
  }
}

}  // namespace velmora::skin
