#include "skin/paint/resample.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

#include "skin/paint/blend.h"

namespace velmora::skin {
namespace {

struct Filter {
  double radius;
  double (*kernel)(double x);
};

double Sinc(double x) {
  if (x == 0) return 1;
  const double px = std::numbers::pi * x;
  return std::sin(px) / px;
}

const Filter kFilters[] = {
    {0.51, [](double x) { return x < 0.5 ? 1.0 : 0.0; }},
    {1, [](double x) { return 1 - x; }},
    {1, [](double x) { return (2 * x - 3) * x * x + 1; }},
    {1.5, [](double x) { return x < 0.5 ? 0.75 - x * x : (x - 1.5) * (x - 1.5) / 2; }},
    {2, [](double x) { return x < 1 ? x * x * (x / 2 - 1) + 2.0 / 3 : std::pow(2 - x, 3) / 6; }},
    {3, [](double x) { return Sinc(x) * Sinc(x / 3); }},
    {2, [](double x) {
       return x < 1 ? x * x * (7 * x / 6 - 2) + 8.0 / 9
                    : x * x * (2 - 7 * x / 18) - 10 * x / 3 + 16.0 / 9;
     }},
};

struct Contributor {
  int32_t index;
  int32_t weight;  // 16.16 fixed point
};

// For each of n targets from m sources, the source indexes and weights that make it.
std::vector<std::vector<Contributor>> Contributors(int32_t n, int32_t m, const Filter& filter) {
  std::vector<std::vector<Contributor>> all(static_cast<size_t>(n));
  const double scale = n < m ? double(n) / m : 1.0;
  const double support = filter.radius / scale;
  for (int32_t i = 0; i < n; ++i) {
    const double centre = double(i) * m / n;
    for (auto j = int32_t(std::ceil(centre + support)); j >= int32_t(std::floor(centre - support));
         --j) {
      const double x = std::abs(centre - j) * scale;
      if (x >= filter.radius) continue;
      const auto weight = int32_t(std::lround(filter.kernel(x) * scale * 65536));
      if (weight == 0) continue;
      const int32_t mirrored = j < 0 ? -j : j >= m ? 2 * m - 1 - j : j;
      all[size_t(i)].push_back({std::clamp(mirrored, 0, m - 1), weight});
    }
  }
  return all;
}

uint32_t Sum(const std::vector<Contributor>& from, auto pixelOf) {
  int64_t sums[4] = {};
  for (const Contributor& c : from) {
    const uint32_t p = pixelOf(c.index);
    for (int ch = 0; ch < 4; ++ch) sums[ch] += int64_t(c.weight) * Channel(p, ch);
  }
  uint32_t out[4];
  for (int ch = 0; ch < 4; ++ch)
    out[ch] = sums[ch] < 0 ? 0 : sums[ch] >= 0xFF0001 ? 255 : uint32_t(sums[ch] >> 16);
  return Pack(out[0], out[1], out[2], out[3]);
}

}  // namespace

void ResampleSmooth(const SourceView& source, Image32& dest, int32_t newWidth, int filter,
                    int32_t newHeight) {
  if (newHeight == 0 || source.Width <= 1 || source.Height <= 1 || newWidth <= 1 ||
      newHeight <= 1 || source.Empty() || filter < 0 || filter > 6)
    return;
  if (newWidth == source.Width && newHeight == source.Height) {
    if (source.SameAs(dest.Pixels.data())) return;
    Image32 copy = NewWorkBitmap(newWidth, newHeight);
    BlockCopy(PixelRows(copy), 0, 0, source, source.Bounds());
    dest = std::move(copy);
    return;
  }
  const Filter& f = kFilters[filter];
  Image32 temp = NewWorkBitmap(newWidth, source.Height);
  const auto across = Contributors(newWidth, source.Width, f);
  for (int32_t y = 0; y < source.Height; ++y) {
    const uint32_t* row = source.Row(y);
    for (int32_t x = 0; x < newWidth; ++x)
      temp.At(x, y) = Sum(across[size_t(x)], [&](int32_t j) { return row[j]; });
  }
  Image32 out = NewWorkBitmap(newWidth, newHeight);
  const auto down = Contributors(newHeight, source.Height, f);
  for (int32_t y = 0; y < newHeight; ++y)
    for (int32_t x = 0; x < newWidth; ++x)
      out.At(x, y) = Sum(down[size_t(y)], [&](int32_t j) { return temp.At(x, j); });
  dest = std::move(out);
}

void StretchCopy(const PixelView& dest, const Rect& destRect, const SourceView& source,
                 const Rect& sourceRect) {
  if (dest.Empty() || source.Empty() || IsEmpty(destRect) || IsEmpty(sourceRect)) return;
  const Rect visible = Intersect(destRect, dest.Bounds());
  const int64_t dw = destRect.Width(), dh = destRect.Height();
  const int64_t sw = sourceRect.Width(), sh = sourceRect.Height();
  for (int32_t y = visible.Top; y < visible.Bottom; ++y) {
    const auto sy = int32_t(sourceRect.Top + (y - destRect.Top) * sh / dh);
    if (sy < 0 || sy >= source.Height) continue;
    uint32_t* d = dest.Row(y);
    const uint32_t* s = source.Row(sy);
    for (int32_t x = visible.Left; x < visible.Right; ++x) {
      const auto sx = int32_t(sourceRect.Left + (x - destRect.Left) * sw / dw);
      if (sx >= 0 && sx < source.Width) d[x] = s[sx];
    }
  }
}

}  // namespace velmora::skin
