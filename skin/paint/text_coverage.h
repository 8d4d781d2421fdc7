#pragma once
#include <cstdint>

#include "skin/paint/pixel_view.h"

namespace velmora::skin {

// Lays text in one colour over a 32-bit destination from its coverage: the platform's black text
// on white drawn into `coverage` the size of the rectangle. Only pixels the text touched count
// (0x00FFFFFF and 0xFFFFFFFF are untouched); they end up opaque, as platform text alone would
// leave them at alpha 0. Straight alpha keeps sub-pixel coverage channel by channel; the
// premultiplied form, for layered images, weighs by the coverage's grey.
void BlendTextCoverage(const PixelView& dest, const Rect& rect, const SourceView& coverage,
                       uint32_t colour, bool premultiplied);

}  // namespace velmora::skin
