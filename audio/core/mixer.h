#pragma once
// Mixing: per-channel gains that glide to their targets, and a limiter on the sum.
#include <cstddef>

namespace velmora::audio {

struct StereoGain {
  float left = 1.0f;
  float right = 1.0f;
};

// Volume 0 to 1 and balance-style panning: -1 silences the right channel, 1 the left, 0 leaves
// both at the volume.
StereoGain gainFor(float volume, float pan);

// Adds `stereo` times the gain into `mix`, moving `current` toward `target` by at most `maxStep`
// per frame, so a jump in volume or panning becomes a short ramp instead of a click.
void mixWithGain(const float* stereo, float* mix, size_t frames, StereoGain& current,
                 const StereoGain& target, float maxStep);

// Keeps the sum of many loud channels inside full scale: the gain drops at once to what the
// peak needs and recovers slowly, so the output never clips hard or wraps.
class Limiter {
 public:
  explicit Limiter(unsigned rate);
  void process(float* stereo, size_t frames);

 private:
  float gain_ = 1.0f;
  float recovery_;
};

}  // namespace velmora::audio
