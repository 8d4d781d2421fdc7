#pragma once
// Which decoder a file needs, from its content alone: sample files carry no extension.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>

#include "audio/core/byte_source.h"
#include "audio/decoders/decoder.h"

namespace velmora::audio {

enum class FileFormat { Unknown, Wav, OggVorbis, Flac, Mpeg };

FileFormat detectFormat(std::span<const uint8_t> bytes);

// The decoder for the file's content, or nullptr when no decoder takes it.
std::unique_ptr<Decoder> openDecoder(std::unique_ptr<ByteSource> bytes);

}  // namespace velmora::audio
