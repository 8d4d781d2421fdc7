#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

namespace velmora::skin {

// A one-byte-per-pixel bitmap (text glow masks), rows top-down.
struct Gray8 {
  int32_t Width = 0;
  int32_t Height = 0;
  std::vector<uint8_t> Pixels;
  uint8_t& At(int32_t x, int32_t y) { return Pixels[size_t(y) * size_t(Width) + size_t(x)]; }
};

// Gaussian blur in place, rows then columns; the kernel is cut where its tails drop below
// 1/510 of the whole. Edges repeat the nearest pixel.
void BlurGray8(Gray8& bitmap, double radius);

}  // namespace velmora::skin
