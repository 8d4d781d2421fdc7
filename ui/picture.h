#pragma once
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace velmora::ui {

// A decoded picture: rows top to bottom, each pixel blue, green, red, alpha.
struct Picture {
  int width = 0;
  int height = 0;
  std::vector<uint8_t> pixels;
};

// Decodes a JPEG file's bytes; nothing when they are no JPEG the decoder can read, or when the
// picture is larger than `maxPixels`.
std::optional<Picture> DecodeJpeg(std::span<const uint8_t> data, int64_t maxPixels = 1 << 24);

}  // namespace velmora::ui
