#pragma once
// What the mixer plays: stereo float frames at the engine's rate.
#include <cstddef>
#include <cstdint>

namespace velmora::audio {

class Source {
 public:
  virtual ~Source() = default;
  // Fills up to `frames` stereo frames; fewer only when the source has ended.
  virtual size_t read(float* stereo, size_t frames) = 0;
  // A looping source starts again from its first frame, without a gap, when it reaches its end.
  virtual void setLooping(bool looping) = 0;
  virtual bool rewind() = 0;
  // Attributes the mixer does not apply itself (volume and panning it does); false when unknown.
  virtual bool setAttribute(uint32_t /*attribute*/, float /*value*/) { return false; }
};

}  // namespace velmora::audio
