#include "picturegen/picture_files.h"

#include <cstdio>
#include <fstream>
#include <memory>
#include <stdexcept>
#include <vector>

#include <jpeglib.h>

namespace picturegen {
namespace {

class Bytes {
 public:
  void U8(uint32_t v) { data_.push_back(static_cast<uint8_t>(v)); }
  void U16(uint32_t v) {
    U8(v & 0xFF);
    U8(v >> 8);
  }
  void U32(uint32_t v) {
    U16(v & 0xFFFF);
    U16(v >> 16);
  }
  void Append(const uint8_t* first, size_t count) { data_.insert(data_.end(), first, first + count); }
  const std::vector<uint8_t>& Data() const { return data_; }

 private:
  std::vector<uint8_t> data_;
};

void WriteFile(const std::string& path, const std::vector<uint8_t>& bytes) {
  std::ofstream file(path, std::ios::binary | std::ios::trunc);
  file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  if (!file) throw std::runtime_error("cannot write " + path);
}

// The 40-byte header of a 32-bit bottom-up device-independent bitmap.
void InfoHeader(Bytes& out, int width, int height, uint32_t imageSize) {
  out.U32(40);
  out.U32(static_cast<uint32_t>(width));
  out.U32(static_cast<uint32_t>(height));
  out.U16(1);
  out.U16(32);
  out.U32(0);
  out.U32(imageSize);
  out.U32(0);
  out.U32(0);
  out.U32(0);
  out.U32(0);
}

void BottomUpRows(Bytes& out, const Canvas& canvas, bool premultiplied) {
  const std::vector<uint8_t> pixels = canvas.ToBgra(premultiplied);
  const size_t stride = static_cast<size_t>(canvas.Width()) * 4;
  for (int y = canvas.Height() - 1; y >= 0; --y) out.Append(pixels.data() + y * stride, stride);
}

}  // namespace

void WriteJpeg(const std::string& path, const Canvas& canvas, int quality) {
  std::unique_ptr<FILE, int (*)(FILE*)> file(std::fopen(path.c_str(), "wb"), std::fclose);
  if (!file) throw std::runtime_error("cannot write " + path);
  jpeg_compress_struct info{};
  jpeg_error_mgr errors{};
  info.err = jpeg_std_error(&errors);
  jpeg_create_compress(&info);
  jpeg_stdio_dest(&info, file.get());
  info.image_width = static_cast<JDIMENSION>(canvas.Width());
  info.image_height = static_cast<JDIMENSION>(canvas.Height());
  info.input_components = 3;
  info.in_color_space = JCS_RGB;
  jpeg_set_defaults(&info);
  jpeg_set_quality(&info, quality, TRUE);
  jpeg_start_compress(&info, TRUE);
  const std::vector<uint8_t> bgra = canvas.ToBgra(false);
  std::vector<uint8_t> row(static_cast<size_t>(canvas.Width()) * 3);
  while (info.next_scanline < info.image_height) {
    const uint8_t* in = bgra.data() + size_t{info.next_scanline} * canvas.Width() * 4;
    for (int x = 0; x < canvas.Width(); ++x) {
      row[x * 3 + 0] = in[x * 4 + 2];
      row[x * 3 + 1] = in[x * 4 + 1];
      row[x * 3 + 2] = in[x * 4 + 0];
    }
    JSAMPROW rows[] = {row.data()};
    jpeg_write_scanlines(&info, rows, 1);
  }
  jpeg_finish_compress(&info);
  jpeg_destroy_compress(&info);
}

void WriteIcon(const std::string& path, const Canvas& canvas) {
  const int width = canvas.Width(), height = canvas.Height();
  const size_t maskStride = ((static_cast<size_t>(width) + 31) / 32) * 4;
  const auto colourSize = static_cast<uint32_t>(width * height * 4);
  const auto maskSize = static_cast<uint32_t>(maskStride * height);
  Bytes out;
  out.U16(0);
  out.U16(1);  // an icon
  out.U16(1);  // one picture
  out.U8(width >= 256 ? 0 : static_cast<uint32_t>(width));
  out.U8(height >= 256 ? 0 : static_cast<uint32_t>(height));
  out.U8(0);
  out.U8(0);
  out.U16(1);
  out.U16(32);
  out.U32(40 + colourSize + maskSize);
  out.U32(6 + 16);
  InfoHeader(out, width, height * 2, colourSize + maskSize);  // colour and mask stacked
  BottomUpRows(out, canvas, false);
  for (int y = height - 1; y >= 0; --y) {
    std::vector<uint8_t> row(maskStride, 0);
    for (int x = 0; x < width; ++x) {
      if (canvas.At(x, y).a <= 0) row[x / 8] |= static_cast<uint8_t>(0x80 >> (x % 8));
    }
    out.Append(row.data(), row.size());
  }
  WriteFile(path, out.Data());
}

void WriteBitmap(const std::string& path, const Canvas& canvas) {
  const auto imageSize = static_cast<uint32_t>(canvas.Width() * canvas.Height() * 4);
  Bytes out;
  out.U8('B');
  out.U8('M');
  out.U32(14 + 40 + imageSize);
  out.U32(0);
  out.U32(14 + 40);
  InfoHeader(out, canvas.Width(), canvas.Height(), imageSize);
  BottomUpRows(out, canvas, true);
  WriteFile(path, out.Data());
}

}  // namespace picturegen
