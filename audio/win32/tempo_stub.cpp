// Placeholder tempo extension: no tempo stream can be made.
#include "audio/bass_fx_api.h"

extern "C" {
HSTREAM BASS_CALL BASS_FX_TempoCreate(BASS_DWORD, BASS_DWORD) { return 0; }
}
