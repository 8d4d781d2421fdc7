#pragma once
// The generator's one source of randomness: a fixed algorithm (splitmix64) seeded explicitly, so
// that every sound renders to the same samples on every machine and every run.
#include <cmath>
#include <cstdint>

namespace soundgen {

class Random {
public:
  explicit Random(uint64_t seed) : state_(seed) {}

  uint64_t next() {
    uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
  }
  // In [0, 1).
  double uniform() { return static_cast<double>(next() >> 11) * 0x1.0p-53; }
  double uniform(double lo, double hi) { return lo + (hi - lo) * uniform(); }
  // In [-1, 1).
  float bipolar() { return static_cast<float>(2.0 * uniform() - 1.0); }
  int below(int n) { return static_cast<int>(uniform() * n); }
  bool chance(double p) { return uniform() < p; }
  // Waiting time of a Poisson process with the given rate per second.
  double exponential(double rate) { return -std::log(1.0 - uniform()) / rate; }
  // A new generator whose stream does not overlap this one's in practice.
  Random fork() { return Random(next()); }

private:
  uint64_t state_;
};

}  // namespace soundgen
