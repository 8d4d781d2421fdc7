#pragma once
// The scene's subjects, each rendered procedurally from a fixed seed. Loops come back to their
// start without a seam; `variant` picks one of a layer's distinct sounds.
#include "soundgen/synth/sound.h"

namespace soundgen {

Sound brook(int variant);

}  // namespace soundgen
