#pragma once
// Noise colours: white, pink (-3 dB per octave) and brown (-6 dB per octave), each drawing from
// its own seeded generator.
#include "soundgen/synth/random.h"

namespace soundgen {

class WhiteNoise {
public:
  explicit WhiteNoise(uint64_t seed) : random_(seed) {}
  float next() { return random_.bipolar(); }

private:
  Random random_;
};

// Paul Kellet's economical filter; about unit RMS.
class PinkNoise {
public:
  explicit PinkNoise(uint64_t seed) : white_(seed) {}
  float next() {
    const double w = white_.next();
    b0_ = 0.99886 * b0_ + w * 0.0555179;
    b1_ = 0.99332 * b1_ + w * 0.0750759;
    b2_ = 0.96900 * b2_ + w * 0.1538520;
    b3_ = 0.86650 * b3_ + w * 0.3104856;
    b4_ = 0.55000 * b4_ + w * 0.5329522;
    b5_ = -0.7616 * b5_ - w * 0.0168980;
    const double pink = b0_ + b1_ + b2_ + b3_ + b4_ + b5_ + b6_ + w * 0.5362;
    b6_ = w * 0.115926;
    return static_cast<float>(pink * 0.25);
  }

private:
  WhiteNoise white_;
  double b0_ = 0, b1_ = 0, b2_ = 0, b3_ = 0, b4_ = 0, b5_ = 0, b6_ = 0;
};

// Leaky integral of white noise, with the inaudible sub-bass below about 40 Hz taken out (it
// would only eat headroom); about unit RMS.
class BrownNoise {
public:
  explicit BrownNoise(uint64_t seed) : white_(seed) {}
  float next() {
    y_ = 0.995 * y_ + 0.1 * white_.next();
    const double out = y_ - low_;
    low_ += 0.0057 * out;
    return static_cast<float>(out * 2.5);
  }

private:
  WhiteNoise white_;
  double y_ = 0, low_ = 0;
};

}  // namespace soundgen
