#include "skin/paint/gradient.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

#include "skin/paint/blend.h"
#include "skin/paint/colour.h"

namespace velmora::skin {
namespace {

constexpr uint32_t kSmooth = 0x10;

using Rgb = std::array<double, 3>;  // blue, green, red

Rgb RgbOf(uint32_t colour) {
  const uint32_t p = Swap(colour);
  return {double(Channel(p, 0)), double(Channel(p, 1)), double(Channel(p, 2))};
}

uint32_t PixelOf(const Rgb& c) {
  auto channel = [](double v) { return uint32_t(std::clamp(std::nearbyint(v), 0.0, 255.0)); };
  return Pack(channel(c[0]), channel(c[1]), channel(c[2]), 255);
}

// The colour at t of the way from a to b.
Rgb Lerp(const Rgb& a, const Rgb& b, double t) {
  return {a[0] + (b[0] - a[0]) * t, a[1] + (b[1] - a[1]) * t, a[2] + (b[2] - a[2]) * t};
}

// One stretch between two stops: rows (or columns) First..Last inclusive.
struct Segment {
  int32_t First, Last;
  Rgb From, To;
  bool Smooth;
  // The rounded colour at position at. A smooth segment runs its brush from the line before
  // First, which stays outside; a plain one steps (To - From) / (Last - First) per line.
  uint32_t At(int32_t at) const {
    const double t = Smooth ? double(at - First + 1) / (Last - First + 1)
                            : double(at - First) / (Last - First);
    return PixelOf(Lerp(From, To, t));
  }
};

bool SegmentSmooth(const TsGradArray& stops, size_t p) {
  return ((stops[p].Mode | stops[p - 1].Mode) & kSmooth) != 0;
}

// Vertical segments over the clipped rectangle; a segment ends at or above the rectangle's last
// row, and the last one exactly there.
std::vector<Segment> VerticalSegments(const Rect& r, const TsGradArray& stops) {
  std::vector<Segment> segments;
  const int32_t height = r.Height();
  int32_t y0 = r.Top;
  for (size_t p = 1; p < stops.size(); ++p) {
    const int32_t span = (int32_t(stops[p].Position) - stops[p - 1].Position) * height / 100;
    // Positions that run backwards (the three-word form allows them) never leave the rectangle.
    const int32_t y1 =
        p + 1 == stops.size() ? r.Bottom - 1 : std::clamp(y0 + span, r.Top, r.Bottom - 1);
    if (y1 - y0 > 0)
      segments.push_back(
          {y0, y1, RgbOf(stops[p - 1].Color), RgbOf(stops[p].Color), SegmentSmooth(stops, p)});
    y0 = y1;
  }
  return segments;
}

// Horizontal segments: ends rounded from the positions, the last at the rectangle's last column.
std::vector<Segment> HorizontalSegments(const Rect& r, const TsGradArray& stops) {
  std::vector<Segment> segments;
  const int32_t width = r.Width();
  int32_t x0 = r.Left;
  for (size_t p = 1; p < stops.size(); ++p) {
    const double end =
        (int32_t(stops[p].Position) - stops[p - 1].Position) * double(width) / 100 + x0;
    const auto rounded = int32_t(std::nearbyint(end));
    // A smooth segment's brush ends on its end column, which the next segment paints.
    const bool smooth = SegmentSmooth(stops, p);
    const int32_t cap = smooth ? r.Right : r.Right - 1;
    const int32_t x1 = p + 1 == stops.size() ? cap : std::clamp(rounded, r.Left, cap);
    if (x1 - x0 > 0)
      segments.push_back(
          {x0, smooth ? x1 - 1 : x1, RgbOf(stops[p - 1].Color), RgbOf(stops[p].Color), smooth});
    x0 = x1;
  }
  return segments;
}

// The colour of each column of the rectangle from its horizontal segments; 0 (never a painted
// value, whose alpha is 255) where no segment reaches.
std::vector<uint32_t> HorizontalRow(const Rect& r, const TsGradArray& stops) {
  std::vector<uint32_t> row(size_t(r.Width()), 0);
  for (const Segment& s : HorizontalSegments(r, stops))
    for (int32_t x = s.First; x <= s.Last; ++x) row[size_t(x - r.Left)] = s.At(x);
  return row;
}

void PaintVertical(const PixelView& bitmap, const Rect& r, const TsGradArray& stops) {
  for (const Segment& s : VerticalSegments(r, stops))
    for (int32_t y = s.First; y <= s.Last; ++y)
      std::fill(bitmap.Row(y) + r.Left, bitmap.Row(y) + r.Right, s.At(y));
}

void PaintHorizontal(const PixelView& bitmap, const Rect& r, const TsGradArray& stops) {
  const std::vector<uint32_t> row = HorizontalRow(r, stops);
  for (int32_t y = r.Top; y < r.Bottom; ++y)
    for (int32_t x = r.Left; x < r.Right; ++x)
      if (const uint32_t c = row[size_t(x - r.Left)]) bitmap.At(x, y) = c;
}

// Four corners and the centre: each pixel shaded across the one of the four triangles (top,
// right, left, bottom) that holds it.
void PaintCorners(const PixelView& bitmap, const Rect& r, const TsGradArray& stops) {
  if (stops.size() < 5) return;
  struct Vertex {
    double x, y;
    Rgb c;
  };
  const Vertex v[5] = {
      {double(r.Left), double(r.Top), RgbOf(stops[0].Color)},
      {double(r.Width() / 2 + r.Left), double(r.Height() / 2 + r.Top), RgbOf(stops[1].Color)},
      {double(r.Right), double(r.Top), RgbOf(stops[2].Color)},
      {double(r.Right), double(r.Bottom), RgbOf(stops[3].Color)},
      {double(r.Left), double(r.Bottom), RgbOf(stops[4].Color)},
  };
  const int triangles[4][3] = {{0, 1, 2}, {1, 2, 3}, {0, 1, 4}, {4, 1, 3}};
  for (int32_t y = r.Top; y < r.Bottom; ++y)
    for (int32_t x = r.Left; x < r.Right; ++x) {
      for (const auto& t : triangles) {
        const Vertex &a = v[t[0]], &b = v[t[1]], &c = v[t[2]];
        const double area = (b.x - a.x) * (c.y - a.y) - (c.x - a.x) * (b.y - a.y);
        if (area == 0) continue;
        const double la = ((b.x - x) * (c.y - y) - (c.x - x) * (b.y - y)) / area;
        const double lb = ((c.x - x) * (a.y - y) - (a.x - x) * (c.y - y)) / area;
        const double lc = 1 - la - lb;
        if (la < -1e-9 || lb < -1e-9 || lc < -1e-9) continue;
        bitmap.At(x, y) = PixelOf({la * a.c[0] + lb * b.c[0] + lc * c.c[0],
                                   la * a.c[1] + lb * b.c[1] + lc * c.c[1],
                                   la * a.c[2] + lb * b.c[2] + lc * c.c[2]});
        break;
      }
    }
}

Rect Clipped(const PixelView& bitmap, const Rect& rect) { return Intersect(rect, bitmap.Bounds()); }

uint32_t Over(uint32_t texture, uint32_t gradient, uint32_t w, uint32_t alpha) {
  return WeighRgb(texture, w, gradient, 256 - w) | alpha << 24;
}

}  // namespace

void PaintGradient(const PixelView& bitmap, const Rect& rect, const TsGradArray& stops) {
  const Rect r = Clipped(bitmap, rect);
  if (bitmap.Empty() || IsEmpty(r) || stops.size() < 2) return;
  switch (stops[0].Mode & 3) {
    case 0: PaintVertical(bitmap, r, stops); break;
    case 1: PaintHorizontal(bitmap, r, stops); break;
    case 2: PaintCorners(bitmap, r, stops); break;
    default: break;
  }
}

void PaintGradientWithTexture(const PixelView& bitmap, const Rect& rect, const TsGradArray& stops,
                              uint8_t alpha, uint8_t textureWeight, Rect textureRect,
                              const SourceView& texture) {
  const Rect r = Clipped(bitmap, rect);
  if (bitmap.Empty() || texture.Empty() || IsEmpty(r) || stops.size() < 2) return;
  if (IsEmpty(textureRect)) textureRect = texture.Bounds();
  const Rect tile = Intersect(textureRect, texture.Bounds());
  if (IsEmpty(tile)) return;
  const int32_t tw = tile.Width(), th = tile.Height();
  auto blendRow = [&](int32_t y, auto gradientAt) {
    const uint32_t* t = texture.Row(y % th + tile.Top) + tile.Left;
    uint32_t* d = bitmap.Row(y);
    for (int32_t x = r.Left, tx = r.Left % tw; x < r.Right; ++x) {
      d[x] = Over(t[tx], gradientAt(x), textureWeight, alpha);
      if (++tx == tw) tx = 0;
    }
  };
  if ((stops[0].Mode & 3) == 0) {
    for (const Segment& s : VerticalSegments(r, stops))
      for (int32_t y = s.First; y <= s.Last; ++y) {
        const uint32_t g = s.At(y);
        blendRow(y, [g](int32_t) { return g; });
      }
  } else if ((stops[0].Mode & 3) == 1) {
    const std::vector<uint32_t> row = HorizontalRow(r, stops);
    const int32_t band = std::min(th, r.Height());
    if (std::count(row.begin(), row.end(), 0u) == ptrdiff_t(row.size())) return;
    for (int32_t y = r.Top; y < r.Top + band; ++y)
      blendRow(y, [&](int32_t x) { return row[size_t(x - r.Left)]; });
    for (int32_t y = r.Top + band; y < r.Bottom; ++y)
      std::copy_n(bitmap.Row(y - band) + r.Left, r.Width(), bitmap.Row(y) + r.Left);
  }
}

}  // namespace velmora::skin
