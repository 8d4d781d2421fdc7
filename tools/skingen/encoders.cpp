#include "skingen/encoders.h"

#include <cstdio>
#include <cstdlib>
#include <stdexcept>

#include <jpeglib.h>
#include <png.h>
#include <zlib.h>

namespace skingen {
Bytes EncodeBmp24(const Image& image) {
  const uint32_t stride = (uint32_t(image.Width()) * 3 + 3) / 4 * 4;
  const uint32_t pixels = stride * uint32_t(image.Height());
  Bytes out{'B', 'M'};
  PutU32(out, 14 + 40 + pixels);
  PutU32(out, 0);
  PutU32(out, 14 + 40);
  PutU32(out, 40);
  PutU32(out, uint32_t(image.Width()));
  PutU32(out, uint32_t(image.Height()));
  PutU16(out, 1);
  PutU16(out, 24);
  PutU32(out, 0);
  PutU32(out, pixels);
  for (int i = 0; i < 4; ++i) PutU32(out, 0);
  for (int y = image.Height() - 1; y >= 0; --y) {
    const size_t start = out.size();
    for (int x = 0; x < image.Width(); ++x) {
      const Rgba p = image.At(x, y);
      out.insert(out.end(), {p.b, p.g, p.r});
    }
    out.resize(start + stride, 0);
  }
  return out;
}

Bytes EncodeJpeg(const Image& image, int quality) {
  jpeg_compress_struct info{};
  jpeg_error_mgr errors{};
  info.err = jpeg_std_error(&errors);
  jpeg_create_compress(&info);
  unsigned char* buffer = nullptr;
  unsigned long size = 0;
  jpeg_mem_dest(&info, &buffer, &size);
  info.image_width = JDIMENSION(image.Width());
  info.image_height = JDIMENSION(image.Height());
  info.input_components = 3;
  info.in_color_space = JCS_RGB;
  jpeg_set_defaults(&info);
  jpeg_set_quality(&info, quality, TRUE);
  // Full-resolution colour: the grain is finer than the usual halved chroma would keep.
  info.comp_info[0].h_samp_factor = info.comp_info[0].v_samp_factor = 1;
  info.optimize_coding = TRUE;
  jpeg_start_compress(&info, TRUE);
  std::vector<uint8_t> row(size_t(image.Width()) * 3);
  while (info.next_scanline < info.image_height) {
    for (int x = 0; x < image.Width(); ++x) {
      const Rgba p = image.At(x, int(info.next_scanline));
      row[3 * size_t(x)] = p.r;
      row[3 * size_t(x) + 1] = p.g;
      row[3 * size_t(x) + 2] = p.b;
    }
    JSAMPROW rows[] = {row.data()};
    jpeg_write_scanlines(&info, rows, 1);
  }
  jpeg_finish_compress(&info);
  jpeg_destroy_compress(&info);
  Bytes out(buffer, buffer + size);
  std::free(buffer);
  return out;
}

Bytes EncodePng(const Image& image, bool withAlpha) {
  png_image png{};
  png.version = PNG_IMAGE_VERSION;
  png.width = uint32_t(image.Width());
  png.height = uint32_t(image.Height());
  png.format = withAlpha ? PNG_FORMAT_RGBA : PNG_FORMAT_RGB;
  Bytes pixels;
  for (int y = 0; y < image.Height(); ++y)
    for (int x = 0; x < image.Width(); ++x) {
      const Rgba p = image.At(x, y);
      pixels.insert(pixels.end(), {p.r, p.g, p.b});
      if (withAlpha) pixels.push_back(p.a);
    }
  png_alloc_size_t size = 0;
  if (!png_image_write_to_memory(&png, nullptr, &size, 0, pixels.data(), 0, nullptr))
    throw std::runtime_error(png.message);
  Bytes out(size);
  if (!png_image_write_to_memory(&png, out.data(), &size, 0, pixels.data(), 0, nullptr))
    throw std::runtime_error(png.message);
  out.resize(size);
  return out;
}

Image DecodeJpeg(const Bytes& jpeg) {
  jpeg_decompress_struct info{};
  jpeg_error_mgr errors{};
  info.err = jpeg_std_error(&errors);
  jpeg_create_decompress(&info);
  jpeg_mem_src(&info, jpeg.data(), static_cast<unsigned long>(jpeg.size()));
  jpeg_read_header(&info, TRUE);
  info.out_color_space = JCS_RGB;
  jpeg_start_decompress(&info);
  Image image(int(info.output_width), int(info.output_height));
  std::vector<uint8_t> row(size_t(info.output_width) * 3);
  while (info.output_scanline < info.output_height) {
    const int y = int(info.output_scanline);
    JSAMPROW rows[] = {row.data()};
    jpeg_read_scanlines(&info, rows, 1);
    for (int x = 0; x < image.Width(); ++x)
      image.At(x, y) = {row[3 * size_t(x)], row[3 * size_t(x) + 1], row[3 * size_t(x) + 2], 255};
  }
  jpeg_finish_decompress(&info);
  jpeg_destroy_decompress(&info);
  return image;
}

Bytes ZlibCompress(const Bytes& content, int level) {
  uLongf size = compressBound(uLong(content.size()));
  Bytes out(size);
  if (compress2(out.data(), &size, content.data(), uLong(content.size()), level) != Z_OK)
    throw std::runtime_error("zlib could not compress a member");
  out.resize(size);
  return out;
}

}  // namespace skingen
