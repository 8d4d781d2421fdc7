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

// Where `t` falls between two of the points: their index and a raised-cosine step from 0 to 1.
using Points = std::vector<std::pair<double, double>>;

std::pair<size_t, double> segment_at(const Points& points, double t) {
  for (size_t i = 1; i < points.size(); ++i) {
    if (t < points[i].first) {
      const double f = std::max(0.0, (t - points[i - 1].first) / (points[i].first - points[i - 1].first));
      return {i, 0.5 - 0.5 * std::cos(kPi * f)};
    }
  }
  return {points.size() - 1, 1.0};
}

double pitch_at(const Points& points, double t) {
  if (points.size() == 1) return points.front().second;
  const auto [i, f] = segment_at(points, t);
  return points[i - 1].second * std::pow(points[i].second / points[i - 1].second, f);
}

double loudness_at(const Points& points, double t) {
  if (points.empty()) return 1;
  if (points.size() == 1) return points.front().second;
  const auto [i, f] = segment_at(points, t);
  return points[i - 1].second + (points[i].second - points[i - 1].second) * f;
}

}  // namespace

std::vector<float> sing(const Glide& glide, Random& random) {
  const double length = glide.pitch.back().first;
  std::vector<float> out(frames_for(length));
  Svf breath_filter(3.0);
  std::vector<double> phases(glide.harmonics.size(), 0.0);
  double vibrato_phase = random.uniform(0, 2 * kPi);
  // A few turns of the wandering curves per second: the vibrato drifts rather than jitters.
  const int turns = std::max(4, static_cast<int>(3 * length));
  const double wander = glide.vibrato_wander;
  const PeriodicCurve rate(random, turns, 1 - wander, 1 + wander), depth(random, turns, 1 - wander, 1 + wander);
  for (size_t i = 0; i < out.size(); ++i) {
    const double t = static_cast<double>(i) / kSampleRate;
    const double hz =
        pitch_at(glide.pitch, t) * (1 + glide.vibrato_depth * depth.at(t / length) * std::sin(vibrato_phase));
    vibrato_phase += 2 * kPi * glide.vibrato_hz * rate.at(t / length) / kSampleRate;
    double tone = 0;
    for (size_t h = 0; h < phases.size(); ++h) {
      phases[h] += 2 * kPi * hz * static_cast<double>(h + 1) / kSampleRate;
      if (hz * static_cast<double>(h + 1) < 0.45 * kSampleRate) tone += glide.harmonics[h] * std::sin(phases[h]);
    }
    if (i % 32 == 0) breath_filter.tune(std::min(2.0 * hz, 0.4 * kSampleRate));
    const double breath = glide.breath * breath_filter.process(random.bipolar()).band;
    const double gain = fade_window(t, length, glide.attack, glide.release) * loudness_at(glide.loudness, t);
    out[i] = static_cast<float>(gain * (tone + breath));
  }
  return out;
}

}  // namespace soundgen
