#include "soundgen/synth/levels.h"

#include <algorithm>
#include <cmath>
#include <deque>

#include "soundgen/synth/filters.h"

namespace soundgen {
namespace {

constexpr size_t kStepsPerBlock = 4;  // 400 ms blocks overlapping by 75 %

// Energy of the K-weighted signal in each 100 ms step, both channels together.
std::vector<double> step_energies(const Sound& sound) {
  const size_t step = frames_for(0.1);
  std::vector<double> energies(sound.frames() / step, 0.0);
  for (const std::vector<float>* channel : {&sound.left, &sound.right}) {
    Biquad shelf = Biquad::highshelf(1500, 0.7071, 4.0);
    Biquad rumble = Biquad::highpass(38, 0.5);
    for (size_t i = 0; i < energies.size() * step; ++i) {
      const double y = rumble.process(shelf.process((*channel)[i]));
      energies[i / step] += y * y;
    }
  }
  return energies;
}

double to_lufs(double mean_square) { return -0.691 + 10.0 * std::log10(std::max(mean_square, 1e-20)); }

// Holds every sample under the ceiling with a look-ahead gain: the least gain needed within
// +-`reach` samples, averaged over the same span so that it moves smoothly (the average of those
// minima never exceeds what any sample in the span needs). Streams through the sound, keeping
// only a span's worth of values.
void limit(Sound& sound, float ceiling, Shape shape, long reach) {
  const long n = static_cast<long>(sound.frames()), span = 2 * reach + 1;
  auto need_at = [&](long i) {
    const float p = std::max(std::abs(sound.left[i]), std::abs(sound.right[i]));
    return p > ceiling ? ceiling / p : 1.0f;
  };
  // A loop's start is needed again past its end, after it has been limited: keep it as it was.
  std::vector<float> head;
  if (shape == Shape::Loop)
    for (long i = 0; i < std::min(n, 2 * reach); ++i) head.push_back(need_at(i));
  auto need = [&](long i) {
    if (shape == Shape::OneShot) return i < 0 || i >= n ? 1.0f : need_at(i);
    i = ((i % n) + n) % n;
    return i < static_cast<long>(head.size()) ? head[i] : need_at(i);
  };
  std::deque<std::pair<long, float>> window;  // sliding minimum over [j - 2 reach, j]
  std::vector<float> least(span, 1.0f);     // the last span minima, a ring
  double sum = static_cast<double>(span);
  for (long j = -2 * reach; j < n + 2 * reach; ++j) {
    const float need_j = need(j);
    while (!window.empty() && window.back().second >= need_j) window.pop_back();
    window.emplace_back(j, need_j);
    if (window.front().first < j - 2 * reach) window.pop_front();
    if (j < 0) continue;
    float& slot = least[j % span];
    sum += window.front().second - slot;
    slot = window.front().second;
    const long i = j - 2 * reach;
    if (i < 0) continue;
    const auto gain = static_cast<float>(sum / static_cast<double>(span));
    sound.left[i] *= gain;
    sound.right[i] *= gain;
  }
}

}  // namespace

double loudness_lufs(const Sound& sound) {
  const std::vector<double> steps = step_energies(sound);
  const auto block_frames = static_cast<double>(kStepsPerBlock * frames_for(0.1));
  std::vector<double> blocks;
  for (size_t k = 0; k + kStepsPerBlock <= steps.size(); ++k) {
    double sum = 0;
    for (size_t j = k; j < k + kStepsPerBlock; ++j) sum += steps[j];
    blocks.push_back(sum / block_frames);
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
  limit(sound, ceiling, shape, static_cast<long>(frames_for(0.003)));
}

}  // namespace soundgen
