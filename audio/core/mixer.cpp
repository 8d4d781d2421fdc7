#include "audio/core/mixer.h"

#include <algorithm>
#include <cmath>

namespace velmora::audio {

constexpr float kCeiling = 0.98f;
constexpr float kRecoverySeconds = 0.25f;

StereoGain gainFor(float volume, float pan) {
  return {volume * std::min(1.0f, 1.0f - pan), volume * std::min(1.0f, 1.0f + pan)};
}

namespace {
float toward(float current, float target, float maxStep) {
  return current + std::clamp(target - current, -maxStep, maxStep);
}
}  // namespace

void mixWithGain(const float* stereo, float* mix, size_t frames, StereoGain& current,
                 const StereoGain& target, float maxStep) {
  size_t i = 0;
  for (; i < frames && (current.left != target.left || current.right != target.right); ++i) {
    current.left = toward(current.left, target.left, maxStep);
    current.right = toward(current.right, target.right, maxStep);
    mix[i * 2] += stereo[i * 2] * current.left;
    mix[i * 2 + 1] += stereo[i * 2 + 1] * current.right;
  }
  for (; i < frames; ++i) {
    mix[i * 2] += stereo[i * 2] * current.left;
    mix[i * 2 + 1] += stereo[i * 2 + 1] * current.right;
  }
}

Limiter::Limiter(unsigned rate) : recovery_(1.0f / (kRecoverySeconds * static_cast<float>(rate))) {}

void Limiter::process(float* stereo, size_t frames) {
  for (size_t i = 0; i < frames; ++i) {
    float& left = stereo[i * 2];
    float& right = stereo[i * 2 + 1];
    const float peak = std::max(std::fabs(left), std::fabs(right));
    if (!std::isfinite(peak)) {
      left = right = 0.0f;
      continue;
    }
    gain_ = std::min(1.0f, gain_ + recovery_);
    if (peak * gain_ > kCeiling) gain_ = kCeiling / peak;
    left *= gain_;
    right *= gain_;
  }
}

}  // namespace velmora::audio
