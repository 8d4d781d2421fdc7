#pragma once
// Time-stretching without a change of pitch, over another source. Like every source it is used
// under the engine's lock, so an attribute set between two reads applies at the next one.
#include <memory>
#include <vector>

#include "audio/core/source.h"

namespace soundtouch {
class SoundTouch;
}

namespace velmora::audio {

inline constexpr uint32_t kAttributeTempo = 0x10000;
// Tempo changes in percent that the stretcher can make without falling apart.
inline constexpr float kMinTempoPercent = -90.0f;
inline constexpr float kMaxTempoPercent = 900.0f;

class TempoSource final : public Source {
 public:
  TempoSource(std::unique_ptr<Source> input, uint32_t rate);
  ~TempoSource() override;

  size_t read(float* stereo, size_t frames) override;
  // The input loops, so the stretcher sees one endless signal across the seam.
  void setLooping(bool looping) override { input_->setLooping(looping); }
  bool rewind() override;
  bool setAttribute(uint32_t attribute, float value) override;

 private:
  void feed();

  std::unique_ptr<Source> input_;
  std::unique_ptr<soundtouch::SoundTouch> stretcher_;
  std::vector<float> chunk_;
  bool inputEnded_ = false;
};

}  // namespace velmora::audio
