#pragma once
// A recording audio engine for native tests: it provides the engine's calls, writes each into one
// log as text, and answers as the test sets it up.
#include <set>
#include <string>
#include <vector>

#include "audio/bass_api.h"

namespace velmora::testing {

struct RecordingEngine {
  std::vector<std::string> calls;
  BASS_DWORD version = 0x02040000;
  bool initSucceeds = true;
  std::set<std::string> missingFiles;  // paths whose streams fail
  bool tempoFails = false;
  HSTREAM nextHandle = 100;
  // Channels playing: from their play until their stop or free, or until a test ends them.
  std::set<HSTREAM> playing;

  // The calls made since the last look, which are forgotten.
  std::vector<std::string> Take();
  // A play-once stream reaches its end.
  void Finish(HSTREAM handle) { playing.erase(handle); }
};

// The one engine the calls go to; each test starts it afresh.
RecordingEngine& Engine();
void ResetEngine();

}  // namespace velmora::testing
