#include "soundgen/synth/filters.h"

#include <cmath>

namespace soundgen {
namespace {

struct Angle {
  double cos_w, alpha;
  Angle(double hz, double q, double rate) {
    const double w = 2.0 * kPi * hz / rate;
    cos_w = std::cos(w);
    alpha = std::sin(w) / (2.0 * q);
  }
};

}  // namespace

Biquad Biquad::lowpass(double hz, double q, double rate) {
  const Angle a(hz, q, rate);
  return {(1 - a.cos_w) / 2, 1 - a.cos_w, (1 - a.cos_w) / 2, 1 + a.alpha, -2 * a.cos_w, 1 - a.alpha};
}

Biquad Biquad::highpass(double hz, double q, double rate) {
  const Angle a(hz, q, rate);
  return {(1 + a.cos_w) / 2, -(1 + a.cos_w), (1 + a.cos_w) / 2, 1 + a.alpha, -2 * a.cos_w,
          1 - a.alpha};
}

Biquad Biquad::bandpass(double hz, double q) {
  const Angle a(hz, q, kSampleRate);
  return {a.alpha, 0, -a.alpha, 1 + a.alpha, -2 * a.cos_w, 1 - a.alpha};
}

Biquad Biquad::peaking(double hz, double q, double gain_db) {
  const Angle a(hz, q, kSampleRate);
  const double g = std::pow(10.0, gain_db / 40.0);
  return {1 + a.alpha * g, -2 * a.cos_w, 1 - a.alpha * g, 1 + a.alpha / g, -2 * a.cos_w,
          1 - a.alpha / g};
}

Biquad Biquad::highshelf(double hz, double q, double gain_db) {
  const Angle a(hz, q, kSampleRate);
  const double g = std::pow(10.0, gain_db / 40.0);
  const double s = 2 * std::sqrt(g) * a.alpha;
  return {g * ((g + 1) + (g - 1) * a.cos_w + s), -2 * g * ((g - 1) + (g + 1) * a.cos_w),
          g * ((g + 1) + (g - 1) * a.cos_w - s), (g + 1) - (g - 1) * a.cos_w + s,
          2 * ((g - 1) - (g + 1) * a.cos_w), (g + 1) - (g - 1) * a.cos_w - s};
}

OnePole::OnePole(double hz) : a_(1.0 - std::exp(-2.0 * kPi * hz / kSampleRate)) {}

void Svf::tune(double hz) {
  g_ = std::tan(kPi * hz / kSampleRate);
  a1_ = 1.0 / (1.0 + g_ * (g_ + k_));
  a2_ = g_ * a1_;
  a3_ = g_ * a2_;
}

Svf::Out Svf::process(float x) {
  const double v3 = x - ic2_;
  const double v1 = a1_ * ic1_ + a2_ * v3;
  const double v2 = ic2_ + a2_ * ic1_ + a3_ * v3;
  ic1_ = 2 * v1 - ic1_;
  ic2_ = 2 * v2 - ic2_;
  return {static_cast<float>(v2), static_cast<float>(k_ * v1)};
}

}  // namespace soundgen
