#include "soundgen/synth/reverb.h"

#include <array>

namespace soundgen {
namespace {

class Comb {
public:
  Comb(size_t length, double feedback, double damping)
      : buffer_(length, 0.0f), feedback_(feedback), damping_(damping) {}
  float process(float x) {
    const float y = buffer_[index_];
    store_ = y * (1 - damping_) + store_ * damping_;
    buffer_[index_] = static_cast<float>(x + store_ * feedback_);
    if (++index_ == buffer_.size()) index_ = 0;
    return y;
  }

private:
  std::vector<float> buffer_;
  size_t index_ = 0;
  double feedback_, damping_, store_ = 0;
};

class Allpass {
public:
  explicit Allpass(size_t length) : buffer_(length, 0.0f) {}
  float process(float x) {
    const float b = buffer_[index_];
    buffer_[index_] = x + b * 0.5f;
    if (++index_ == buffer_.size()) index_ = 0;
    return b - x;
  }

private:
  std::vector<float> buffer_;
  size_t index_ = 0;
};

constexpr std::array<size_t, 8> kCombs = {1116, 1188, 1277, 1356, 1422, 1491, 1557, 1617};
constexpr std::array<size_t, 4> kAllpasses = {556, 441, 341, 225};
constexpr size_t kStereoSpread = 23;

class Room {
public:
  Room(const RoomSettings& s, size_t spread) {
    for (size_t length : kCombs) combs_.emplace_back(length + spread, 0.7 + 0.28 * s.size, s.damping);
    for (size_t length : kAllpasses) allpasses_.emplace_back(length + spread);
  }
  float process(float x) {
    float sum = 0;
    for (Comb& c : combs_) sum += c.process(x * 0.015f);
    for (Allpass& a : allpasses_) sum = a.process(sum);
    return sum;
  }

private:
  std::vector<Comb> combs_;
  std::vector<Allpass> allpasses_;
};

void run(Sound& sound, Room& left, Room& right, const RoomSettings& s, bool write) {
  for (size_t i = 0; i < sound.frames(); ++i) {
    const float mid = 0.5f * (sound.left[i] + sound.right[i]);
    const float wet_left = left.process(mid), wet_right = right.process(mid);
    if (!write) continue;
    sound.left[i] = static_cast<float>(s.dry * sound.left[i] + s.wet * wet_left);
    sound.right[i] = static_cast<float>(s.dry * sound.right[i] + s.wet * wet_right);
  }
}

}  // namespace

void apply_room(Sound& sound, Shape shape, const RoomSettings& settings) {
  Room left(settings, 0), right(settings, kStereoSpread);
  if (shape == Shape::Loop) run(sound, left, right, settings, false);
  run(sound, left, right, settings, true);
}

}  // namespace soundgen
