#include "skin/paint/blur.h"

#include <algorithm>
#include <cmath>

namespace velmora::skin {
namespace {

constexpr int kHalfTaps = 16;

// Weights for offsets -h..h, normalised; index k + h.
std::vector<double> Kernel(double radius) {
  double w[2 * kHalfTaps + 1];
  double sum = 0;
  for (int k = -kHalfTaps; k <= kHalfTaps; ++k) {
    w[k + kHalfTaps] = std::exp(-(k / radius) * (k / radius) / 2);
    sum += w[k + kHalfTaps];
  }
  for (double& x : w) x /= sum;
  int h = kHalfTaps;
  for (double dropped = 0; dropped < 1.0 / 510 && h > 1; --h) dropped += 2 * w[h + kHalfTaps];
  std::vector<double> kernel(w + kHalfTaps - h, w + kHalfTaps + h + 1);
  double kept = 0;
  for (double x : kernel) kept += x;
  for (double& x : kernel) x /= kept;
  return kernel;
}

// Convolves count values spaced step apart, starting at first.
void Convolve(uint8_t* first, int32_t count, ptrdiff_t step, const std::vector<double>& kernel,
              std::vector<uint8_t>& line) {
  const int h = int(kernel.size() / 2);
  line.resize(size_t(count));
  for (int32_t i = 0; i < count; ++i) line[size_t(i)] = first[i * step];
  for (int32_t i = 0; i < count; ++i) {
    double v = 0;
    for (int k = -h; k <= h; ++k)
      v += kernel[size_t(k + h)] * line[size_t(std::clamp(i + k, 0, count - 1))];
    first[i * step] = uint8_t(std::clamp(std::lround(v), 0L, 255L));
  }
}

}  // namespace

void BlurGray8(Gray8& bitmap, double radius) {
  if (bitmap.Width <= 0 || bitmap.Height <= 0 || !(radius > 0) ||
      bitmap.Pixels.size() < size_t(bitmap.Width) * size_t(bitmap.Height))
    return;
  const std::vector<double> kernel = Kernel(radius);
  std::vector<uint8_t> line;
  for (int32_t y = 0; y < bitmap.Height; ++y)
    Convolve(&bitmap.At(0, y), bitmap.Width, 1, kernel, line);
  for (int32_t x = 0; x < bitmap.Width; ++x)
    Convolve(&bitmap.At(x, 0), bitmap.Height, bitmap.Width, kernel, line);
}

}  // namespace velmora::skin
