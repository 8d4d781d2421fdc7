#pragma once
#include <cstdint>
#include <span>

#include "skin/data/image32.h"

namespace velmora::skin {

// An image reader's result: the pixels and whether the source carried alpha (32 bits per pixel),
// which decides whether the key-colour rule applies.
struct DecodedImage {
  Image32 Pixels;
  bool HasAlpha = false;
};

// Each reader throws SkinError for data it cannot decode and keeps within the image caps.
DecodedImage ReadBmp(std::span<const uint8_t> bytes);
DecodedImage ReadPng(std::span<const uint8_t> bytes);
DecodedImage ReadJpeg(std::span<const uint8_t> bytes);

}  // namespace velmora::skin
