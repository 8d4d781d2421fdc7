// velmora-engine-player: plays a sample through the engine pair the way the program does, in
// timed phases, for the end-to-end test to find in what the device recorded.
//   velmora-engine-player FILE
// Phases of 1.5 s each, every start printed as "phase NAME SECONDS" (seconds after the first):
//   plain   a looping file stream at full device volume
//   device  the same with the wave output device's volume at half; "device-volume RESULT" tells
//           whether the platform took the device-wide volume (0) or refused it
//   tempo   a looping tempo stream at +50 %, panned hard left, device volume full again
#include <windows.h>
#include <mmsystem.h>

#include <cstdio>

#include "audio/bass_fx_api.h"

namespace {

constexpr DWORD kPhaseMs = 1500;
constexpr DWORD kFullVolume = 0xFFFFFFFF;
constexpr DWORD kHalfVolume = 0x80008000;

double clockSeconds() {
  LARGE_INTEGER frequency, now;
  QueryPerformanceFrequency(&frequency);
  QueryPerformanceCounter(&now);
  return static_cast<double>(now.QuadPart) / static_cast<double>(frequency.QuadPart);
}

double seconds() {
  static const double start = clockSeconds();
  return clockSeconds() - start;
}

// The program's master volume: the volume of the default wave output device, the wave mapper.
MMRESULT setDeviceVolume(DWORD volume) {
  return waveOutSetVolume(reinterpret_cast<HWAVEOUT>(static_cast<UINT_PTR>(WAVE_MAPPER)), volume);
}

void phase(const char* name, HSTREAM stream) {
  const double now = seconds();
  BASS_ChannelPlay(stream, 0);
  std::printf("phase %s %.4f\n", name, now);
  std::fflush(stdout);
  Sleep(kPhaseMs);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) return 2;
  if (BASS_GetVersion() >> 16 != 0x0204 || !BASS_Init(-1, 44100, 0, nullptr, nullptr)) return 3;
  setDeviceVolume(kFullVolume);
  Sleep(1500);  // let the device settle before the first sound: a busy machine starts it late
  seconds();  // phases count from here

  const HSTREAM plain = BASS_StreamCreateFile(0, argv[1], 0, 0, BASS_STREAM_LOOP);
  const HSTREAM source = BASS_StreamCreateFile(0, argv[1], 0, 0, BASS_STREAM_DECODE);
  const HSTREAM tempo = BASS_FX_TempoCreate(source, BASS_FX_FREESOURCE | BASS_STREAM_LOOP);
  if (!plain || !tempo) return 4;
  BASS_ChannelSetAttribute(tempo, BASS_ATTRIB_PAN, -1.0f);
  BASS_ChannelSetAttribute(tempo, BASS_ATTRIB_TEMPO, 50.0f);

  phase("plain", plain);
  const MMRESULT deviceVolume = setDeviceVolume(kHalfVolume);
  std::printf("phase device %.4f\ndevice-volume %u\n", seconds(), deviceVolume);
  std::fflush(stdout);
  Sleep(kPhaseMs);
  BASS_ChannelStop(plain);
  setDeviceVolume(kFullVolume);
  phase("tempo", tempo);

  BASS_Stop();
  BASS_StreamFree(plain);
  BASS_StreamFree(tempo);
  const bool freed = BASS_Free() && !BASS_ChannelIsActive(tempo);
  return freed ? 0 : 5;
}
