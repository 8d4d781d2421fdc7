#pragma once
#include <cstdint>

#include "skin/paint/parent_background.h"

namespace velmora::skin {

enum GlyphKind : int { kGlyphNormal = 1, kGlyphFaded = 2 };

// Draws picture min(state, FrameCount - 1) of a glyph mask with its top-left at (x, y); a
// negative coordinate cuts that many columns or rows off the picture.
void DrawGlyph(const PixelView& dest, int32_t x, int32_t y, int32_t state,
               const TacParentBg& parent, const TsMaskData& mask, int kind);

}  // namespace velmora::skin
