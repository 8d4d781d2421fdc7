// Hostile sample files: the first byte picks a decoder's front end (or detection by content),
// the rest is the file. Whatever opens is decoded, rewound, decoded whole into memory as the
// engine's worker does, and played looped through the rate conversion, with bounded work per input.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "audio/core/decoded_source.h"
#include "audio/decoders/flac_decoder.h"
#include "audio/decoders/format_probe.h"
#include "audio/decoders/mp3_decoder.h"
#include "audio/decoders/pcm_copy.h"
#include "audio/decoders/vorbis_decoder.h"
#include "audio/decoders/wav_decoder.h"

namespace {

using namespace velmora::audio;

constexpr size_t kMaxFrames = 1 << 18;
constexpr size_t kBlock = 4096;

std::unique_ptr<Decoder> open(uint8_t selector, std::vector<uint8_t> file) {
  auto bytes = std::make_unique<ByteSource>(std::move(file));
  switch (selector % 5) {
    case 0: return openWav(std::move(bytes));
    case 1: return openVorbis(std::move(bytes));
    case 2: return openFlac(std::move(bytes));
    case 3: return openMp3(std::move(bytes));
    default: return openDecoder(std::move(bytes));
  }
}

void decode(Decoder& decoder) {
  std::vector<float> block(kBlock * static_cast<size_t>(decoder.format().channels));
  for (size_t total = 0; total < kMaxFrames;) {
    const size_t got = decoder.read(block.data(), kBlock);
    if (got == 0) break;
    total += got;
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 1) return 0;
  const std::vector<uint8_t> file(data + 1, data + size);
  if (auto decoder = open(data[0], file)) {
    decode(*decoder);
    if (decoder->rewind()) decode(*decoder);
  }
  if (auto decoder = open(data[0], file)) {
    const uint64_t promised = decoder->lengthFrames();
    PcmCopy copy;
    decodeWhole(*decoder, promised < kMaxFrames ? promised : kMaxFrames, [] { return false; }, copy);
  }
  if (auto decoder = open(data[0], file)) {
    DecodedSource source(std::move(decoder), 44100);
    source.setLooping(true);
    std::vector<float> stereo(kBlock * 2);
    for (int i = 0; i < 8 && source.read(stereo.data(), kBlock) == kBlock; ++i) {
    }
  }
  return 0;
}
