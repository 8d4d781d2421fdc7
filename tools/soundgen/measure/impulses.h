#pragma once
// How a sound's level moves in time: its range over 0.4 s windows, and for impulsive subjects
// (crackles, thunder's cracks) how peaky it is and how often it jumps.
#include "soundgen/measure/recording.h"

namespace soundgen {

// Spread of the levels of consecutive 0.4 s windows: 95th percentile less 5th, in dB.
double level_range_db(const Recording& recording);
// Highest peak over the RMS, in dB.
double crest_factor_db(const Recording& recording);
// Kurtosis (4th moment over the squared 2nd) of the 1 to 10 kHz band: 3 for Gaussian noise.
double band_kurtosis(const Recording& recording);

// Onsets in the 1 to 10 kHz band: 5 ms frames whose level rises above the mean of the 25 ms
// before the previous frame by at least 15 dB (jumps) or by 6 to 15 dB (small crackles), each
// counted at its peak and at most once per 20 ms, per second.
struct Onsets {
  double jumps_per_second, small_per_second;
};
Onsets onset_rates(const Recording& recording);

}  // namespace soundgen
