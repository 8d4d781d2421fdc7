#include "tests/skin/package_builder.h"

#include <jpeglib.h>
#include <png.h>
#include <zlib.h>

#include <stdexcept>

namespace velmora::skin::test {
namespace {

void PutU32(Bytes& out, uint32_t v) {
  for (int i = 0; i < 4; ++i) out.push_back(uint8_t(v >> (8 * i)));
}
void PutU16(Bytes& out, uint32_t v) {
  out.push_back(uint8_t(v));
  out.push_back(uint8_t(v >> 8));
}
void Append(Bytes& out, const Bytes& more) { out.insert(out.end(), more.begin(), more.end()); }

}  // namespace

Bytes ToBytes(std::string_view text) { return Bytes(text.begin(), text.end()); }

Bytes ZlibCompress(const Bytes& content, int level) {
  uLongf size = compressBound(uLong(content.size()));
  Bytes out(size);
  if (compress2(out.data(), &size, content.data(), uLong(content.size()), level) != Z_OK) {
    throw std::runtime_error("compress2 failed");
  }
  out.resize(size);
  return out;
}

PackageBuilder& PackageBuilder::Member(std::string name, Bytes content) {
  return MemberClaiming(name, uint32_t(content.size()), content);
}

PackageBuilder& PackageBuilder::MemberClaiming(std::string name, uint32_t size, Bytes content) {
  PutU32(body_, uint32_t(name.size()));
  Append(body_, ToBytes(name));
  PutU32(body_, size);
  Append(body_, ZlibCompress(content));
  ++members_;
  return *this;
}

PackageBuilder& PackageBuilder::Raw(Bytes bytes) {
  Append(body_, bytes);
  return *this;
}

PackageBuilder& PackageBuilder::Preview(Bytes png) {
  preview_ = std::move(png);
  hasPreview_ = true;
  return *this;
}

PackageBuilder& PackageBuilder::Count(uint32_t count) {
  count_ = count;
  return *this;
}

Bytes PackageBuilder::Build() const {
  Bytes out = ToBytes("ASzf");
  PutU32(out, count_ >= 0 ? uint32_t(count_) : members_);
  Append(out, body_);
  if (hasPreview_) {
    Append(out, ToBytes("previewimg"));
    PutU32(out, uint32_t(preview_.size()));
    Append(out, preview_);
  }
  return out;
}

Bytes EncodeBmp(const Image32& image, int bitCount, bool topDown) {
  const uint32_t stride = (uint32_t(image.Width) * uint32_t(bitCount) + 31) / 32 * 4;
  const uint32_t paletteBytes = bitCount == 8 ? 1024 : 0;
  const uint32_t offset = 14 + 40 + paletteBytes;
  Bytes out = ToBytes("BM");
  PutU32(out, offset + stride * uint32_t(image.Height));
  PutU32(out, 0);
  PutU32(out, offset);
  PutU32(out, 40);
  PutU32(out, uint32_t(image.Width));
  PutU32(out, uint32_t(topDown ? -image.Height : image.Height));
  PutU16(out, 1);
  PutU16(out, uint32_t(bitCount));
  for (int i = 0; i < 6; ++i) PutU32(out, 0);
  for (uint32_t i = 0; i < paletteBytes / 4; ++i) PutU32(out, i * 0x010101u);
  for (int32_t row = 0; row < image.Height; ++row) {
    const int32_t y = topDown ? row : image.Height - 1 - row;
    Bytes line;
    for (int32_t x = 0; x < image.Width; ++x) {
      const uint32_t p = image.At(x, y);
      if (bitCount == 8)
        line.push_back(uint8_t(p));
      else
        for (int i = 0; i < bitCount / 8; ++i) line.push_back(uint8_t(p >> (8 * i)));
    }
    line.resize(stride);
    Append(out, line);
  }
  return out;
}

Bytes EncodePng(const Image32& image, bool withAlpha) {
  png_image png{};
  png.version = PNG_IMAGE_VERSION;
  png.width = uint32_t(image.Width);
  png.height = uint32_t(image.Height);
  png.format = withAlpha ? PNG_FORMAT_BGRA : PNG_FORMAT_BGR;
  Bytes pixels;
  for (uint32_t p : image.Pixels) {
    pixels.insert(pixels.end(), {uint8_t(p), uint8_t(p >> 8), uint8_t(p >> 16)});
    if (withAlpha) pixels.push_back(uint8_t(p >> 24));
  }
  png_alloc_size_t size = 0;
  png_image_write_to_memory(&png, nullptr, &size, 0, pixels.data(), 0, nullptr);
  Bytes out(size);
  if (!png_image_write_to_memory(&png, out.data(), &size, 0, pixels.data(), 0, nullptr)) {
    throw std::runtime_error(png.message);
  }
  out.resize(size);
  return out;
}

Bytes EncodeJpeg(const Image32& image, int quality, bool progressive) {
  jpeg_compress_struct c{};
  jpeg_error_mgr errors{};
  c.err = jpeg_std_error(&errors);
  jpeg_create_compress(&c);
  unsigned char* buffer = nullptr;
  unsigned long size = 0;
  jpeg_mem_dest(&c, &buffer, &size);
  c.image_width = JDIMENSION(image.Width);
  c.image_height = JDIMENSION(image.Height);
  c.input_components = 3;
  c.in_color_space = JCS_RGB;
  jpeg_set_defaults(&c);
  jpeg_set_quality(&c, quality, TRUE);
  if (progressive) jpeg_simple_progression(&c);
  jpeg_start_compress(&c, TRUE);
  Bytes row(size_t(image.Width) * 3);
  for (int32_t y = 0; y < image.Height; ++y) {
    for (int32_t x = 0; x < image.Width; ++x) {
      const uint32_t p = image.At(x, y);
      row[3 * size_t(x)] = uint8_t(p >> 16);
      row[3 * size_t(x) + 1] = uint8_t(p >> 8);
      row[3 * size_t(x) + 2] = uint8_t(p);
    }
    JSAMPROW rows[] = {row.data()};
    jpeg_write_scanlines(&c, rows, 1);
  }
  jpeg_finish_compress(&c);
  Bytes out(buffer, buffer + size);
  jpeg_destroy_compress(&c);
  free(buffer);
  return out;
}

}  // namespace velmora::skin::test
