#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

namespace velmora::skin {

// A 32-bit image, rows top-down; a pixel read as an integer is 0xAARRGGBB (blue first in memory).
struct Image32 {
  int32_t Width = 0;
  int32_t Height = 0;
  std::vector<uint32_t> Pixels;

  bool Empty() const { return Width <= 0 || Height <= 0; }
  uint32_t At(int32_t x, int32_t y) const { return Pixels[size_t(y) * size_t(Width) + size_t(x)]; }
  uint32_t& At(int32_t x, int32_t y) { return Pixels[size_t(y) * size_t(Width) + size_t(x)]; }
};

inline constexpr uint32_t kKeyColour = 0x00FF00FF;  // magenta: same as pixel and as colour value

// Throws SkinError for a size past the image caps.
void CheckImageSize(int64_t width, int64_t height);
// Makes an image of the given size filled with one pixel value; throws SkinError past the caps.
Image32 MakeImage(int64_t width, int64_t height, uint32_t fill = 0);

// The rule for images that are not 32 bits deep: alpha 255, but 0 for the key colour.
void SetOpaqueExceptKey(Image32& image);

// Multiplies the colour channels by alpha, as c * a >> 8.
void PremultiplyAlpha(Image32& image);

}  // namespace velmora::skin
