#include "audio/decoders/wav_decoder.h"

#include <algorithm>
#include <cstring>
#include <optional>

namespace velmora::audio {
namespace {

constexpr uint16_t kFormatPcm = 1;
constexpr uint16_t kFormatFloat = 3;
constexpr uint16_t kFormatExtensible = 0xFFFE;

uint16_t le16(const uint8_t* p) { return static_cast<uint16_t>(p[0] | p[1] << 8); }
uint32_t le32(const uint8_t* p) {
  return static_cast<uint32_t>(p[0]) | static_cast<uint32_t>(p[1]) << 8 |
         static_cast<uint32_t>(p[2]) << 16 | static_cast<uint32_t>(p[3]) << 24;
}

struct SampleLayout {
  AudioFormat format;
  bool isFloat = false;
  int bytesPerSample = 0;
};

// The "fmt " chunk's body; the sub-format of an extensible header decides like the plain tag.
std::optional<SampleLayout> parseFormat(const uint8_t* body, uint32_t size) {
  if (size < 16) return std::nullopt;
  uint16_t tag = le16(body);
  if (tag == kFormatExtensible) {
    if (size < 40) return std::nullopt;
    tag = le16(body + 24);
  }
  SampleLayout layout;
  layout.format.channels = le16(body + 2);
  layout.format.rate = le32(body + 4);
  const uint16_t blockAlign = le16(body + 12);
  const uint16_t bits = le16(body + 14);
  layout.isFloat = tag == kFormatFloat;
  layout.bytesPerSample = bits / 8;
  const bool pcmOk = tag == kFormatPcm && (bits == 8 || bits == 16 || bits == 24 || bits == 32);
  const bool floatOk = layout.isFloat && (bits == 32 || bits == 64);
  if (!(pcmOk || floatOk) || !isPlayableFormat(layout.format) ||
      blockAlign != layout.bytesPerSample * layout.format.channels) {
    return std::nullopt;
  }
  return layout;
}

float sampleAt(const uint8_t* p, const SampleLayout& layout) {
  if (layout.isFloat) {
    if (layout.bytesPerSample == 4) {
      float f;
      std::memcpy(&f, p, 4);
      return f;
    }
    double d;
    std::memcpy(&d, p, 8);
    return static_cast<float>(d);
  }
  switch (layout.bytesPerSample) {
    case 1: return static_cast<float>(p[0] - 128) / 128.0f;
    case 2: return static_cast<float>(static_cast<int16_t>(le16(p))) / 32768.0f;
    case 3: {
      const uint32_t bits = static_cast<uint32_t>(p[0]) << 8 | static_cast<uint32_t>(p[1]) << 16 |
                            static_cast<uint32_t>(p[2]) << 24;
      return static_cast<float>(static_cast<int32_t>(bits)) / 2147483648.0f;
    }
    default: return static_cast<float>(static_cast<int32_t>(le32(p))) / 2147483648.0f;
  }
}

class WavDecoder final : public Decoder {
 public:
  WavDecoder(std::unique_ptr<ByteSource> bytes, const SampleLayout& layout, uint64_t dataStart,
             uint64_t dataBytes)
      : bytes_(std::move(bytes)), layout_(layout), dataStart_(dataStart) {
    format_ = layout.format;
    frameBytes_ = static_cast<size_t>(layout.bytesPerSample) * static_cast<size_t>(format_.channels);
    totalFrames_ = dataBytes / frameBytes_;
  }

  size_t read(float* out, size_t frames) override {
    frames = static_cast<size_t>(std::min<uint64_t>(frames, totalFrames_ - framesRead_));
    const uint8_t* p = bytes_->data() + dataStart_ + framesRead_ * frameBytes_;
    const size_t samples = frames * static_cast<size_t>(format_.channels);
    for (size_t i = 0; i < samples; ++i, p += layout_.bytesPerSample) out[i] = sampleAt(p, layout_);
    framesRead_ += frames;
    return frames;
  }

  bool rewind() override {
    framesRead_ = 0;
    return true;
  }

 private:
  std::unique_ptr<ByteSource> bytes_;
  SampleLayout layout_;
  uint64_t dataStart_;
  size_t frameBytes_ = 0;
  uint64_t totalFrames_ = 0;
  uint64_t framesRead_ = 0;
};

}  // namespace

std::unique_ptr<Decoder> openWav(std::unique_ptr<ByteSource> bytes) {
  const uint8_t* file = bytes->data();
  const uint64_t size = bytes->size();
  if (size < 12 || std::memcmp(file, "RIFF", 4) != 0 || std::memcmp(file + 8, "WAVE", 4) != 0) {
    return nullptr;
  }
  std::optional<SampleLayout> layout;
  for (uint64_t at = 12; at + 8 <= size;) {
    const uint32_t chunkSize = le32(file + at + 4);
    const uint64_t body = at + 8;
    // A writer that never went back to fill in the sizes leaves the data running to the end.
    const uint64_t available = std::min<uint64_t>(chunkSize, size - body);
    if (std::memcmp(file + at, "fmt ", 4) == 0) {
      layout = parseFormat(file + body, static_cast<uint32_t>(available));
      if (!layout) return nullptr;
    } else if (std::memcmp(file + at, "data", 4) == 0) {
      if (!layout || available < static_cast<uint64_t>(layout->bytesPerSample) *
                                      static_cast<uint64_t>(layout->format.channels)) {
        return nullptr;
      }
      return std::make_unique<WavDecoder>(std::move(bytes), *layout, body, available);
    }
    at = body + chunkSize + (chunkSize & 1u);
  }
  return nullptr;
}

}  // namespace velmora::audio
