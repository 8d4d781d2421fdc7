#pragma once
// The scene's subjects, each rendered procedurally from a fixed seed. Loops come back to their
// start without a seam; `variant` picks one of a layer's distinct sounds.
#include "soundgen/synth/sound.h"

namespace soundgen {

// Loops.
Sound brook(int variant);           // 1, 2
Sound campfire(int variant);        // 1, 2
Sound wind(int variant);            // 1, 2
Sound cricket_chorus(int variant);  // 1, 2
Sound swamp(int variant);           // 1, 2
Sound drum(int variant);            // 1 to 5
Sound steady_rain();
Sound thunder_loop();

// One-shots.
Sound cricket_phrase(int number);  // 3 to 11
Sound night_call(int number);      // 1 to 5 owls, 6 to 10 wolves
Sound whole_rain(bool thunder);    // twelve minutes, from the first drops to the last

}  // namespace soundgen
