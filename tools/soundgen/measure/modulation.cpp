#include "soundgen/measure/modulation.h"

#include <cmath>
#include <complex>
#include <limits>

#include "soundgen/synth/analysis.h"
#include "soundgen/synth/filters.h"

namespace soundgen {
namespace {

constexpr double kEnvelopeRate = 400;

// The band's RMS over blocks of about 2.5 ms, through fourth-order Butterworth edges an octave
// apart.
std::vector<double> band_envelope(const Recording& r, double centre, size_t block) {
  const double lo = centre / std::sqrt(2.0), hi = centre * std::sqrt(2.0);
  Biquad hp1 = Biquad::highpass(lo, 0.5412, r.rate), hp2 = Biquad::highpass(lo, 1.3066, r.rate);
  Biquad lp1 = Biquad::lowpass(hi, 0.5412, r.rate), lp2 = Biquad::lowpass(hi, 1.3066, r.rate);
  std::vector<double> envelope;
  double sum = 0;
  for (size_t i = 0; i < r.samples.size(); ++i) {
    const double x = lp2.process(lp1.process(hp2.process(hp1.process(r.samples[i]))));
    sum += x * x;
    if ((i + 1) % block == 0) {
      envelope.push_back(std::sqrt(sum / static_cast<double>(block)));
      sum = 0;
    }
  }
  return envelope;
}

// Variance of the envelope per rate band relative to its mean squared, from Hann-windowed
// segments (each segment's own mean removed) of up to ten seconds.
std::vector<double> depths(const std::vector<double>& envelope, double envelope_rate) {
  const std::vector<double>& rates = modulation_rates();
  std::vector<double> out(rates.size(), std::numeric_limits<double>::quiet_NaN());
  size_t size = 4096;
  while (size > 256 && size > envelope.size()) size /= 2;
  if (size > envelope.size()) return out;
  double mean = 0;
  for (double e : envelope) mean += e;
  mean /= static_cast<double>(envelope.size());
  if (mean <= 0) return out;
  std::vector<double> band_power(rates.size(), 0.0);
  double window_power = 0;
  size_t segments = 0;
  for (size_t start = 0; start + size <= envelope.size(); start += size / 2, ++segments) {
    double segment_mean = 0;
    for (size_t i = 0; i < size; ++i) segment_mean += envelope[start + i];
    segment_mean /= static_cast<double>(size);
    std::vector<std::complex<double>> frame(size);
    window_power = 0;
    for (size_t i = 0; i < size; ++i) {
      const double w = 0.5 - 0.5 * std::cos(2 * kPi * static_cast<double>(i) / static_cast<double>(size));
      frame[i] = w * (envelope[start + i] - segment_mean);
      window_power += w * w;
    }
    fft(frame);
    for (size_t k = 1; k < size / 2; ++k) {
      const double hz = static_cast<double>(k) * envelope_rate / static_cast<double>(size);
      for (size_t b = 0; b < rates.size(); ++b)
        if (hz >= rates[b] && hz < 2 * rates[b]) band_power[b] += 2 * std::norm(frame[k]);
    }
  }
  const double seconds = static_cast<double>(size) / envelope_rate;
  for (size_t b = 0; b < rates.size(); ++b) {
    if (seconds * rates[b] < 2) continue;
    const double variance = band_power[b] / (static_cast<double>(segments) * static_cast<double>(size) * window_power);
    out[b] = 10 * std::log10(variance / (mean * mean) + 1e-12);
  }
  return out;
}

}  // namespace

const std::vector<double>& modulation_band_centres() {
  static const std::vector<double> centres = {125, 250, 500, 1000, 2000, 4000, 8000};
  return centres;
}

const std::vector<double>& modulation_rates() {
  static const std::vector<double> rates = {0.5, 1, 2, 4, 8, 16, 32};
  return rates;
}

std::vector<double> modulation_map(const Recording& r) {
  const size_t block = static_cast<size_t>(std::lround(r.rate / kEnvelopeRate));
  const double envelope_rate = r.rate / static_cast<double>(block);
  std::vector<double> map;
  for (double centre : modulation_band_centres()) {
    const std::vector<double> d = depths(band_envelope(r, centre, block), envelope_rate);
    map.insert(map.end(), d.begin(), d.end());
  }
  return map;
}

}  // namespace soundgen
