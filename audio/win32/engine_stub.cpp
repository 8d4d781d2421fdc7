// Placeholder engine: reports release 2.4 and has no output device, so every call fails harmlessly.
#include "audio/bass_api.h"

extern "C" {
BASS_DWORD BASS_CALL BASS_GetVersion() { return 0x02040000; }
BASS_BOOL BASS_CALL BASS_Init(int32_t, BASS_DWORD, BASS_DWORD, void*, const void*) { return 0; }
HSTREAM BASS_CALL BASS_StreamCreateFile(BASS_BOOL, const void*, BASS_QWORD, BASS_QWORD,
                                        BASS_DWORD) {
  return 0;
}
BASS_BOOL BASS_CALL BASS_ChannelSetAttribute(BASS_DWORD, BASS_DWORD, float) { return 0; }
BASS_BOOL BASS_CALL BASS_ChannelPlay(BASS_DWORD, BASS_BOOL) { return 0; }
BASS_BOOL BASS_CALL BASS_ChannelStop(BASS_DWORD) { return 0; }
BASS_BOOL BASS_CALL BASS_StreamFree(HSTREAM) { return 0; }
BASS_DWORD BASS_CALL BASS_ChannelIsActive(BASS_DWORD) { return 0; }
BASS_BOOL BASS_CALL BASS_Stop() { return 0; }
BASS_BOOL BASS_CALL BASS_Free() { return 0; }
}
