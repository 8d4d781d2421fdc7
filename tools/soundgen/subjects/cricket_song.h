#pragma once
// Crickets: each insect sings pulses of an almost pure tone (its wings' carrier), either grouped
// into chirps or run together into long trills with pauses between bouts. What a chorus of many
// singers and a single cricket's phrase share.
#include <vector>

#include "soundgen/synth/canvas.h"
#include "soundgen/synth/random.h"

namespace soundgen::crickets {

struct Song {
  double carrier_hz;
  double pulse_seconds, pulse_period;  // one syllable and the spacing of syllables
  int pulses_per_chirp;                // 0 for a trill
  double chirp_period;                 // chirps; for a trill, the mean bout length
  double pause;                        // mean silence between chirps' groups or trill bouts
};

// How a syllable's carrier moves: the share it falls by as the wing closes, its octave and its
// third harmonic.
struct Voice {
  double fall, octave, third = 0;
};
inline constexpr Voice kNearVoice = {0.03, 0.06};

// One syllable: a tone that sags in pitch as the wing closes, with a trace of its octave.
std::vector<float> pulse(const Song& song, double carrier_hz, const Voice& voice = kNearVoice);

struct Singer {
  Song song;
  double pan, gain;
  Voice voice = kNearVoice;
};

// Sings from `from` to `to` seconds, pausing now and then as real crickets do.
void sing(Canvas& canvas, const Singer& singer, double from, double to, Random& random);

}  // namespace soundgen::crickets
