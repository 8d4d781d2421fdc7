#pragma once
#include <cstdint>

#include "skin/paint/parent_background.h"

namespace velmora::skin {

// Copies a source rectangle to (x, y) honouring the key colour; pixels outside the destination
// are skipped. With useParent and a Ready parent with a bitmap, key pixels show the parent.
void KeyCopy(const PixelView& dest, int32_t x, int32_t y, const SourceView& source,
             Rect sourceRect, bool useParent, const TacParentBg& parent, uint32_t key);

// Blends a cell of a mask-layer image through the mask rows maskOffset below it: the smaller of
// the two rectangles, clipped to both bitmaps.
void MaskBlendCell(const PixelView& dest, const Rect& destRect, const SourceView& image,
                   const Rect& sourceRect, int32_t maskOffset, bool useParent,
                   const TacParentBg& parent);

// Stretches a cell and its mask layer (maskOffset rows below; 0 for none) over the destination
// rectangle. The part of the rectangle inside the destination is drawn.
void StretchWithMask(const PixelView& dest, const Rect& destRect, bool smooth, int32_t maskOffset,
                     const SourceView& image, const Rect& sourceRect);

// The destination pixel of a key pixel under a parent that is Ready with a bitmap: the parent's
// pixel behind it, when there is one.
inline void TakeParentPixel(uint32_t& d, int32_t x, int32_t y, const TacParentBg& parent) {
  uint32_t behind;
  if (parent.PixelAt(x, y, behind)) d = behind;
}

}  // namespace velmora::skin
