#include "audio/core/resampler.h"

#include <samplerate.h>

namespace velmora::audio {

// The fastest of the band-limited converters: transparent for ambience at a fraction of the
// cost of the better ones.
constexpr int kConverter = SRC_SINC_FASTEST;

Resampler::Resampler(uint32_t inputRate, uint32_t outputRate, Pull pull)
    : ratio_(static_cast<double>(outputRate) / inputRate), pull_(std::move(pull)) {
  int error = 0;
  state_ = src_callback_new(supply, kConverter, 2, &error, this);
}

Resampler::~Resampler() {
  if (state_) src_delete(state_);
}

size_t Resampler::read(float* stereo, size_t frames) {
  const long got = src_callback_read(state_, ratio_, static_cast<long>(frames), stereo);
  return got > 0 ? static_cast<size_t>(got) : 0;
}

void Resampler::reset() { src_reset(state_); }

long Resampler::supply(void* self, float** data) {
  auto& resampler = *static_cast<Resampler*>(self);
  *data = resampler.chunk_;
  return static_cast<long>(resampler.pull_(resampler.chunk_, kChunkFrames));
}

}  // namespace velmora::audio
