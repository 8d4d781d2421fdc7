#include "soundgen/synth/canvas.h"

#include <cmath>

namespace soundgen {

PanGains pan_gains(float pan) {
  const double angle = (pan + 1.0) * kPi / 4.0;
  return {static_cast<float>(std::cos(angle)), static_cast<float>(std::sin(angle))};
}

void Canvas::add_channel(std::vector<float>& dst, const std::vector<float>& grain, long start,
                         float gain) {
  const long n = static_cast<long>(dst.size());
  for (size_t i = 0; i < grain.size(); ++i) {
    long at = start + static_cast<long>(i);
    if (shape_ == Shape::Loop) {
      at %= n;
      if (at < 0) at += n;
    } else if (at < 0 || at >= n) {
      continue;
    }
    dst[at] += gain * grain[i];
  }
}

void Canvas::add(const std::vector<float>& grain, double at_seconds, float gain, float pan) {
  const long start = std::lround(at_seconds * kSampleRate);
  const PanGains g = pan_gains(pan);
  add_channel(sound_.left, grain, start, gain * g.left);
  add_channel(sound_.right, grain, start, gain * g.right);
}

void Canvas::add(const Sound& grain, double at_seconds, float gain) {
  const long start = std::lround(at_seconds * kSampleRate);
  add_channel(sound_.left, grain.left, start, gain);
  add_channel(sound_.right, grain.right, start, gain);
}

void Canvas::mix(const Sound& other, float gain) { add(other, 0.0, gain); }

Sound crossfade_loop(const Sound& rendered, size_t frames) {
  const size_t fade = rendered.frames() - frames;
  Sound loop(frames);
  for (size_t i = 0; i < frames; ++i) {
    loop.left[i] = rendered.left[i];
    loop.right[i] = rendered.right[i];
  }
  for (size_t i = 0; i < fade && i < frames; ++i) {
    const double angle = kPi / 2 * (static_cast<double>(i) + 0.5) / static_cast<double>(fade);
    const float in = static_cast<float>(std::sin(angle)), out = static_cast<float>(std::cos(angle));
    loop.left[i] = in * rendered.left[i] + out * rendered.left[frames + i];
    loop.right[i] = in * rendered.right[i] + out * rendered.right[frames + i];
  }
  return loop;
}

}  // namespace soundgen
