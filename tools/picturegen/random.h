#pragma once
#include <cstdint>

namespace picturegen {

// A small generator of our own, so that every build paints the same pictures.
class Random {
 public:
  explicit Random(uint32_t seed) : state_(seed ? seed : 1) {}
  uint32_t Next() {
    state_ ^= state_ << 13;
    state_ ^= state_ >> 17;
    state_ ^= state_ << 5;
    return state_;
  }
  // Evenly in [lo, hi).
  double Between(double lo, double hi) { return lo + (hi - lo) * (Next() / 4294967296.0); }

 private:
  uint32_t state_;
};

}  // namespace picturegen
