#include "soundgen/vorbis_file.h"

#include <vorbis/vorbisenc.h>

#include <algorithm>
#include <stdexcept>

namespace soundgen {
namespace {

// Owns libvorbis's encoder state for one stream.
class Encoder {
public:
  Encoder(float quality, uint32_t serial) {
    vorbis_info_init(&info_);
    if (vorbis_encode_init_vbr(&info_, 2, kSampleRate, quality) != 0) {
      vorbis_info_clear(&info_);
      throw std::runtime_error("the Vorbis encoder refused its settings");
    }
    vorbis_comment_init(&comment_);
    vorbis_analysis_init(&dsp_, &info_);
    vorbis_block_init(&dsp_, &block_);
    ogg_stream_init(&stream_, static_cast<int>(serial));
  }
  ~Encoder() {
    ogg_stream_clear(&stream_);
    vorbis_block_clear(&block_);
    vorbis_dsp_clear(&dsp_);
    vorbis_comment_clear(&comment_);
    vorbis_info_clear(&info_);
  }
  Encoder(const Encoder&) = delete;
  Encoder& operator=(const Encoder&) = delete;

  void write_headers() {
    ogg_packet header, comments, codebooks;
    vorbis_analysis_headerout(&dsp_, &comment_, &header, &comments, &codebooks);
    ogg_stream_packetin(&stream_, &header);
    ogg_stream_packetin(&stream_, &comments);
    ogg_stream_packetin(&stream_, &codebooks);
    ogg_page page;
    while (ogg_stream_flush(&stream_, &page)) append(page);
  }

  void write(const Sound& sound) {
    constexpr size_t kChunk = 4096;
    for (size_t at = 0; at < sound.frames(); at += kChunk) {
      const size_t n = std::min(kChunk, sound.frames() - at);
      float** buffer = vorbis_analysis_buffer(&dsp_, static_cast<int>(n));
      std::copy_n(sound.left.data() + at, n, buffer[0]);
      std::copy_n(sound.right.data() + at, n, buffer[1]);
      vorbis_analysis_wrote(&dsp_, static_cast<int>(n));
      drain();
    }
    vorbis_analysis_wrote(&dsp_, 0);
    drain();
    ogg_page page;
    while (ogg_stream_flush(&stream_, &page)) append(page);
  }

  std::vector<uint8_t> take() { return std::move(bytes_); }

private:
  void drain() {
    ogg_packet packet;
    ogg_page page;
    while (vorbis_analysis_blockout(&dsp_, &block_) == 1) {
      vorbis_analysis(&block_, nullptr);
      vorbis_bitrate_addblock(&block_);
      while (vorbis_bitrate_flushpacket(&dsp_, &packet)) {
        ogg_stream_packetin(&stream_, &packet);
        while (ogg_stream_pageout(&stream_, &page)) append(page);
      }
    }
  }
  void append(const ogg_page& page) {
    bytes_.insert(bytes_.end(), page.header, page.header + page.header_len);
    bytes_.insert(bytes_.end(), page.body, page.body + page.body_len);
  }

  vorbis_info info_;
  vorbis_comment comment_;
  vorbis_dsp_state dsp_;
  vorbis_block block_;
  ogg_stream_state stream_;
  std::vector<uint8_t> bytes_;
};

}  // namespace

std::vector<uint8_t> encode_vorbis(const Sound& sound, float quality, uint32_t serial) {
  Encoder encoder(quality, serial);
  encoder.write_headers();
  encoder.write(sound);
  return encoder.take();
}

}  // namespace soundgen
