#pragma once
// Builds skin packages and image files for tests; the program itself only reads them.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "skin/data/image32.h"

namespace velmora::skin::test {

using Bytes = std::vector<uint8_t>;

Bytes ToBytes(std::string_view text);
Bytes ZlibCompress(const Bytes& content, int level = 9);

class PackageBuilder {
 public:
  PackageBuilder& Member(std::string name, Bytes content);
  PackageBuilder& Member(std::string name, std::string_view text) {
    return Member(name, ToBytes(text));
  }
  // A member record with the size written as given (a lie, for hostile cases).
  PackageBuilder& MemberClaiming(std::string name, uint32_t size, Bytes content);
  PackageBuilder& Raw(Bytes bytes);  // bytes between records, as written
  PackageBuilder& Preview(Bytes png);
  PackageBuilder& Count(uint32_t count);  // overrides the member count
  Bytes Build() const;

 private:
  Bytes body_;
  uint32_t members_ = 0;
  int64_t count_ = -1;
  Bytes preview_;
  bool hasPreview_ = false;
};

// Image files made from pixels (0xAARRGGBB).
Bytes EncodeBmp(const Image32& image, int bitCount, bool topDown = false);  // 8 (grey), 24 or 32
Bytes EncodePng(const Image32& image, bool withAlpha);
Bytes EncodeJpeg(const Image32& image, int quality = 95, bool progressive = false);

// A w x h image filled from a function of x and y.
template <typename Pixel>
Image32 Picture(int32_t width, int32_t height, Pixel pixel) {
  Image32 image = MakeImage(width, height);
  for (int32_t y = 0; y < height; ++y)
    for (int32_t x = 0; x < width; ++x) image.At(x, y) = pixel(x, y);
  return image;
}

}  // namespace velmora::skin::test
