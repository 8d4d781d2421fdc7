#pragma once
#include <windows.h>

#include <cstdint>

#include "skin/paint/parent_background.h"
#include "skin/paint/win32/dib_bitmap.h"

namespace velmora::skin {

class SkinRegistry;

// Paints a section into a temporary section of the rectangle's size and copies it to the device
// context at the rectangle; the context's state is restored. (px, py) place the rectangle within
// the area the parent record describes.
void PaintSectionToDC(HDC dc, const Rect& rect, int32_t state, const TacParentBg& parent,
                      int32_t px, int32_t py, const SkinRegistry* skin, int32_t skinIndex);

// Paints a section over what the device context shows at the rectangle's top-left: those pixels
// fill the bitmap and stand behind it as a Ready parent with the fill colour (without a device
// context only the fill colour stands behind). A negative skin index takes the fallback.
void PaintSectionOverDC(DibBitmap& bitmap, int32_t state, const SkinRegistry* skin,
                        int32_t skinIndex, int32_t fallbackIndex, HDC dc, const Rect& rect,
                        uint32_t fillColour);

}  // namespace velmora::skin
