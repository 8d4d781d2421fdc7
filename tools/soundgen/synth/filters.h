#pragma once
// Recursive filters. Coefficients follow the usual bilinear-transform (cookbook) designs; state
// is kept in double so that long renders of narrow resonances stay stable and quiet.
#include "soundgen/synth/sound.h"

namespace soundgen {

class Biquad {
public:
  // `rate` differs from the generator's only when measuring recordings made at another rate.
  static Biquad lowpass(double hz, double q = 0.7071, double rate = kSampleRate);
  static Biquad highpass(double hz, double q = 0.7071, double rate = kSampleRate);
  // Unit gain at the centre frequency.
  static Biquad bandpass(double hz, double q);
  static Biquad peaking(double hz, double q, double gain_db);
  static Biquad highshelf(double hz, double q, double gain_db);

  float process(float x) {
    const double y = b0_ * x + z1_;
    z1_ = b1_ * x - a1_ * y + z2_;
    z2_ = b2_ * x - a2_ * y;
    return static_cast<float>(y);
  }
  void process(std::vector<float>& samples) {
    for (float& s : samples) s = process(s);
  }

private:
  Biquad(double b0, double b1, double b2, double a0, double a1, double a2)
      : b0_(b0 / a0), b1_(b1 / a0), b2_(b2 / a0), a1_(a1 / a0), a2_(a2 / a0) {}
  double b0_, b1_, b2_, a1_, a2_;
  double z1_ = 0, z2_ = 0;
};

// One-pole low-pass, for smoothing and gentle tilts.
class OnePole {
public:
  explicit OnePole(double hz);
  float process(float x) { return static_cast<float>(y_ += a_ * (x - y_)); }

private:
  double a_;
  double y_ = 0;
};

// State-variable filter whose centre may move every sample (trapezoidal form, stable under
// modulation); gives low-pass and unit-peak band-pass outputs at once.
class Svf {
public:
  explicit Svf(double q) : k_(1.0 / q) {}
  void tune(double hz);
  struct Out { float low, band; };
  Out process(float x);

private:
  double k_;
  double g_ = 0, a1_ = 0, a2_ = 0, a3_ = 0;
  double ic1_ = 0, ic2_ = 0;
};

}  // namespace soundgen
