#pragma once
#include <cstdint>

namespace velmora::scene {

// The scene's pseudo-random sequence: a 32-bit linear congruential generator. It starts from 0
// and is never reseeded, so the same user actions replay the same waits, samples and rain
// times on every start.
class RandomSequence {
 public:
  // Advances the state and maps it onto 0 .. range - 1 (0 for a range of 0).
  std::uint32_t Next(std::uint32_t range);

 private:
  std::uint32_t state_ = 0;
};

// The one sequence of the process, shared by the occasional sounds and the rain cycle.
RandomSequence& SceneRandom();

// An integer from lo up to hi - 1, or lo when hi equals lo; the sequence advances either way.
std::int32_t DrawInRange(std::int32_t lo, std::int32_t hi);

}  // namespace velmora::scene
