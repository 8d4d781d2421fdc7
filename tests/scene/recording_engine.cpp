#include "tests/scene/recording_engine.h"

#include <cstdio>
#include <utility>

#include "audio/bass_fx_api.h"

namespace velmora::testing {
namespace {

RecordingEngine engine;

}  // namespace

std::vector<std::string> RecordingEngine::Take() { return std::exchange(calls, {}); }

RecordingEngine& Engine() { return engine; }
void ResetEngine() { engine = RecordingEngine{}; }

}  // namespace velmora::testing

using velmora::testing::Engine;

extern "C" {

BASS_DWORD BASS_CALL BASS_GetVersion() {
  Engine().calls.push_back("GetVersion");
  return Engine().version;
}

BASS_BOOL BASS_CALL BASS_Init(int32_t device, BASS_DWORD frequency, BASS_DWORD flags, void* window,
                    const void* classId) {
  char text[128];
  std::snprintf(text, sizeof text, "Init(%d, %u, %u, %s, %s)", device, frequency, flags,
                window ? "window" : "null", classId ? "class" : "null");
  Engine().calls.push_back(text);
  return Engine().initSucceeds;
}

HSTREAM BASS_CALL BASS_StreamCreateFile(BASS_BOOL fromMemory, const void* file, BASS_QWORD offset,
                              BASS_QWORD length, BASS_DWORD flags) {
  const std::string path = static_cast<const char*>(file);
  char text[64];
  std::snprintf(text, sizeof text, "%d, %llu, %llu, 0x%X)", fromMemory,
                static_cast<unsigned long long>(offset), static_cast<unsigned long long>(length),
                flags);
  Engine().calls.push_back("StreamCreateFile(" + path + ", " + text);
  if (path.empty() || Engine().missingFiles.contains(path)) return 0;
  return Engine().nextHandle++;
}

HSTREAM BASS_CALL BASS_FX_TempoCreate(BASS_DWORD channel, BASS_DWORD flags) {
  char text[64];
  std::snprintf(text, sizeof text, "TempoCreate(%u, 0x%X)", channel, flags);
  Engine().calls.push_back(text);
  if (channel == 0 || Engine().tempoFails) return 0;
  return Engine().nextHandle++;
}

BASS_BOOL BASS_CALL BASS_ChannelSetAttribute(BASS_DWORD handle, BASS_DWORD attribute, float value) {
  const char* name = attribute == BASS_ATTRIB_VOL   ? "vol"
                     : attribute == BASS_ATTRIB_PAN ? "pan"
                     : attribute == BASS_ATTRIB_TEMPO ? "tempo"
                                                      : "?";
  char text[96];
  std::snprintf(text, sizeof text, "SetAttribute(%u, %s, %g)", handle, name,
                static_cast<double>(value));
  Engine().calls.push_back(text);
  return handle != 0;
}

BASS_BOOL BASS_CALL BASS_ChannelPlay(BASS_DWORD handle, BASS_BOOL restart) {
  Engine().calls.push_back("Play(" + std::to_string(handle) + ", " + std::to_string(restart) + ")");
  if (handle != 0) Engine().playing.insert(handle);
  return handle != 0;
}

BASS_BOOL BASS_CALL BASS_ChannelStop(BASS_DWORD handle) {
  Engine().calls.push_back("Stop(" + std::to_string(handle) + ")");
  Engine().playing.erase(handle);
  return handle != 0;
}

BASS_BOOL BASS_CALL BASS_StreamFree(HSTREAM handle) {
  Engine().calls.push_back("Free(" + std::to_string(handle) + ")");
  Engine().playing.erase(handle);
  return handle != 0;
}

BASS_DWORD BASS_CALL BASS_ChannelIsActive(BASS_DWORD handle) {
  Engine().calls.push_back("IsActive(" + std::to_string(handle) + ")");
  return Engine().playing.contains(handle) ? 1 : 0;
}

BASS_BOOL BASS_CALL BASS_Stop() {
  Engine().calls.push_back("EngineStop");
  return 1;
}

BASS_BOOL BASS_CALL BASS_Free() {
  Engine().calls.push_back("EngineFree");
  return 1;
}
}
