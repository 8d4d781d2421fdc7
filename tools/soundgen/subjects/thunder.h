#pragma once
// Thunder, shared by the thunder loop and the long rain with thunder.
#include "soundgen/synth/canvas.h"
#include "soundgen/synth/random.h"

namespace soundgen {

// One thunderclap at `at` seconds; `distance` 0 (overhead: a tearing crack, then the roll) to 1
// (far off: only a low, soft rumble).
void add_thunder(Canvas& canvas, double at, double distance, Random& random);

}  // namespace soundgen
