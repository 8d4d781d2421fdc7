// bass_fx.dll: tempo streams, made by the engine in bass.dll around a decode-only stream.
#include "audio/bass_fx_api.h"
#include "audio/core/tempo_source.h"
#include "audio/win32/engine_instance.h"

namespace {

std::unique_ptr<velmora::audio::Source> makeTempo(std::unique_ptr<velmora::audio::Source> input,
                                                  uint32_t rate) {
  try {
    return std::make_unique<velmora::audio::TempoSource>(std::move(input), rate);
  } catch (...) {
    return nullptr;
  }
}

}  // namespace

extern "C" HSTREAM BASS_CALL BASS_FX_TempoCreate(BASS_DWORD channel, BASS_DWORD flags) {
  try {
    return VelmoraEngineExtension()->wrapStream(channel, flags, makeTempo);
  } catch (...) {
    return 0;
  }
}
