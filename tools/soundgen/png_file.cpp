#include "soundgen/png_file.h"

#include <png.h>

#include <cstdio>
#include <memory>
#include <stdexcept>

namespace soundgen {

void write_png(const std::string& path, const Image& image) {
  std::unique_ptr<FILE, int (*)(FILE*)> file(std::fopen(path.c_str(), "wb"), &std::fclose);
  if (!file) throw std::runtime_error("cannot write " + path);
  png_image png{};
  png.version = PNG_IMAGE_VERSION;
  png.width = static_cast<png_uint_32>(image.width);
  png.height = static_cast<png_uint_32>(image.height);
  png.format = PNG_FORMAT_RGB;
  if (!png_image_write_to_stdio(&png, file.get(), 0, image.rgb.data(), 0, nullptr))
    throw std::runtime_error("cannot encode " + path + ": " + png.message);
}

}  // namespace soundgen
