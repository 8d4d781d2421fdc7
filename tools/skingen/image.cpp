#include "skingen/image.h"

#include <algorithm>
#include <cmath>

namespace skingen {

Image::Image(int width, int height, Rgba fill)
    : width_(width), height_(height), pixels_(size_t(width) * size_t(height), fill) {}

void Image::FillRect(int x, int y, int w, int h, Rgba colour) {
  for (int row = std::max(y, 0); row < std::min(y + h, height_); ++row)
    for (int col = std::max(x, 0); col < std::min(x + w, width_); ++col) At(col, row) = colour;
}

void Image::Cover(const std::function<bool(double x, double y)>& shape, Rgba colour) {
  constexpr int kSamples = 4;
  for (int y = 0; y < height_; ++y) {
    for (int x = 0; x < width_; ++x) {
      int inside = 0;
      for (int sy = 0; sy < kSamples; ++sy)
        for (int sx = 0; sx < kSamples; ++sx)
          inside += shape(x + (sx + 0.5) / kSamples, y + (sy + 0.5) / kSamples);
      if (inside) At(x, y) = Blend(At(x, y), colour, double(inside) / (kSamples * kSamples));
    }
  }
}

void Image::Paste(const Image& source, int x, int y) {
  for (int row = 0; row < source.Height(); ++row)
    for (int col = 0; col < source.Width(); ++col)
      if (x + col >= 0 && x + col < width_ && y + row >= 0 && y + row < height_)
        At(x + col, y + row) = source.At(col, row);
}

void Image::Over(const Image& source, int x, int y) {
  for (int row = 0; row < source.Height(); ++row) {
    for (int col = 0; col < source.Width(); ++col) {
      const Rgba p = source.At(col, row);
      if (p == kKey || x + col < 0 || x + col >= width_ || y + row < 0 || y + row >= height_)
        continue;
      At(x + col, y + row) = Blend(At(x + col, y + row), p);
    }
  }
}

Image Image::Scaled(int factor) const {
  Image out(width_ * factor, height_ * factor);
  for (int y = 0; y < out.Height(); ++y)
    for (int x = 0; x < out.Width(); ++x) out.At(x, y) = At(x / factor, y / factor);
  return out;
}

Rgba Mix(Rgba a, Rgba b, double weight) {
  const auto channel = [weight](uint8_t p, uint8_t q) {
    return uint8_t(std::lround(p * weight + q * (1 - weight)));
  };
  return {channel(a.r, b.r), channel(a.g, b.g), channel(a.b, b.b), channel(a.a, b.a)};
}

Rgba Blend(Rgba bottom, Rgba top, double opacity) {
  const double ta = top.a / 255.0 * opacity, ba = bottom.a / 255.0;
  const double a = ta + ba * (1 - ta);
  if (a <= 0) return {0, 0, 0, 0};
  const auto channel = [&](uint8_t t, uint8_t b) {
    return uint8_t(std::lround((t * ta + b * ba * (1 - ta)) / a));
  };
  return {channel(top.r, bottom.r), channel(top.g, bottom.g), channel(top.b, bottom.b),
          uint8_t(std::lround(a * 255))};
}

double Luminance(Rgba c) {
  const auto linear = [](uint8_t v) {
    const double s = v / 255.0;
    return s <= 0.04045 ? s / 12.92 : std::pow((s + 0.055) / 1.055, 2.4);
  };
  return 0.2126 * linear(c.r) + 0.7152 * linear(c.g) + 0.0722 * linear(c.b);
}

double ContrastRatio(Rgba a, Rgba b) {
  const double la = Luminance(a), lb = Luminance(b);
  return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

bool InRoundedRect(double x, double y, double left, double top, double right, double bottom,
                   double radius) {
  if (x < left || x > right || y < top || y > bottom) return false;
  const double cx = std::clamp(x, left + radius, right - radius);
  const double cy = std::clamp(y, top + radius, bottom - radius);
  return (x - cx) * (x - cx) + (y - cy) * (y - cy) <= radius * radius;
}

bool NearSegment(double x, double y, double ax, double ay, double bx, double by, double halfWidth) {
  const double dx = bx - ax, dy = by - ay;
  const double length2 = dx * dx + dy * dy;
  const double t =
      length2 > 0 ? std::clamp(((x - ax) * dx + (y - ay) * dy) / length2, 0.0, 1.0) : 0;
  const double px = ax + t * dx - x, py = ay + t * dy - y;
  return px * px + py * py <= halfWidth * halfWidth;
}

}  // namespace skingen
