// Image members of a skin: the first byte picks the reader (BMP, PNG or JPEG).
#include <cstddef>
#include <cstdint>

#include "skin/data/skin_error.h"
#include "skin/data/skin_images.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace velmora::skin;
  if (size == 0) return 0;
  static const char* const kNames[] = {"A.BMP", "A.PNG", "A.JPG"};
  try {
    const Image32 image =
        DecodeSkinImage(kNames[data[0] % 3], {data + 1, size - 1}, (data[0] & 4) != 0);
    if (image.Pixels.size() != size_t(image.Width) * size_t(image.Height)) __builtin_trap();
  } catch (const SkinError&) {
  }
  return 0;
}
