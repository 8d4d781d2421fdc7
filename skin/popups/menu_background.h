#pragma once
#include <cstdint>
#include <vector>

#include "skin/paint/pixel_view.h"
#include "skin/popups/menu_item.h"
#include "skin/popups/menu_skin.h"

namespace velmora::skin {

// How one menu's background is laid out.
struct BackgroundLayout {
  MenuMetrics Metrics;
  int32_t GlyphWidth = kDefaultGlyphSize;
  int32_t FrameWidth = 0;      // the skin frame width (SkinFrameWidth)
  int32_t ExtraLineWidth = 0;  // scaled; 0 when the extra line is not shown
  bool RightToLeft = false;
};

// Where the icon column ends, measured from the frame's inside.
int32_t IconColumnWidth(const MenuSkin& skin, const BackgroundLayout& layout);

// Paints the whole menu's background into `dest`: MAINMENU's background, the icon column band,
// MAINMENU's borders mask, the extra-line band when shown; mirrored for right-to-left menus.
// Without MAINMENU nothing is painted.
void PaintMenuBackground(const PixelView& dest, const MenuSkin& skin,
                         const BackgroundLayout& layout);

// The rectangles the window's region leaves out: the key-coloured corners of MAINMENU's borders
// mask along the top and bottom rows of a window of the size.
std::vector<Rect> MenuRegionCuts(const MenuSkin& skin, int32_t width, int32_t height);

// The size of a menu whose window is not known yet: the widest column plus the others and the
// frame on both sides across, the tallest column and the frame down.
ItemSize MenuSizeFromColumns(const std::vector<ItemSize>& columns, int32_t borderWidth);

// The outer band of the given width of `background`, laid over the same places of `dest`.
void CopyFrameBand(const PixelView& dest, const SourceView& background, int32_t width);

}  // namespace velmora::skin
