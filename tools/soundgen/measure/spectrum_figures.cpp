#include "soundgen/measure/spectrum_figures.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "soundgen/synth/analysis.h"

namespace soundgen {
namespace {

constexpr double kLowestHz = 50, kHighestHz = 11000;

size_t frame_size(double rate) {
  size_t size = 1024;
  while (static_cast<double>(size) < rate / 5) size *= 2;
  return size;
}

template <typename Each>
void for_bins(const LongTermSpectrum& s, double lo_hz, double hi_hz, Each each) {
  for (size_t k = 1; k < s.power.size(); ++k) {
    const double hz = static_cast<double>(k) * s.bin_hz;
    if (hz >= lo_hz && hz < hi_hz) each(hz, s.power[k]);
  }
}

double centroid_of(const LongTermSpectrum& s) {
  double weighted = 0, total = 0;
  for_bins(s, kLowestHz, kHighestHz, [&](double hz, double p) { weighted += hz * p; total += p; });
  return total > 0 ? weighted / total : 0;
}

double a_weighted_total(const LongTermSpectrum& s, double lo_hz) {
  double total = 0;
  for_bins(s, lo_hz, std::numeric_limits<double>::infinity(), [&](double hz, double p) { total += p * a_weighting(hz); });
  return total;
}

}  // namespace

LongTermSpectrum long_term_spectrum(const Recording& r) {
  const size_t size = frame_size(r.rate);
  return {average_spectrum(r.samples, size), r.rate / static_cast<double>(size)};
}

double a_weighting(double hz) {
  const double f2 = hz * hz;
  const double ra = 12194.0 * 12194.0 * f2 * f2 /
                    ((f2 + 20.6 * 20.6) * std::sqrt((f2 + 107.7 * 107.7) * (f2 + 737.9 * 737.9)) * (f2 + 12194.0 * 12194.0));
  return ra * ra * std::pow(10.0, 0.2);  // +2.0 dB puts 1 kHz at unity
}

const std::vector<double>& third_octave_centres() {
  static const std::vector<double> centres = [] {
    std::vector<double> c;
    for (int k = -15; k <= 10; ++k) c.push_back(1000 * std::pow(10.0, k / 10.0));
    return c;
  }();
  return centres;
}

std::vector<double> third_octave_levels(const LongTermSpectrum& s) {
  const double reference = a_weighted_total(s, 0) + 1e-30;
  const double nyquist = s.bin_hz * static_cast<double>(s.power.size());
  std::vector<double> levels;
  for (double centre : third_octave_centres()) {
    const double lo = centre / std::pow(2.0, 1.0 / 6), hi = centre * std::pow(2.0, 1.0 / 6);
    double band = 0;
    for_bins(s, lo, hi, [&](double, double p) { band += p; });
    levels.push_back(hi < 0.9 * nyquist ? 10 * std::log10(band / reference + 1e-30)
                                        : std::numeric_limits<double>::quiet_NaN());
  }
  return levels;
}

double spectral_centroid_hz(const LongTermSpectrum& s) { return centroid_of(s); }

double spectral_flatness_db(const LongTermSpectrum& s) {
  double log_sum = 0, sum = 0;
  size_t n = 0;
  for_bins(s, kLowestHz, kHighestHz, [&](double, double p) {
    log_sum += std::log(p + 1e-30);
    sum += p;
    ++n;
  });
  if (n == 0 || sum <= 0) return 0;
  const double mean = sum / static_cast<double>(n);
  return 10 * std::log10(std::exp(log_sum / static_cast<double>(n)) / mean);
}

double centroid_spread_octaves(const Recording& r) {
  const size_t size = frame_size(r.rate);
  std::vector<std::pair<double, double>> frames;  // energy, centroid
  for (size_t start = 0; start + size <= r.samples.size(); start += size) {
    const LongTermSpectrum frame{frame_power(r.samples, start, size), r.rate / static_cast<double>(size)};
    double energy = 0;
    for_bins(frame, kLowestHz, kHighestHz, [&](double, double p) { energy += p; });
    if (energy > 0) frames.emplace_back(energy, centroid_of(frame));
  }
  if (frames.size() < 2) return 0;
  const double loudest = std::max_element(frames.begin(), frames.end())->first;
  double sum = 0, square_sum = 0, n = 0;
  for (const auto& [energy, centroid] : frames) {
    if (energy < loudest * 1e-3) continue;
    const double octaves = std::log2(centroid);
    sum += octaves;
    square_sum += octaves * octaves;
    ++n;
  }
  const double mean = sum / n;
  return std::sqrt(std::max(0.0, square_sum / n - mean * mean));
}

double a_weighted_share_above(const LongTermSpectrum& s, double hz) {
  const double total = a_weighted_total(s, 0);
  return total > 0 ? a_weighted_total(s, hz) / total : 0;
}

}  // namespace soundgen
