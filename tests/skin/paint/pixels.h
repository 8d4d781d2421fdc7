#pragma once
// Small images for painting tests: filled bitmaps and pixels spelled by channel.
#include <cstdint>

#include "skin/paint/pixel_view.h"
#include "tests/skin/package_builder.h"

namespace velmora::skin::test {

inline uint32_t Bgra(uint32_t b, uint32_t g, uint32_t r, uint32_t a) { return Pack(b, g, r, a); }

inline Image32 Filled(int32_t w, int32_t h, uint32_t pixel) { return MakeImage(w, h, pixel); }

}  // namespace velmora::skin::test
