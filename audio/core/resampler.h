#pragma once
// Band-limited sample-rate conversion of a stereo float signal pulled from a callback.
#include <cstddef>
#include <cstdint>
#include <functional>

struct SRC_STATE_tag;

namespace velmora::audio {

class Resampler {
 public:
  // Pulls up to `frames` stereo frames at the input rate; returns fewer only at the end.
  using Pull = std::function<size_t(float* stereo, size_t frames)>;

  Resampler(uint32_t inputRate, uint32_t outputRate, Pull pull);
  ~Resampler();
  Resampler(const Resampler&) = delete;
  Resampler& operator=(const Resampler&) = delete;

  bool valid() const { return state_ != nullptr; }
  size_t read(float* stereo, size_t frames);
  void reset();

 private:
  static long supply(void* self, float** data);

  static constexpr size_t kChunkFrames = 512;
  SRC_STATE_tag* state_ = nullptr;
  double ratio_;
  Pull pull_;
  float chunk_[kChunkFrames * 2] = {};
};

}  // namespace velmora::audio
