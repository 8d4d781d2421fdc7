#pragma once
#include <cstdint>
#include <vector>

#include "skingen/image.h"

namespace skingen {

using Bytes = std::vector<uint8_t>;

// Little-endian fields, as the bitmap and package formats store them.
inline void PutU16(Bytes& out, uint32_t v) {
  out.push_back(uint8_t(v));
  out.push_back(uint8_t(v >> 8));
}
inline void PutU32(Bytes& out, uint32_t v) {
  PutU16(out, v & 0xFFFF);
  PutU16(out, v >> 16);
}

// Each encoder writes the same bytes for the same picture; each throws std::runtime_error when
// its library fails.
Bytes EncodeBmp24(const Image& image);  // bottom-up, alpha dropped
Bytes EncodeJpeg(const Image& image, int quality);
Bytes EncodePng(const Image& image, bool withAlpha);
Bytes ZlibCompress(const Bytes& content, int level);
// Reads a JPEG back, to show the texture as the program will see it.
Image DecodeJpeg(const Bytes& jpeg);

}  // namespace skingen
