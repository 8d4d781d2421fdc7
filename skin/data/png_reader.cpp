// PNG through libpng's simplified reader, which reports errors by result instead of longjmp.
#include <png.h>

#include <memory>
#include <string>

#include "skin/data/decoded_image.h"
#include "skin/data/skin_error.h"

namespace velmora::skin {
namespace {

struct PngImageCloser {
  void operator()(png_image* image) const { png_image_free(image); }
};

[[noreturn]] void Fail(const png_image& image) {
  throw SkinError(std::string("PNG image: ") + image.message);
}

}  // namespace

DecodedImage ReadPng(std::span<const uint8_t> bytes) {
  png_image image{};
  image.version = PNG_IMAGE_VERSION;
  std::unique_ptr<png_image, PngImageCloser> closer(&image);
  if (!png_image_begin_read_from_memory(&image, bytes.data(), bytes.size())) Fail(image);
  const bool hasAlpha = (image.format & PNG_FORMAT_FLAG_ALPHA) != 0;
  DecodedImage result{MakeImage(image.width, image.height), hasAlpha};
  image.format = PNG_FORMAT_BGRA;
  if (!png_image_finish_read(&image, nullptr, result.Pixels.Pixels.data(), 0, nullptr)) {
    Fail(image);
  }
  closer.release();
  return result;
}

}  // namespace velmora::skin
