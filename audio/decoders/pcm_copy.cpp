#include "audio/decoders/pcm_copy.h"

#include <algorithm>
#include <cmath>
#include <iterator>

namespace velmora::audio {
namespace {

constexpr size_t kBlockFrames = 4096;

int16_t toInt16(float v) {
  if (std::isnan(v)) return 0;
  return static_cast<int16_t>(std::lrint(std::clamp(v, -1.0f, 32767.0f / 32768.0f) * 32768.0f));
}

}  // namespace

bool decodeWhole(Decoder& decoder, uint64_t frames, const std::function<bool()>& cancelled, PcmCopy& copy) {
  const auto channels = static_cast<size_t>(decoder.format().channels);
  copy.format = decoder.format();
  copy.samples.clear();
  // Reserved, not filled: pages the headers overstate are never touched.
  copy.samples.reserve(static_cast<size_t>(frames) * channels);
  std::vector<float> block(kBlockFrames * channels);
  size_t done = 0;
  while (done < frames) {
    if (cancelled()) return false;
    // Narrowed after the minimum: on a 32-bit target the frames left may not fit a size_t.
    const auto want = static_cast<size_t>(std::min<uint64_t>(kBlockFrames, frames - done));
    const size_t got = decoder.read(block.data(), want);
    if (got == 0) break;
    std::transform(block.begin(), block.begin() + static_cast<std::ptrdiff_t>(got * channels),
                   std::back_inserter(copy.samples), toInt16);
    done += got;
  }
  return done > 0 && (done < frames || decoder.read(block.data(), 1) == 0);
}

size_t PcmReader::read(float* out, size_t frames) {
  const auto channels = static_cast<size_t>(copy_->format.channels);
  const size_t n = std::min(frames, copy_->frames() - std::min(frame_, copy_->frames())) * channels;
  const int16_t* from = copy_->samples.data() + frame_ * channels;
  for (size_t i = 0; i < n; ++i) out[i] = static_cast<float>(from[i]) * (1.0f / 32768.0f);
  frame_ += n / channels;
  return n / channels;
}

}  // namespace velmora::audio
