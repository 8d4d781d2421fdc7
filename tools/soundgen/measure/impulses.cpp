#include "soundgen/measure/impulses.h"

#include <algorithm>
#include <cmath>

#include "soundgen/synth/filters.h"

namespace soundgen {
namespace {

std::vector<double> high_band(const Recording& r) {
  Biquad hp1 = Biquad::highpass(1000, 0.5412, r.rate), hp2 = Biquad::highpass(1000, 1.3066, r.rate);
  Biquad lp1 = Biquad::lowpass(10000, 0.5412, r.rate), lp2 = Biquad::lowpass(10000, 1.3066, r.rate);
  std::vector<double> out(r.samples.size());
  for (size_t i = 0; i < out.size(); ++i) out[i] = lp2.process(lp1.process(hp2.process(hp1.process(r.samples[i]))));
  return out;
}

// Levels in dB of consecutive windows of `frames` samples, floored 100 dB under full scale.
std::vector<double> window_levels(const std::vector<double>& x, size_t frames) {
  std::vector<double> levels;
  for (size_t start = 0; frames > 0 && start + frames <= x.size(); start += frames) {
    double sum = 0;
    for (size_t i = start; i < start + frames; ++i) sum += x[i] * x[i];
    levels.push_back(10 * std::log10(sum / static_cast<double>(frames) + 1e-10));
  }
  return levels;
}

double quantile(std::vector<double> values, double q) {
  if (values.empty()) return 0;
  const auto at = values.begin() + static_cast<std::ptrdiff_t>(q * static_cast<double>(values.size() - 1));
  std::nth_element(values.begin(), at, values.end());
  return *at;
}

}  // namespace

double level_range_db(const Recording& r) {
  const std::vector<double> x(r.samples.begin(), r.samples.end());
  const std::vector<double> levels = window_levels(x, static_cast<size_t>(0.4 * r.rate));
  return quantile(levels, 0.95) - quantile(levels, 0.05);
}

double crest_factor_db(const Recording& r) {
  double peak = 0, sum = 0;
  for (float s : r.samples) {
    peak = std::max(peak, static_cast<double>(std::abs(s)));
    sum += static_cast<double>(s) * s;
  }
  if (sum <= 0) return 0;
  return 20 * std::log10(peak / std::sqrt(sum / static_cast<double>(r.samples.size())));
}

double band_kurtosis(const Recording& r) {
  double m2 = 0, m4 = 0;
  for (double x : high_band(r)) {
    m2 += x * x;
    m4 += x * x * x * x;
  }
  if (m2 <= 0) return 0;
  const double n = static_cast<double>(r.samples.size());
  return (m4 / n) / ((m2 / n) * (m2 / n));
}

Onsets onset_rates(const Recording& r) {
  const size_t frame = static_cast<size_t>(std::lround(0.005 * r.rate));
  const std::vector<double> level = window_levels(high_band(r), frame);
  std::vector<double> rise(level.size(), 0.0);
  for (size_t j = 6; j < level.size(); ++j) {
    double before = 0;
    for (size_t k = j - 6; k < j - 1; ++k) before += level[k];
    rise[j] = level[j] - before / 5;
  }
  int jumps = 0, small = 0;
  size_t last = 0;
  for (size_t j = 7; j + 1 < rise.size(); ++j) {
    if (rise[j] < 6 || rise[j] < rise[j - 1] || rise[j] <= rise[j + 1] || (last && j - last < 4)) continue;
    (rise[j] >= 15 ? jumps : small) += 1;
    last = j;
  }
  const double seconds = r.seconds();
  if (seconds <= 0) return {0, 0};
  return {jumps / seconds, small / seconds};
}

}  // namespace soundgen
