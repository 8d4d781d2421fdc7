#pragma once
// The tempo extension's one call.
#include "audio/bass_api.h"

#if defined(VELMORA_BUILDING_TEMPO)
#define BASS_FX_EXPORT __declspec(dllexport)
#else
#define BASS_FX_EXPORT
#endif

extern "C" {
BASS_FX_EXPORT HSTREAM BASS_CALL BASS_FX_TempoCreate(BASS_DWORD channel, BASS_DWORD flags);
}
