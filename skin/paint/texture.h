#pragma once
#include <optional>

#include "skin/paint/parent_background.h"

namespace velmora::skin {

// Draws a texture mask over the rectangle by its draw mode and answers the part of the rectangle
// still to be filled with the section's colour, if any. Key pixels of a texture with a mask layer
// take the parent's fill colour, else a Ready parent's pixel.
std::optional<Rect> DrawTexture(const PixelView& dest, const Rect& rect, const TsMaskData& texture,
                                const TacParentBg& parent);

}  // namespace velmora::skin
