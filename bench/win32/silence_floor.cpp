// silence_floor: the engine's output with nothing to play, for a while. Any process that keeps
// the program's four 10 ms blocks of silence queued at the device pays this; it is the floor the
// program's idle CPU is measured against.
//   silence_floor SECONDS
#include <windows.h>

#include <cstdlib>

#include "audio/bass_api.h"

int main(int argc, char** argv) {
  const unsigned long seconds = argc > 1 ? std::strtoul(argv[1], nullptr, 10) : 30;
  if (!BASS_Init(-1, 44100, 0, nullptr, nullptr)) return 1;
  Sleep(static_cast<DWORD>(seconds * 1000));
  BASS_Free();
  return 0;
}
