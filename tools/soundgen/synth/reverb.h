#pragma once
// A small stereo room (parallel combs into series all-passes), for the forest's space around the
// drum, the owls, the wolves and the thunder.
#include <vector>

#include "soundgen/synth/canvas.h"

namespace soundgen {

struct RoomSettings {
  double size = 0.8;     // 0..1: longer tails
  double damping = 0.4;  // 0..1: darker tails
  double wet = 0.3;
  double dry = 1.0;
};

// On a loop the room is run through the sound twice and the second pass kept, so the tail of the
// end rings on at the start exactly as it would in a real endless loop.
void apply_room(Sound& sound, Shape shape, const RoomSettings& settings);

}  // namespace soundgen
