#pragma once
// Where a sound is assembled. Events (a bubble, a crackle, a chirp) are added at a time with a
// gain and a stereo position. On a loop canvas an event's tail that runs past the end continues
// at the start, so event layers loop without a seam by construction; on a one-shot canvas it is
// cut off.
#include <utility>
#include <vector>

#include "soundgen/synth/sound.h"

namespace soundgen {

enum class Shape { Loop, OneShot };

class Canvas {
public:
  Canvas(double seconds, Shape shape) : sound_(frames_for(seconds)), shape_(shape) {}

  // `pan` from -1 (left) to 1 (right), equal power.
  void add(const std::vector<float>& grain, double at_seconds, float gain, float pan = 0);
  void add(const Sound& grain, double at_seconds, float gain);
  void mix(const Sound& other, float gain = 1);

  Sound& sound() { return sound_; }
  Sound take() { return std::move(sound_); }
  double seconds() const { return sound_.seconds(); }
  Shape shape() const { return shape_; }

private:
  void add_channel(std::vector<float>& dst, const std::vector<float>& grain, long start, float gain);
  Sound sound_;
  Shape shape_;
};

// For continuous layers: `rendered` holds `frames` plus some more, the natural continuation past
// the loop's end; the extra is cross-faded (equal power) over the start so that the end flows into
// the start. Use with content that is uncorrelated over the fade, such as noise.
Sound crossfade_loop(const Sound& rendered, size_t frames);

// Equal-power stereo gains for a pan position in [-1, 1].
struct PanGains {
  float left, right;
};
PanGains pan_gains(float pan);

}  // namespace soundgen
