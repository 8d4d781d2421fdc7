#include "audio/decoders/mp3_decoder.h"

#include <mpg123.h>

#include <array>

namespace velmora::audio {
namespace {

// The decoder is fed from the bytes in memory, a slice at a time, so it never needs seeking.
constexpr size_t kFeedBytes = 16384;

class Mp3Decoder final : public Decoder {
 public:
  explicit Mp3Decoder(std::unique_ptr<ByteSource> bytes) : bytes_(std::move(bytes)) {
    static const bool initialised = mpg123_init() == MPG123_OK;
    if (initialised) handle_ = mpg123_new(nullptr, nullptr);
  }
  ~Mp3Decoder() override {
    if (handle_) mpg123_delete(handle_);
  }

  bool open() {
    if (!handle_ || mpg123_param(handle_, MPG123_ADD_FLAGS, MPG123_QUIET, 0) != MPG123_OK ||
        !acceptFloatOnly() || !restart()) {
      return false;
    }
    long rate = 0;
    int channels = 0;
    int encoding = 0;
    if (mpg123_getformat(handle_, &rate, &channels, &encoding) != MPG123_OK) return false;
    format_ = {static_cast<uint32_t>(rate), channels};
    return isPlayableFormat(format_);
  }

  size_t read(float* out, size_t frames) override {
    const size_t frameBytes = sizeof(float) * static_cast<size_t>(format_.channels);
    auto* to = reinterpret_cast<unsigned char*>(out);
    size_t done = 0;
    while (done < frames * frameBytes) {
      size_t got = 0;
      const int result = mpg123_read(handle_, to + done, frames * frameBytes - done, &got);
      done += got;
      if (result == MPG123_NEED_MORE) {
        if (!feed()) break;
      } else if (result == MPG123_NEW_FORMAT) {
        if (!sameFormat()) break;
      } else if (result != MPG123_OK) {
        break;
      }
    }
    return done / frameBytes;
  }

  bool rewind() override { return restart(); }

 private:
  bool acceptFloatOnly() {
    if (mpg123_format_none(handle_) != MPG123_OK) return false;
    const long* rates = nullptr;
    size_t count = 0;
    mpg123_rates(&rates, &count);
    for (size_t i = 0; i < count; ++i) {
      mpg123_format(handle_, rates[i], MPG123_MONO | MPG123_STEREO, MPG123_ENC_FLOAT_32);
    }
    return true;
  }

  // Opens the feed from the first byte and decodes up to the first frame. The format is announced
  // the first time only; a reopened feed with the same format just decodes.
  bool restart() {
    mpg123_close(handle_);
    if (mpg123_open_feed(handle_) != MPG123_OK || !bytes_->seek(0)) return false;
    for (;;) {
      size_t got = 0;
      const int result = mpg123_read(handle_, nullptr, 0, &got);
      if (result == MPG123_NEW_FORMAT || result == MPG123_OK) return true;
      if (result != MPG123_NEED_MORE || !feed()) return false;
    }
  }

  bool feed() {
    std::array<unsigned char, kFeedBytes> slice;
    const size_t n = bytes_->read(slice.data(), slice.size());
    return n > 0 && mpg123_feed(handle_, slice.data(), n) == MPG123_OK;
  }

  bool sameFormat() {
    long rate = 0;
    int channels = 0;
    int encoding = 0;
    return mpg123_getformat(handle_, &rate, &channels, &encoding) == MPG123_OK &&
           static_cast<uint32_t>(rate) == format_.rate && channels == format_.channels;
  }

  std::unique_ptr<ByteSource> bytes_;
  mpg123_handle* handle_ = nullptr;
};

}  // namespace

std::unique_ptr<Decoder> openMp3(std::unique_ptr<ByteSource> bytes) {
  return openWith<Mp3Decoder>(std::move(bytes));
}

}  // namespace velmora::audio
