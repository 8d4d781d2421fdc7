#include "soundgen/synth/levels.h"

#include <algorithm>
#include <cmath>
#include <deque>

#include "soundgen/synth/filters.h"

namespace soundgen {
namespace {

std::vector<double> k_weighted_squares(const std::vector<float>& channel) {
  Biquad shelf = Biquad::highshelf(1500, 0.7071, 4.0);
  Biquad rumble = Biquad::highpass(38, 0.5);
  std::vector<double> out(channel.size());
  for (size_t i = 0; i < channel.size(); ++i) {
    const double y = rumble.process(shelf.process(channel[i]));
    out[i] = y * y;
  }
  return out;
}

double to_lufs(double mean_square) { return -0.691 + 10.0 * std::log10(std::max(mean_square, 1e-20)); }

// Look-ahead gain that keeps every sample under the ceiling: the least gain needed within
// +-`reach` samples, then averaged over the same span so that it moves smoothly.
std::vector<float> limiter_gain(const Sound& sound, float ceiling, Shape shape, long reach) {
  const long n = static_cast<long>(sound.frames());
  auto need = [&](long i) {
    if (shape == Shape::Loop) i = ((i % n) + n) % n;
    else if (i < 0 || i >= n) return 1.0f;
    const float p = std::max(std::abs(sound.left[i]), std::abs(sound.right[i]));
    return p > ceiling ? ceiling / p : 1.0f;
  };
  std::vector<float> least(n + 2 * reach);
  std::deque<long> window;  // indexes of increasing need, sliding minimum
  for (long j = -2 * reach; j < n + 2 * reach; ++j) {
    while (!window.empty() && need(window.back()) >= need(j)) window.pop_back();
    window.push_back(j);
    if (window.front() < j - 2 * reach) window.pop_front();
    if (j >= 0) least[j] = need(window.front());  // minimum over [j - 2 reach, j], centred at j - reach
  }
  std::vector<float> gain(n);
  double sum = 0;
  const long span = 2 * reach + 1;
  for (long j = 0; j < span; ++j) sum += least[j];
  for (long i = 0; i < n; ++i) {
    gain[i] = static_cast<float>(sum / static_cast<double>(span));
    if (i + 1 < n) sum += least[i + span] - least[i];
  }
  return gain;
}

}  // namespace

double loudness_lufs(const Sound& sound) {
  const std::vector<double> l = k_weighted_squares(sound.left), r = k_weighted_squares(sound.right);
  const size_t block = frames_for(0.4), step = frames_for(0.1);
  std::vector<double> blocks;
  for (size_t start = 0; start + block <= l.size(); start += step) {
    double sum = 0;
    for (size_t i = start; i < start + block; ++i) sum += l[i] + r[i];
    blocks.push_back(sum / static_cast<double>(block));
  }
  auto gated_mean = [&](double gate_lufs) {
    double sum = 0;
    size_t count = 0;
    for (double b : blocks) {
      if (to_lufs(b) > gate_lufs) sum += b, ++count;
    }
    return count ? sum / static_cast<double>(count) : 0.0;
  };
  const double absolute = gated_mean(-70.0);
  return to_lufs(gated_mean(to_lufs(absolute) - 10.0));
}

float peak(const Sound& sound) {
  float p = 0;
  for (size_t i = 0; i < sound.frames(); ++i)
    p = std::max({p, std::abs(sound.left[i]), std::abs(sound.right[i])});
  return p;
}

void set_loudness(Sound& sound, Shape shape, double target_lufs, float ceiling) {
  const float gain = static_cast<float>(std::pow(10.0, (target_lufs - loudness_lufs(sound)) / 20.0));
  for (size_t i = 0; i < sound.frames(); ++i) sound.left[i] *= gain, sound.right[i] *= gain;
  if (peak(sound) <= ceiling) return;
  const std::vector<float> g = limiter_gain(sound, ceiling, shape, static_cast<long>(frames_for(0.003)));
  for (size_t i = 0; i < sound.frames(); ++i) sound.left[i] *= g[i], sound.right[i] *= g[i];
}

}  // namespace soundgen
