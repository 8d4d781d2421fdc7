// Pictures are decoded from bytes the program does not check first.
#include <cstddef>
#include <cstdint>

#include "ui/picture.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const auto picture = velmora::ui::DecodeJpeg({data, size}, 1 << 20);
  if (picture && picture->pixels.size() != size_t(picture->width) * picture->height * 4) {
    __builtin_trap();
  }
  return 0;
}
