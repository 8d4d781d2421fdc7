#pragma once
// The frame image: the whole window as the skin draws it, from the form section and the title
// band's section, and the corners the window region cuts away.
#include <cstdint>
#include <vector>

#include "skin/data/skin_registry.h"
#include "skin/paint/pixel_view.h"

namespace velmora::skin {

struct FrameSections {
  int32_t Form = -1;   // "FORM"
  int32_t Title = -1;  // the title band; -1 for none
};

// The form section over the whole image, then the title section over the strip above
// titleBottom, each in its active or inactive state as far as the section has states.
void ComposeFrameImage(const PixelView& image, const SkinRegistry& skin, FrameSections sections,
                       bool active, int32_t titleBottom);

// One-pixel-high runs of the key-coloured corner pixels: the form mask's top corners, its bottom
// corners placed at the window's bottom, and the title mask's top corners.
std::vector<Rect> FrameCornerRects(const SkinRegistry& skin, FrameSections sections,
                                   int32_t width, int32_t height);

}  // namespace velmora::skin
