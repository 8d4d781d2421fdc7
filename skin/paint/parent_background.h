#pragma once
#include <cstdint>

#include "skin/paint/colour.h"
#include "skin/paint/pixel_view.h"

namespace velmora::skin {

// What lies behind a painted area: the painted area's origin is the point (OffsetX, OffsetY) of
// Bitmap. Ready: Bitmap holds the parent's complete image; otherwise only the Ready* edge strips
// are painted and FillColor (kUnknownFill when not known) stands for the rest.
struct TacParentBg {
  SourceView Bitmap;
  int32_t OffsetX = 0, OffsetY = 0;
  uint32_t FillColor = kUnknownFill;
  int32_t ReadyLeft = 0, ReadyTop = 0, ReadyRight = 0, ReadyBottom = 0;
  bool Ready = false;

  bool HasBitmap() const { return !Bitmap.Empty(); }
  bool FillKnown() const { return FillColor != kUnknownFill; }
  // The parent pixel behind (x, y) of the painted area, when the bitmap holds it.
  bool PixelAt(int32_t x, int32_t y, uint32_t& pixel) const {
    if (!Bitmap.Contains(OffsetX + x, OffsetY + y)) return false;
    pixel = Bitmap.At(OffsetX + x, OffsetY + y);
    return true;
  }
};

inline TacParentBg ParentFromBitmap(const SourceView& bitmap, int32_t offsetX, int32_t offsetY) {
  TacParentBg p;
  p.Bitmap = bitmap;
  p.OffsetX = offsetX, p.OffsetY = offsetY;
  p.Ready = true;
  return p;
}
inline TacParentBg Shifted(TacParentBg p, int32_t dx, int32_t dy) {
  p.OffsetX += dx, p.OffsetY += dy;
  return p;
}

}  // namespace velmora::skin
