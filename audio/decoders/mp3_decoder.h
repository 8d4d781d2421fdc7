#pragma once
#include <memory>

#include "audio/core/byte_source.h"
#include "audio/decoders/decoder.h"

namespace velmora::audio {

// MPEG audio layers I to III; nullptr when no frame decodes.
std::unique_ptr<Decoder> openMp3(std::unique_ptr<ByteSource> bytes);

}  // namespace velmora::audio
