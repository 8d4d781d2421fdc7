#pragma once
// Slow control curves. A PeriodicCurve wanders smoothly through random points and returns to its
// start after one period, so that anything it drives (gusts, flicker, intensity) loops without a
// seam.
#include <vector>

#include "soundgen/synth/random.h"

namespace soundgen {

class PeriodicCurve {
public:
  // `points` random values in [lo, hi], spread evenly over one period.
  PeriodicCurve(Random& random, int points, double lo, double hi);
  // Catmull-Rom interpolation at phase `t` (periods; any real value).
  double at(double t) const;

private:
  std::vector<double> points_;
};

// 0 to 1 and back: raised-cosine ramps of the given lengths around a flat top of 1.
double fade_window(double t, double length, double fade_in, double fade_out);

}  // namespace soundgen
