#pragma once
// A decoder turns one file format into interleaved float frames in the file's own rate and
// channel count.
#include <cstddef>
#include <cstdint>
#include <memory>

#include "audio/core/byte_source.h"

namespace velmora::audio {

struct AudioFormat {
  uint32_t rate = 0;
  int channels = 0;
};

// Formats the engine accepts from any decoder; anything else is refused as hostile or broken.
inline constexpr uint32_t kMinRate = 1000;
inline constexpr uint32_t kMaxRate = 384000;
inline constexpr int kMaxChannels = 8;

inline bool isPlayableFormat(const AudioFormat& f) {
  return f.rate >= kMinRate && f.rate <= kMaxRate && f.channels >= 1 && f.channels <= kMaxChannels;
}

class Decoder {
 public:
  virtual ~Decoder() = default;
  const AudioFormat& format() const { return format_; }
  // Fills up to `frames` frames (format().channels floats each); fewer only at the end of the
  // stream or on an error that ends it.
  virtual size_t read(float* interleaved, size_t frames) = 0;
  // Back to the first frame; false when the stream cannot be restarted.
  virtual bool rewind() = 0;
  // Frames in the whole stream as its headers tell, 0 when they do not.
  virtual uint64_t lengthFrames() const { return 0; }

 protected:
  AudioFormat format_;
};

// A decoder of type D over the bytes, or nullptr when its open() refuses them.
template <typename D>
std::unique_ptr<Decoder> openWith(std::unique_ptr<ByteSource> bytes) {
  auto decoder = std::make_unique<D>(std::move(bytes));
  if (!decoder->open()) return nullptr;
  return decoder;
}

}  // namespace velmora::audio
