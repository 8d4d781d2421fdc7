// JPEG through libjpeg. Its errors longjmp back to the one frame that calls it; that frame holds
// no object with a destructor, so nothing is skipped.
#include <csetjmp>
#include <cstdio>
#include <string>
// jpeglib.h needs size_t and FILE declared first.
#include <jpeglib.h>

#include "skin/data/decoded_image.h"
#include "skin/data/limits.h"
#include "skin/data/skin_error.h"

namespace velmora::skin {
namespace {

struct ErrorManager {
  jpeg_error_mgr base;
  jmp_buf jump;
  char message[JMSG_LENGTH_MAX];
};

void OnError(j_common_ptr info) {
  auto* errors = reinterpret_cast<ErrorManager*>(info->err);
  errors->base.format_message(info, errors->message);
  longjmp(errors->jump, 1);
}

void OnMessage(j_common_ptr, int) {}  // warnings of damaged but readable data stay silent

// Progressive files can hold thousands of tiny scans; cap them so decoding stays quick.
void OnProgress(j_common_ptr info) {
  auto* decoder = reinterpret_cast<j_decompress_ptr>(info);
  if (decoder->input_scan_number > kMaxJpegScans) {
    auto* errors = reinterpret_cast<ErrorManager*>(info->err);
    std::snprintf(errors->message, sizeof errors->message, "more than %d scans", kMaxJpegScans);
    longjmp(errors->jump, 1);
  }
}

uint32_t PixelOf(const JSAMPLE* s, int components, J_COLOR_SPACE space) {
  if (components == 1) return s[0] * 0x010101u;
  if (space == JCS_CMYK) {  // Adobe's files store CMYK inverted
    const uint32_t k = s[3];
    return (s[0] * k / 255) << 16 | (s[1] * k / 255) << 8 | s[2] * k / 255;
  }
  return uint32_t(s[0]) << 16 | s[1] << 8 | s[2];
}

struct JpegJob {
  jpeg_decompress_struct decoder;
  ErrorManager errors;
  jpeg_progress_mgr progress;
  DecodedImage result;
  std::vector<JSAMPLE> row;
  std::string failure;
};

// Returns false with job.failure set when the decoder gave up.
bool Decode(JpegJob& job, std::span<const uint8_t> bytes) {
  jpeg_decompress_struct& d = job.decoder;
  d.err = jpeg_std_error(&job.errors.base);
  job.errors.base.error_exit = OnError;
  job.errors.base.emit_message = OnMessage;
  if (setjmp(job.errors.jump)) {
    job.failure = job.errors.message;
    jpeg_destroy_decompress(&d);
    return false;
  }
  jpeg_create_decompress(&d);
  job.progress.progress_monitor = OnProgress;
  d.progress = &job.progress;
  jpeg_mem_src(&d, bytes.data(), static_cast<unsigned long>(bytes.size()));
  jpeg_read_header(&d, TRUE);
  if (d.jpeg_color_space == JCS_CMYK || d.jpeg_color_space == JCS_YCCK)
    d.out_color_space = JCS_CMYK;
  else if (d.num_components != 1)
    d.out_color_space = JCS_RGB;
  jpeg_calc_output_dimensions(&d);
  job.result.Pixels = MakeImage(d.output_width, d.output_height);  // may throw: before start
  job.row.resize(size_t(d.output_width) * size_t(d.output_components));
  jpeg_start_decompress(&d);
  while (d.output_scanline < d.output_height) {
    JSAMPROW rows[] = {job.row.data()};
    const int32_t y = static_cast<int32_t>(d.output_scanline);
    jpeg_read_scanlines(&d, rows, 1);
    for (JDIMENSION x = 0; x < d.output_width; ++x) {
      job.result.Pixels.At(int32_t(x), y) =
          PixelOf(&job.row[size_t(x) * size_t(d.output_components)], d.output_components,
                  d.out_color_space);
    }
  }
  jpeg_finish_decompress(&d);
  jpeg_destroy_decompress(&d);
  return true;
}

}  // namespace

DecodedImage ReadJpeg(std::span<const uint8_t> bytes) {
  JpegJob job{};
  bool decoded = false;
  try {
    decoded = Decode(job, bytes);
  } catch (...) {
    jpeg_destroy_decompress(&job.decoder);
    throw;
  }
  if (!decoded) throw SkinError("JPEG image: " + job.failure);
  return std::move(job.result);
}

}  // namespace velmora::skin
