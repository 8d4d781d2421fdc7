#include <csetjmp>
#include <cstdio>

#include <jpeglib.h>

#include "ui/picture.h"

namespace velmora::ui {
namespace {

// libjpeg reports errors through a callback that must not return; it jumps back to the decode.
struct ErrorManager {
  jpeg_error_mgr base;
  std::jmp_buf jump;
};

[[noreturn]] void JumpOnError(j_common_ptr info) {
  std::longjmp(reinterpret_cast<ErrorManager*>(info->err)->jump, 1);
}

void IgnoreMessage(j_common_ptr) {}

// Everything the decode touches after the jump point lives outside it, so that a jump
// leaves no object half-built.
struct Decoder {
  jpeg_decompress_struct info{};
  ErrorManager errors{};
  Picture picture;
  std::vector<uint8_t> row;
  ~Decoder() { jpeg_destroy_decompress(&info); }
};

bool Decode(Decoder& d, std::span<const uint8_t> data, int64_t maxPixels) {
  if (setjmp(d.errors.jump)) return false;
  jpeg_create_decompress(&d.info);
  jpeg_mem_src(&d.info, data.data(), static_cast<unsigned long>(data.size()));
  if (jpeg_read_header(&d.info, TRUE) != JPEG_HEADER_OK) return false;
  if (int64_t{d.info.image_width} * d.info.image_height > maxPixels) return false;
  d.info.out_color_space = JCS_RGB;
  jpeg_start_decompress(&d.info);
  d.picture.width = static_cast<int>(d.info.output_width);
  d.picture.height = static_cast<int>(d.info.output_height);
  d.picture.pixels.resize(size_t{d.info.output_width} * d.info.output_height * 4);
  d.row.resize(size_t{d.info.output_width} * 3);
  while (d.info.output_scanline < d.info.output_height) {
    uint8_t* out = d.picture.pixels.data() + size_t{d.info.output_scanline} * d.info.output_width * 4;
    JSAMPROW rows[] = {d.row.data()};
    jpeg_read_scanlines(&d.info, rows, 1);
    for (size_t x = 0; x < d.info.output_width; ++x) {
      out[x * 4 + 0] = d.row[x * 3 + 2];
      out[x * 4 + 1] = d.row[x * 3 + 1];
      out[x * 4 + 2] = d.row[x * 3 + 0];
      out[x * 4 + 3] = 255;
    }
  }
  jpeg_finish_decompress(&d.info);
  return true;
}

}  // namespace

std::optional<Picture> DecodeJpeg(std::span<const uint8_t> data, int64_t maxPixels) {
  if (data.empty()) return std::nullopt;
  Decoder decoder;
  decoder.info.err = jpeg_std_error(&decoder.errors.base);
  decoder.errors.base.error_exit = JumpOnError;
  decoder.errors.base.output_message = IgnoreMessage;
  if (!Decode(decoder, data, maxPixels)) return std::nullopt;
  return std::move(decoder.picture);
}

}  // namespace velmora::ui
