#include "picturegen/canvas.h"

#include <algorithm>
#include <cmath>

namespace picturegen {
namespace {

uint8_t ToByte(float linear) {
  // Stored pictures are in the display's gamma.
  const float encoded = std::pow(std::clamp(linear, 0.0f, 1.0f), 1 / 2.2f);
  return static_cast<uint8_t>(std::lround(encoded * 255));
}

void BoxPass(std::vector<float>& field, int width, int height, int radius, bool horizontal) {
  const int length = horizontal ? width : height;
  const int lines = horizontal ? height : width;
  std::vector<float> line(static_cast<size_t>(length));
  for (int l = 0; l < lines; ++l) {
    const auto index = [&](int i) {
      return horizontal ? static_cast<size_t>(l) * width + i : static_cast<size_t>(i) * width + l;
    };
    for (int i = 0; i < length; ++i) line[i] = field[index(i)];
    double sum = 0;
    for (int i = -radius; i <= radius; ++i) sum += line[std::clamp(i, 0, length - 1)];
    for (int i = 0; i < length; ++i) {
      field[index(i)] = static_cast<float>(sum / (2 * radius + 1));
      sum += line[std::min(i + radius + 1, length - 1)] - line[std::max(i - radius, 0)];
    }
  }
}

}  // namespace

Canvas::Canvas(int width, int height, Colour fill)
    : width_(width), height_(height), pixels_(static_cast<size_t>(width) * height, fill) {}

void Canvas::Fill(const std::function<bool(double x, double y)>& shape, Colour colour) {
  constexpr int kSamples = 4;
  for (int y = 0; y < height_; ++y) {
    for (int x = 0; x < width_; ++x) {
      int inside = 0;
      for (int sy = 0; sy < kSamples; ++sy) {
        for (int sx = 0; sx < kSamples; ++sx) {
          inside += shape(x + (sx + 0.5) / kSamples, y + (sy + 0.5) / kSamples);
        }
      }
      if (inside) At(x, y) = Over(At(x, y), colour, float(inside) / (kSamples * kSamples));
    }
  }
}

std::vector<uint8_t> Canvas::ToBgra(bool premultiplied) const {
  std::vector<uint8_t> bytes;
  bytes.reserve(pixels_.size() * 4);
  for (const Colour& c : pixels_) {
    const float a = std::clamp(c.a, 0.0f, 1.0f);
    const float scale = premultiplied ? a : 1.0f;
    bytes.push_back(static_cast<uint8_t>(std::lround(ToByte(c.b) * scale)));
    bytes.push_back(static_cast<uint8_t>(std::lround(ToByte(c.g) * scale)));
    bytes.push_back(static_cast<uint8_t>(std::lround(ToByte(c.r) * scale)));
    bytes.push_back(static_cast<uint8_t>(std::lround(a * 255)));
  }
  return bytes;
}

Colour Over(Colour bottom, Colour top, float opacity) {
  const float ta = top.a * opacity;
  const float a = ta + bottom.a * (1 - ta);
  if (a <= 0) return {0, 0, 0, 0};
  const auto mix = [&](float t, float b) { return (t * ta + b * bottom.a * (1 - ta)) / a; };
  return {mix(top.r, bottom.r), mix(top.g, bottom.g), mix(top.b, bottom.b), a};
}

void Blur(std::vector<float>& field, int width, int height, int radius) {
  if (radius <= 0) return;
  for (int pass = 0; pass < 3; ++pass) {
    BoxPass(field, width, height, radius, true);
    BoxPass(field, width, height, radius, false);
  }
}

bool InTriangle(double x, double y, double ax, double ay, double bx, double by, double cx,
                double cy) {
  const auto side = [&](double px, double py, double qx, double qy) {
    return (qx - px) * (y - py) - (qy - py) * (x - px);
  };
  const double d1 = side(ax, ay, bx, by), d2 = side(bx, by, cx, cy), d3 = side(cx, cy, ax, ay);
  const bool negative = d1 < 0 || d2 < 0 || d3 < 0;
  const bool positive = d1 > 0 || d2 > 0 || d3 > 0;
  return !(negative && positive);
}

bool NearSegment(double x, double y, double ax, double ay, double bx, double by,
                 double halfWidth) {
  const double dx = bx - ax, dy = by - ay;
  const double t = std::clamp(((x - ax) * dx + (y - ay) * dy) / (dx * dx + dy * dy), 0.0, 1.0);
  const double ex = x - (ax + t * dx), ey = y - (ay + t * dy);
  return ex * ex + ey * ey <= halfWidth * halfWidth;
}

}  // namespace picturegen
