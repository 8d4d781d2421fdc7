// bass.dll: the exported calls over the one engine of the process. No exception leaves the DLL:
// a call that fails for any reason answers as a refused call does.
#include "audio/bass_api.h"
#include "audio/core/engine.h"
#include "audio/win32/engine_instance.h"
#include "audio/win32/wave_out_output.h"

using velmora::audio::Engine;

namespace {

// Never destroyed: at process exit the output's thread is already gone, and destroying the
// engine then would wait for it forever.
Engine& engine() {
  static Engine* const instance = new Engine(velmora::audio::openWaveOut);
  return *instance;
}

template <typename Call>
auto guarded(Call call) -> decltype(call()) {
  try {
    return call();
  } catch (...) {
    return 0;
  }
}

}  // namespace

extern "C" {

velmora::audio::EngineExtension* __stdcall VelmoraEngineExtension() { return &engine(); }

BASS_DWORD BASS_CALL BASS_GetVersion() { return 0x02040000; }

BASS_BOOL BASS_CALL BASS_Init(int32_t device, BASS_DWORD frequency, BASS_DWORD, void*, const void*) {
  return guarded([&] { return BASS_BOOL{engine().init(device, frequency)}; });
}

HSTREAM BASS_CALL BASS_StreamCreateFile(BASS_BOOL fromMemory, const void* file, BASS_QWORD offset,
                                        BASS_QWORD length, BASS_DWORD flags) {
  // Only whole files are read, by path.
  if (fromMemory || offset || length) return 0;
  return guarded([&] { return engine().createFileStream(static_cast<const char*>(file), flags); });
}

BASS_BOOL BASS_CALL BASS_ChannelSetAttribute(BASS_DWORD handle, BASS_DWORD attribute, float value) {
  return guarded([&] { return BASS_BOOL{engine().setAttribute(handle, attribute, value)}; });
}

BASS_BOOL BASS_CALL BASS_ChannelPlay(BASS_DWORD handle, BASS_BOOL restart) {
  return guarded([&] { return BASS_BOOL{engine().play(handle, restart != 0)}; });
}

BASS_BOOL BASS_CALL BASS_ChannelStop(BASS_DWORD handle) {
  return guarded([&] { return BASS_BOOL{engine().stop(handle)}; });
}

BASS_BOOL BASS_CALL BASS_StreamFree(HSTREAM handle) {
  return guarded([&] { return BASS_BOOL{engine().freeStream(handle)}; });
}

BASS_DWORD BASS_CALL BASS_ChannelIsActive(BASS_DWORD handle) {
  return guarded([&] { return engine().isActive(handle); });
}

BASS_BOOL BASS_CALL BASS_Stop() {
  return guarded([] { return BASS_BOOL{engine().stopOutput()}; });
}

BASS_BOOL BASS_CALL BASS_Free() {
  return guarded([] { return BASS_BOOL{engine().free()}; });
}
}
