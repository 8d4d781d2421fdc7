#pragma once
#include "audio/bass_api.h"

namespace velmora::scene {

// The scene's audio engine channels, one per layer or event channel; 0 before first use. A
// handle is replaced each time its sound starts; after a stop it names nothing live, and the
// engine refuses calls on it without harm.
struct Channels {
  HSTREAM StreamChannel = 0;
  HSTREAM CampfireChannel = 0;
  HSTREAM WindChannel = 0;
  HSTREAM CricketsChannel = 0;
  HSTREAM SwampChannel = 0;
  HSTREAM DrumChannel = 0;
  HSTREAM ExtraCricketsChannel = 0;
  HSTREAM OwlsChannel = 0;
  HSTREAM RainChannel = 0;
  HSTREAM ThunderChannel = 0;
};

}  // namespace velmora::scene
