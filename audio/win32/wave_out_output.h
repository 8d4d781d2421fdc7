#pragma once
// The engine's output on Windows: the default wave output device, fed from a thread of its own.
// waveOut is used rather than a newer interface because the program's master volume is the wave
// output device's volume, which scales exactly what is played here.
#include <memory>

#include "audio/core/output.h"

namespace velmora::audio {

std::unique_ptr<Output> openWaveOut(uint32_t rate, RenderFunction render);

}  // namespace velmora::audio
