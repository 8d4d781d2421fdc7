#pragma once
// A rendered sound: two channels of float samples at the generator's one sample rate.
#include <cstddef>
#include <vector>

namespace soundgen {

inline constexpr int kSampleRate = 44100;
inline constexpr double kPi = 3.14159265358979323846;

inline size_t frames_for(double seconds) { return static_cast<size_t>(seconds * kSampleRate + 0.5); }

struct Sound {
  std::vector<float> left, right;

  Sound() = default;
  explicit Sound(size_t frames) : left(frames, 0.0f), right(frames, 0.0f) {}
  size_t frames() const { return left.size(); }
  double seconds() const { return static_cast<double>(frames()) / kSampleRate; }
};

}  // namespace soundgen
