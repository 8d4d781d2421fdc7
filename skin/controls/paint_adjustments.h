#pragma once
#include "skin/controls/common_data.h"
#include "skin/paint/section_paint.h"

namespace velmora::skin {

// The owner's tone, hue and saturation over a freshly painted image, sparing the key colour;
// empty when the owner changes none of them.
Adjustments PaintAdjustments(const TsCommonData& data);

}  // namespace velmora::skin
