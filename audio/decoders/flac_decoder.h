#pragma once
#include <memory>

#include "audio/core/byte_source.h"
#include "audio/decoders/decoder.h"

namespace velmora::audio {

// Native FLAC; nullptr when the stream has no valid stream info or no decodable first frame.
std::unique_ptr<Decoder> openFlac(std::unique_ptr<ByteSource> bytes);

}  // namespace velmora::audio
