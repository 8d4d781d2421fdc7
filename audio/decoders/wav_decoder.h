#pragma once
#include <memory>

#include "audio/core/byte_source.h"
#include "audio/decoders/decoder.h"

namespace velmora::audio {

// RIFF WAVE: integer PCM of 8, 16, 24 or 32 bits, IEEE float of 32 or 64 bits, plain or
// WAVE_FORMAT_EXTENSIBLE. nullptr when the file is not one of these or is broken.
std::unique_ptr<Decoder> openWav(std::unique_ptr<ByteSource> bytes);

}  // namespace velmora::audio
