#pragma once
// The audio engine's calls as the program makes them. Platform-free so that tests can provide a
// recording engine natively; on Windows the calls are stdcall and bound at load time.
#include <cstdint>

#if defined(_WIN32)
#define BASS_CALL __stdcall
#else
#define BASS_CALL
#endif

#if defined(VELMORA_BUILDING_ENGINE)
#define BASS_EXPORT __declspec(dllexport)
#else
#define BASS_EXPORT
#endif

using BASS_BOOL = int32_t;
using BASS_DWORD = uint32_t;
using BASS_QWORD = uint64_t;
using HSTREAM = uint32_t;

inline constexpr BASS_DWORD BASS_STREAM_LOOP = 4;
inline constexpr BASS_DWORD BASS_STREAM_DECODE = 0x200000;
inline constexpr BASS_DWORD BASS_FX_FREESOURCE = 0x10000;
inline constexpr BASS_DWORD BASS_ATTRIB_VOL = 2;
inline constexpr BASS_DWORD BASS_ATTRIB_PAN = 3;
inline constexpr BASS_DWORD BASS_ATTRIB_TEMPO = 0x10000;

extern "C" {
BASS_EXPORT BASS_DWORD BASS_CALL BASS_GetVersion();
BASS_EXPORT BASS_BOOL BASS_CALL BASS_Init(int32_t device, BASS_DWORD frequency, BASS_DWORD flags,
                                          void* window, const void* classId);
BASS_EXPORT HSTREAM BASS_CALL BASS_StreamCreateFile(BASS_BOOL fromMemory, const void* file,
                                                    BASS_QWORD offset, BASS_QWORD length,
                                                    BASS_DWORD flags);
BASS_EXPORT BASS_BOOL BASS_CALL BASS_ChannelSetAttribute(BASS_DWORD handle, BASS_DWORD attribute,
                                                         float value);
BASS_EXPORT BASS_BOOL BASS_CALL BASS_ChannelPlay(BASS_DWORD handle, BASS_BOOL restart);
BASS_EXPORT BASS_BOOL BASS_CALL BASS_ChannelStop(BASS_DWORD handle);
BASS_EXPORT BASS_BOOL BASS_CALL BASS_StreamFree(HSTREAM handle);
BASS_EXPORT BASS_DWORD BASS_CALL BASS_ChannelIsActive(BASS_DWORD handle);
BASS_EXPORT BASS_BOOL BASS_CALL BASS_Stop();
BASS_EXPORT BASS_BOOL BASS_CALL BASS_Free();
}
