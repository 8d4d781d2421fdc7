#pragma once
// Short sounds that subjects scatter by the thousand: bubbles, clicks, tonal glides.
#include <utility>
#include <vector>

#include "soundgen/synth/random.h"

namespace soundgen {

// A gas bubble's ring in water: a decaying sine whose damping grows with pitch and whose pitch
// rises by about `rise` while it rings.
std::vector<float> bubble(double hz, double rise);

// A burst of noise through a resonance: a crackle, a raindrop's tick, a beater's slap.
std::vector<float> click(Random& random, double hz, double q, double decay_seconds);

// A voiced glide: a fundamental following `pitch` (time in seconds, Hz; interpolated on a log
// scale) with vibrato, a fixed set of harmonic amplitudes and a breath of noise around them,
// swelling and fading along `loudness` (time in seconds, gain; none means a steady 1).
struct Glide {
  std::vector<std::pair<double, double>> pitch;
  std::vector<std::pair<double, double>> loudness;
  std::vector<double> harmonics = {1.0};
  double vibrato_hz = 0, vibrato_depth = 0;  // depth as a fraction of the pitch
  double vibrato_wander = 0;                 // rate and depth stray slowly by up to this fraction
  double breath = 0;                         // noise level relative to the tone
  double attack = 0.05, release = 0.15;      // seconds
};
std::vector<float> sing(const Glide& glide, Random& random);

}  // namespace soundgen
