#pragma once
// Loudness and peaks. Loudness is measured the broadcast way (K-weighted, gated, in LUFS) so that
// sounds of different colours come out equally loud to the ear at the same slider position.
#include "soundgen/synth/canvas.h"

namespace soundgen {

double loudness_lufs(const Sound& sound);
float peak(const Sound& sound);

// Scales to the target loudness, then holds every peak at or below `ceiling` with a smooth
// look-ahead gain (wrapping around on a loop, so the seam stays seamless).
void set_loudness(Sound& sound, Shape shape, double target_lufs, float ceiling);

}  // namespace soundgen
