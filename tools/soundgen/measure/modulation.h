#pragma once
// How each octave band's loudness moves: the envelope of the band (its RMS over 2.5 ms) and the
// share of that envelope's variance in octave-wide rate bands, relative to its mean squared. An
// envelope m(1 + d cos 2πft) has d²/2 of it at f: full modulation reads -3 dB.
#include <vector>

#include "soundgen/measure/recording.h"

namespace soundgen {

// Octave bands 125 Hz to 8 kHz.
const std::vector<double>& modulation_band_centres();
// Rate bands [r, 2r) for r = 0.5 to 32 Hz.
const std::vector<double>& modulation_rates();

// Depth in dB for every band and rate, band by band (rates vary fastest); NaN where the recording
// is too short to hold two periods of the rate.
std::vector<double> modulation_map(const Recording& recording);

}  // namespace soundgen
