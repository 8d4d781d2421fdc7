#include "soundgen/synth/grains.h"

#include <algorithm>
#include <cmath>

#include "soundgen/synth/curves.h"
#include "soundgen/synth/filters.h"
#include "soundgen/synth/sound.h"

namespace soundgen {

std::vector<float> bubble(double hz, double rise) {
  const double damping = 0.13 * hz + 0.0072 * std::pow(hz, 1.5);
  const size_t length = frames_for(std::min(0.08, 5.0 / damping));
  std::vector<float> grain(length);
  double phase = 0;
  for (size_t i = 0; i < length; ++i) {
    const double t = static_cast<double>(i) / kSampleRate;
    phase += 2 * kPi * hz * (1 + rise * damping * t) / kSampleRate;
    const double attack = std::min(1.0, t * 2000);
    grain[i] = static_cast<float>(attack * std::exp(-damping * t) * std::sin(phase));
  }
  return grain;
}

std::vector<float> click(Random& random, double hz, double q, double decay_seconds) {
  const size_t length = frames_for(decay_seconds * 6) + 1;
  std::vector<float> grain(length);
  Biquad resonance = Biquad::bandpass(std::min(hz, 0.45 * kSampleRate), q);
  for (size_t i = 0; i < length; ++i) {
    const double t = static_cast<double>(i) / kSampleRate;
    grain[i] = resonance.process(static_cast<float>(std::exp(-t / decay_seconds)) * random.bipolar());
  }
  return grain;
}

namespace {

double pitch_at(const std::vector<std::pair<double, double>>& points, double t) {
  if (t <= points.front().first) return points.front().second;
  for (size_t i = 1; i < points.size(); ++i) {
    if (t < points[i].first) {
      const auto [t0, f0] = points[i - 1];
      const auto [t1, f1] = points[i];
      const double f = (t - t0) / (t1 - t0);
      return f0 * std::pow(f1 / f0, 0.5 - 0.5 * std::cos(kPi * f));
    }
  }
  return points.back().second;
}

}  // namespace

std::vector<float> sing(const Glide& glide, Random& random) {
  const double length = glide.pitch.back().first;
  std::vector<float> out(frames_for(length));
  Svf breath_filter(3.0);
  std::vector<double> phases(glide.harmonics.size(), 0.0);
  const double vibrato_phase = random.uniform(0, 2 * kPi);
  for (size_t i = 0; i < out.size(); ++i) {
    const double t = static_cast<double>(i) / kSampleRate;
    const double hz = pitch_at(glide.pitch, t) *
                      (1 + glide.vibrato_depth * std::sin(2 * kPi * glide.vibrato_hz * t + vibrato_phase));
    double tone = 0;
    for (size_t h = 0; h < phases.size(); ++h) {
      phases[h] += 2 * kPi * hz * static_cast<double>(h + 1) / kSampleRate;
      if (hz * static_cast<double>(h + 1) < 0.45 * kSampleRate) tone += glide.harmonics[h] * std::sin(phases[h]);
    }
    if (i % 32 == 0) breath_filter.tune(std::min(2.0 * hz, 0.4 * kSampleRate));
    const double breath = glide.breath * breath_filter.process(random.bipolar()).band;
    out[i] = static_cast<float>(fade_window(t, length, glide.attack, glide.release) * (tone + breath));
  }
  return out;
}

}  // namespace soundgen
