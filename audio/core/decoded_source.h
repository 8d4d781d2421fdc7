#pragma once
#include <memory>
#include <vector>

#include "audio/core/resampler.h"
#include "audio/core/source.h"
#include "audio/decoders/decoder.h"

namespace velmora::audio {

// A decoder's output as the mixer needs it: mono doubled, channels past the first two dropped,
// the rate converted. Looping happens before the rate conversion, so the seam is one continuous
// signal for the resampler.
class DecodedSource final : public Source {
 public:
  DecodedSource(std::unique_ptr<Decoder> decoder, uint32_t outputRate);

  size_t read(float* stereo, size_t frames) override;
  void setLooping(bool looping) override { looping_ = looping; }
  bool rewind() override;

 private:
  // Stereo frames at the file's rate, looped when asked; fewer than asked only at the end.
  size_t readStereo(float* stereo, size_t frames);
  size_t readOnce(float* stereo, size_t frames);

  std::unique_ptr<Decoder> decoder_;
  std::unique_ptr<Resampler> resampler_;
  std::vector<float> native_;
  bool looping_ = false;
  bool ended_ = false;
};

}  // namespace velmora::audio
