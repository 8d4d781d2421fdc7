#pragma once
// What a sound's long-term spectrum says: its balance in third-octave bands relative to its
// A-weighted total (the shape, whatever the level), its centre of gravity and how noise-like it is.
#include <vector>

#include "soundgen/measure/recording.h"

namespace soundgen {

struct LongTermSpectrum {
  std::vector<double> power;  // mean power per bin, Hann-windowed frames overlapping by half
  double bin_hz = 0;
};

// Frames of about 0.2 s at any rate.
LongTermSpectrum long_term_spectrum(const Recording& recording);

// The A-weighting curve as a power gain (1 at 1 kHz).
double a_weighting(double hz);

// Nominal third-octave centres from 31.5 Hz to 10 kHz (base-ten bands, 10^(k/10) kHz).
const std::vector<double>& third_octave_centres();
// Level of each band in dB relative to the A-weighted total; NaN for bands the recording's rate
// cannot hold.
std::vector<double> third_octave_levels(const LongTermSpectrum& spectrum);

// Both over 50 Hz to 11 kHz, below the low-pass of every encoder setting in use.
double spectral_centroid_hz(const LongTermSpectrum& spectrum);
double spectral_flatness_db(const LongTermSpectrum& spectrum);
// How far the centroid wanders: the standard deviation, in octaves, of the centroids of the
// frames that carry sound (within 30 dB of the loudest).
double centroid_spread_octaves(const Recording& recording);

// Share of the A-weighted power above `hz`.
double a_weighted_share_above(const LongTermSpectrum& spectrum, double hz);

}  // namespace soundgen
