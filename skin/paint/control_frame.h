#pragma once
#include <cstdint>

#include "skin/data/skin_registry.h"
#include "skin/paint/background_query.h"

namespace velmora::skin {

struct ControlFrame {
  Rect Content;          // what the control's own painting may use
  bool FromMask = false; // false: no borders mask, the caller frames its device context itself
};

// Paints the control's own borders mask into its cache over rect, over the parent's answer, and
// a band of width w in the colour inside the mask's borders. The control lies at (controlX,
// controlY) in its parent.
ControlFrame PaintControlFrame(const PixelView& cache, const Rect& rect, int32_t w, int32_t state,
                               const SkinRegistry* skin, int32_t maskIndex,
                               BackgroundParent* parent, int32_t controlX, int32_t controlY,
                               uint32_t colour);

enum CornerSet : int32_t { kTopLeft = 1, kBottomLeft = 2, kTopRight = 4, kBottomRight = 8 };

// Fills the key pixels of the border's corners of a finished cache from the parent, for masks
// whose corners hold the key.
void FixBorderCorners(const PixelView& cache, int32_t state, int32_t corners,
                      const TsMaskData& mask, BackgroundParent& parent, int32_t controlX,
                      int32_t controlY);

}  // namespace velmora::skin
