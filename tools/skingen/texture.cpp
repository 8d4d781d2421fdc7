#include "skingen/texture.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "skingen/palette.h"

namespace skingen {
namespace {

// A fixed hash of a lattice point: the same value on every build and machine.
double Lattice(int x, int y, uint32_t seed) {
  uint32_t h = uint32_t(x) * 0x8DA6B343u ^ uint32_t(y) * 0xD8163841u ^ seed * 0xCB1AB31Fu;
  h ^= h >> 13;
  h *= 0x5BD1E995u;
  h ^= h >> 15;
  return (h & 0xFFFFFF) / double(0xFFFFFF);
}

double Smooth(double t) { return t * t * (3 - 2 * t); }

// Value noise over a cellsX x cellsY lattice that wraps, so the picture tiles seamlessly.
double PeriodicNoise(double u, double v, int cellsX, int cellsY, uint32_t seed) {
  const double x = u * cellsX, y = v * cellsY;
  const int x0 = int(std::floor(x)), y0 = int(std::floor(y));
  const double fx = Smooth(x - x0), fy = Smooth(y - y0);
  const auto at = [&](int i, int j) {
    return Lattice(((i % cellsX) + cellsX) % cellsX, ((j % cellsY) + cellsY) % cellsY, seed);
  };
  const double top = at(x0, y0) + (at(x0 + 1, y0) - at(x0, y0)) * fx;
  const double bottom = at(x0, y0 + 1) + (at(x0 + 1, y0 + 1) - at(x0, y0 + 1)) * fx;
  return top + (bottom - top) * fy;
}

}  // namespace

Image RenderGroundTexture(int width, int height) {
  std::vector<double> field(size_t(width) * size_t(height));
  double lo = 1e9, hi = -1e9;
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      const double u = double(x) / width, v = double(y) / height;
      // Grain: thin strands running down, long in v and narrow in u; mottling: broad and soft.
      const double grain = 0.45 * PeriodicNoise(u, v, width / 2, 6, 1) +
                           0.25 * PeriodicNoise(u, v, width / 4, 3, 2) +
                           0.12 * PeriodicNoise(u, v, width, 24, 3);
      const double mottle =
          0.16 * PeriodicNoise(u, v, 9, 7, 4) + 0.12 * PeriodicNoise(u, v, 17, 13, 5);
      const double value = grain + mottle;
      field[size_t(y) * size_t(width) + size_t(x)] = value;
      lo = std::min(lo, value);
      hi = std::max(hi, value);
    }
  }
  Image image(width, height);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      const double t = (field[size_t(y) * size_t(width) + size_t(x)] - lo) / (hi - lo);
      image.At(x, y) = Mix(colours::kGroundLight, colours::kGroundDark, t);
    }
  }
  return image;
}

}  // namespace skingen
