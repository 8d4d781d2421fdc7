#include "scene/random_draw.h"

namespace velmora::scene {

std::uint32_t RandomSequence::Next(std::uint32_t range) {
  state_ = state_ * 134775813u + 1u;
  return static_cast<std::uint32_t>((static_cast<std::uint64_t>(state_) * range) >> 32);
}

RandomSequence& SceneRandom() {
  static RandomSequence sequence;
  return sequence;
}

std::int32_t DrawInRange(std::int32_t lo, std::int32_t hi) {
  const auto range = static_cast<std::uint32_t>(hi) - static_cast<std::uint32_t>(lo);
  return static_cast<std::int32_t>(static_cast<std::uint32_t>(lo) + SceneRandom().Next(range));
}

}  // namespace velmora::scene
