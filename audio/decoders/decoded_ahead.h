#pragma once
#include <memory>

#include "audio/decoders/decoder.h"

namespace velmora::audio {

// Short compressed samples are decoded once, when the stream is made, into 16-bit frames in
// memory: a loop then costs the mix almost nothing however often it repeats. Longer ones, or
// ones whose length the headers do not tell, stay decoded as they play, so memory stays bounded.
inline constexpr uint64_t kMaxDecodedAheadBytes = 8u << 20;  // about 47 s of 44.1 kHz stereo

std::unique_ptr<Decoder> decodeAheadIfShort(std::unique_ptr<Decoder> decoder);

}  // namespace velmora::audio
