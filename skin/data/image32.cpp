#include "skin/data/image32.h"

#include <string>

#include "skin/data/limits.h"
#include "skin/data/skin_error.h"

namespace velmora::skin {

void CheckImageSize(int64_t width, int64_t height) {
  if (width < 0 || height < 0 || width > kMaxImageSide || height > kMaxImageSide ||
      width * height > kMaxImagePixels) {
    throw SkinError("Image of " + std::to_string(width) + " x " + std::to_string(height) +
                    " pixels is too large");
  }
}

Image32 MakeImage(int64_t width, int64_t height, uint32_t fill) {
  CheckImageSize(width, height);
  Image32 image;
  image.Width = static_cast<int32_t>(width);
  image.Height = static_cast<int32_t>(height);
  image.Pixels.assign(size_t(width * height), fill);
  return image;
}

void SetOpaqueExceptKey(Image32& image) {
  for (uint32_t& pixel : image.Pixels) {
    const uint32_t rgb = pixel & 0x00FFFFFFu;
    pixel = rgb == kKeyColour ? rgb : rgb | 0xFF000000u;
  }
}

void PremultiplyAlpha(Image32& image) {
  for (uint32_t& pixel : image.Pixels) {
    const uint32_t a = pixel >> 24;
    const uint32_t b = (pixel & 0xFF) * a >> 8;
    const uint32_t g = (pixel >> 8 & 0xFF) * a >> 8;
    const uint32_t r = (pixel >> 16 & 0xFF) * a >> 8;
    pixel = a << 24 | r << 16 | g << 8 | b;
  }
}

}  // namespace velmora::skin
