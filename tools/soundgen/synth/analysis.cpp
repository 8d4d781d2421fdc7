#include "soundgen/synth/analysis.h"

#include <algorithm>
#include <cmath>

namespace soundgen {

void fft(std::vector<std::complex<double>>& data) {
  const size_t n = data.size();
  for (size_t i = 1, j = 0; i < n; ++i) {
    size_t bit = n >> 1;
    for (; j & bit; bit >>= 1) j ^= bit;
    j ^= bit;
    if (i < j) std::swap(data[i], data[j]);
  }
  for (size_t len = 2; len <= n; len <<= 1) {
    const std::complex<double> step = std::polar(1.0, -2 * kPi / static_cast<double>(len));
    for (size_t i = 0; i < n; i += len) {
      std::complex<double> w = 1;
      for (size_t k = 0; k < len / 2; ++k, w *= step) {
        const std::complex<double> u = data[i + k], v = data[i + k + len / 2] * w;
        data[i + k] = u + v;
        data[i + k + len / 2] = u - v;
      }
    }
  }
}

std::vector<double> frame_power(const std::vector<float>& mono, size_t start, size_t size) {
  std::vector<std::complex<double>> frame(size);
  for (size_t i = 0; i < size && start + i < mono.size(); ++i) {
    const double hann = 0.5 - 0.5 * std::cos(2 * kPi * static_cast<double>(i) / static_cast<double>(size));
    frame[i] = mono[start + i] * hann;
  }
  fft(frame);
  std::vector<double> power(size / 2);
  for (size_t k = 0; k < size / 2; ++k) power[k] = std::norm(frame[k]);
  return power;
}

std::vector<float> mono_mix(const Sound& sound) {
  std::vector<float> mono(sound.frames());
  for (size_t i = 0; i < mono.size(); ++i) mono[i] = 0.5f * (sound.left[i] + sound.right[i]);
  return mono;
}

std::vector<double> average_spectrum(const std::vector<float>& mono, size_t size) {
  std::vector<double> sum(size / 2, 0.0);
  size_t frames = 0;
  for (size_t start = 0; start + size <= mono.size(); start += size / 2, ++frames) {
    const std::vector<double> p = frame_power(mono, start, size);
    for (size_t k = 0; k < sum.size(); ++k) sum[k] += p[k];
  }
  for (double& s : sum) s /= static_cast<double>(std::max<size_t>(frames, 1));
  return sum;
}

namespace {
size_t bin_of(const std::vector<double>& spectrum, double hz) {
  const double bin_hz = kSampleRate / (2.0 * static_cast<double>(spectrum.size()));
  return std::min(spectrum.size(), static_cast<size_t>(hz / bin_hz));
}
}  // namespace

double band_share(const std::vector<double>& spectrum, double lo_hz, double hi_hz) {
  double band = 0, total = 0;
  const size_t lo = bin_of(spectrum, lo_hz), hi = bin_of(spectrum, hi_hz);
  for (size_t k = 0; k < spectrum.size(); ++k) {
    total += spectrum[k];
    if (k >= lo && k < hi) band += spectrum[k];
  }
  return total > 0 ? band / total : 0;
}

double peak_frequency(const std::vector<double>& spectrum, double lo_hz, double hi_hz) {
  const size_t lo = bin_of(spectrum, lo_hz), hi = bin_of(spectrum, hi_hz);
  size_t best = lo;
  for (size_t k = lo; k < hi; ++k)
    if (spectrum[k] > spectrum[best]) best = k;
  return static_cast<double>(best) * kSampleRate / (2.0 * static_cast<double>(spectrum.size()));
}

float seam_step(const Sound& sound) {
  const size_t last = sound.frames() - 1;
  return std::max(std::abs(sound.left[0] - sound.left[last]), std::abs(sound.right[0] - sound.right[last]));
}

float step_quantile(const Sound& sound, double quantile) {
  std::vector<float> steps;
  steps.reserve(2 * sound.frames());
  for (size_t i = 1; i < sound.frames(); ++i) {
    steps.push_back(std::abs(sound.left[i] - sound.left[i - 1]));
    steps.push_back(std::abs(sound.right[i] - sound.right[i - 1]));
  }
  if (steps.empty()) return 0;
  const size_t k = std::min(steps.size() - 1, static_cast<size_t>(quantile * static_cast<double>(steps.size())));
  std::nth_element(steps.begin(), steps.begin() + static_cast<long>(k), steps.end());
  return steps[k];
}

double rms(const Sound& sound, double from_seconds, double to_seconds) {
  const size_t from = std::min(sound.frames(), frames_for(from_seconds));
  const size_t to = std::min(sound.frames(), frames_for(to_seconds));
  double sum = 0;
  for (size_t i = from; i < to; ++i) sum += sound.left[i] * sound.left[i] + sound.right[i] * sound.right[i];
  return to > from ? std::sqrt(sum / (2.0 * static_cast<double>(to - from))) : 0;
}

}  // namespace soundgen
