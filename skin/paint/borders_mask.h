#pragma once
#include <array>
#include <cstdint>
#include <vector>

#include "skin/paint/parent_background.h"

namespace velmora::skin {

// Draws a borders mask's picture for the state over the rectangle in nine cells: corners as they
// are (showing the parent through key pixels when cornerParent and the mask's corner flag are
// set), edges and centre tiled or stretched.
void DrawBordersMask(const PixelView& dest, const Rect& rect, const TacParentBg& parent,
                     bool cornerParent, int32_t state, const TsMaskData& mask);

// The nine-cell drawing for layered images: a mask layer's red byte weighs the picture and
// raises the destination alpha. Key pixels show a Ready parent, or clear the alpha.
void DrawBordersMaskAlpha(const PixelView& dest, const Rect& rect, const TacParentBg& parent,
                          int32_t state, const TsMaskData& mask);

// As the alpha drawing with the picture's weight scaled by the opacity; each edge cell is drawn
// only in its outer part, at most as thick as its side's limit (left, top, right, bottom).
void DrawBordersMaskOpacity(const PixelView& dest, const Rect& rect, const TacParentBg& parent,
                            int32_t state, const TsMaskData& mask, uint8_t opacity,
                            const std::array<int32_t, 4>& limits);

// Appends the key pixels (exactly 0x00FF00FF) of the first picture's two top corners, or its two
// bottom corners, as one-pixel-high runs in window coordinates; picture row r is window row y0 + r.
void AddCornerKeyRects(std::vector<Rect>& rects, int32_t windowWidth, const TsMaskData& mask,
                       bool bottom, int32_t y0);

}  // namespace velmora::skin
