#include "soundgen/synth/curves.h"

#include <cmath>

#include "soundgen/synth/sound.h"

namespace soundgen {

PeriodicCurve::PeriodicCurve(Random& random, int points, double lo, double hi) {
  points_.reserve(points);
  for (int i = 0; i < points; ++i) points_.push_back(random.uniform(lo, hi));
}

double PeriodicCurve::at(double t) const {
  const int n = static_cast<int>(points_.size());
  const double x = (t - std::floor(t)) * n;
  const int i = static_cast<int>(x);
  const double f = x - i;
  auto p = [&](int k) { return points_[((i + k) % n + n) % n]; };
  const double p0 = p(-1), p1 = p(0), p2 = p(1), p3 = p(2);
  return p1 + 0.5 * f * (p2 - p0 + f * (2 * p0 - 5 * p1 + 4 * p2 - p3 + f * (3 * (p1 - p2) + p3 - p0)));
}

double fade_window(double t, double length, double fade_in, double fade_out) {
  if (t <= 0 || t >= length) return 0;
  if (t < fade_in) return 0.5 - 0.5 * std::cos(kPi * t / fade_in);
  if (t > length - fade_out) return 0.5 - 0.5 * std::cos(kPi * (length - t) / fade_out);
  return 1;
}

}  // namespace soundgen
