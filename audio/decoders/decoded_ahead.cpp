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

  uint64_t lengthFrames() const override { return samples_.size() / static_cast<size_t>(format_.channels); }

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
  const auto channels = static_cast<uint64_t>(decoder->format().channels);
  const uint64_t frames = decoder->lengthFrames();
  if (frames == 0 || frames * channels * sizeof(int16_t) > kMaxDecodedAheadBytes) return decoder;
  // The headers may overstate the length: what really decodes is kept, never more than they say.
  std::vector<int16_t> samples(static_cast<size_t>(frames * channels));
  std::vector<float> block(4096 * channels);
  size_t done = 0;
  while (done < frames) {
    const size_t got = decoder->read(block.data(), std::min<size_t>(4096, frames - done));
    std::transform(block.begin(), block.begin() + static_cast<std::ptrdiff_t>(got * channels),
                   samples.begin() + static_cast<std::ptrdiff_t>(done * channels), toInt16);
    done += got;
    if (got == 0) break;
  }
  if (done == 0) return nullptr;
  samples.resize(done * channels);
  return std::make_unique<PcmDecoder>(decoder->format(), std::move(samples));
}

}  // namespace velmora::audio
