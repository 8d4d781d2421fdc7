#pragma once
// A compressed sample decoded whole into 16-bit frames in memory: half the size of float, and
// reading it back costs the mix next to nothing however often a loop repeats.
#include <cstdint>
#include <functional>
#include <vector>

#include "audio/decoders/decoder.h"

namespace velmora::audio {

struct PcmCopy {
  AudioFormat format;
  std::vector<int16_t> samples;  // interleaved, format.channels per frame

  size_t frames() const { return samples.size() / static_cast<size_t>(format.channels); }
};

// Decodes `decoder` from where it stands into `copy`, at most `frames` frames (what its headers
// promise). False when `cancelled` turns true, when nothing decodes, or when the file holds more
// than the headers said: a copy must hold exactly what playing the file gives.
bool decodeWhole(Decoder& decoder, uint64_t frames, const std::function<bool()>& cancelled, PcmCopy& copy);

// Reads a copy as a decoder reads its file, from any frame on.
class PcmReader {
 public:
  PcmReader(const PcmCopy& copy, size_t frame) : copy_(&copy), frame_(frame) {}

  size_t read(float* interleaved, size_t frames);
  void rewind() { frame_ = 0; }

 private:
  const PcmCopy* copy_;
  size_t frame_;
};

}  // namespace velmora::audio
