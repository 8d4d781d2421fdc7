#pragma once
#include "audio/bass_api.h"

namespace velmora::scene {

// The engine calls the occasional sounds and the rain share. None of their results is examined:
// a stale or zero handle is refused by the engine without harm.
void StopAndFree(HSTREAM channel);
// Playing, stalled or paused; a finished, stopped, freed or zero handle is not busy.
bool IsBusy(HSTREAM channel);
void SetVolume(HSTREAM channel, double volume);

}  // namespace velmora::scene
