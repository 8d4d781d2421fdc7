#pragma once
// Ogg Vorbis encoding with a fixed stream serial number, so the same samples give the same bytes.
#include <cstdint>
#include <vector>

#include "soundgen/synth/sound.h"

namespace soundgen {

std::vector<uint8_t> encode_vorbis(const Sound& sound, float quality, uint32_t serial);

}  // namespace soundgen
