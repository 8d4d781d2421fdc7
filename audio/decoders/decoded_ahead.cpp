#include "audio/decoders/decoded_ahead.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace velmora::audio {
namespace {

class PcmDecoder final : public Decoder {
 public:
  PcmDecoder(const AudioFormat& format, std::vector<int16_t> samples) : samples_(std::move(samples)) {
    format_ = format;
  }

  size_t read(float* out, size_t frames) override {
    const auto channels = static_cast<size_t>(format_.channels);
    const size_t n = std::min(frames, samples_.size() / channels - frame_) * channels;
    const int16_t* from = samples_.data() + frame_ * channels;
    for (size_t i = 0; i < n; ++i) out[i] = static_cast<float>(from[i]) * (1.0f / 32768.0f);
    frame_ += n / channels;
    return n / channels;
  }

  bool rewind() override {
    frame_ = 0;
    return true;
  }

 private:
  std::vector<int16_t> samples_;
  size_t frame_ = 0;
};

int16_t toInt16(float v) {
  if (std::isnan(v)) return 0;
  return static_cast<int16_t>(std::lrint(std::clamp(v, -1.0f, 32767.0f / 32768.0f) * 32768.0f));
}

}  // namespace

std::unique_ptr<Decoder> decodeAheadIfShort(std::unique_ptr<Decoder> decoder) {
  const auto channels = static_cast<size_t>(decoder->format().channels);
  const uint64_t length = decoder->lengthFrames();
  if (length == 0 || length * channels * sizeof(int16_t) > kMaxDecodedAheadBytes) return decoder;
  // The headers may overstate the length: what really decodes is kept, never more than they say.
  const auto frames = static_cast<size_t>(length);
  std::vector<int16_t> samples(frames * channels);
  std::vector<float> block(4096 * channels);
  size_t done = 0;
  while (done < frames) {
    const size_t got = decoder->read(block.data(), std::min<size_t>(4096, frames - done));
    if (got == 0) break;
    std::transform(block.begin(), block.begin() + static_cast<std::ptrdiff_t>(got * channels),
                   samples.begin() + static_cast<std::ptrdiff_t>(done * channels), toInt16);
    done += got;
  }
  if (done == 0) return nullptr;
  samples.resize(done * channels);
  return std::make_unique<PcmDecoder>(decoder->format(), std::move(samples));
}

}  // namespace velmora::audio
