#pragma once
#include <memory>

#include "audio/core/byte_source.h"
#include "audio/decoders/decoder.h"

namespace velmora::audio {

// Ogg Vorbis; nullptr when the Ogg stream carries no decodable Vorbis.
std::unique_ptr<Decoder> openVorbis(std::unique_ptr<ByteSource> bytes);

}  // namespace velmora::audio
