#pragma once
#include <cstdint>

#include "skin/paint/pixel_view.h"

namespace velmora::skin {

// The seven smoothing filters, numbered as skins and callers know them.
enum ResampleFilter : int {
  kBoxFilter = 0,
  kTriangleFilter = 1,
  kHermiteFilter = 2,
  kBellFilter = 3,
  kBSplineFilter = 4,
  kWindowedSineFilter = 5,
  kMitchellFilter = 6,
};

// Filtered resize of the source into dest, which becomes newWidth x newHeight. Nothing happens
// for a new height of 0 or any size of 1 or less; equal sizes copy.
void ResampleSmooth(const SourceView& source, Image32& dest, int32_t newWidth, int filter,
                    int32_t newHeight);

// The block stretch the skin uses (colour on colour: eliminated lines dropped): each destination
// pixel takes the source pixel under its position, with no blending.
void StretchCopy(const PixelView& dest, const Rect& destRect, const SourceView& source,
                 const Rect& sourceRect);

}  // namespace velmora::skin
