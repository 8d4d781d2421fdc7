#include "skin/paint/colour_transforms.h"

#include <algorithm>
#include <cmath>

namespace velmora::skin {
namespace {

struct Rgb {
  int R, G, B;
};

uint32_t Byte(uint32_t value, int shift) { return value >> shift & 0xFF; }

// Pixels carry red in bits 16-23, colour values in bits 0-7.
Rgb Split(uint32_t value, ValueKind kind) {
  const int r = int(Byte(value, kind == ValueKind::Pixel ? 16 : 0));
  const int b = int(Byte(value, kind == ValueKind::Pixel ? 0 : 16));
  return {r, int(Byte(value, 8)), b};
}

uint32_t Join(Rgb c, uint32_t keepHigh, ValueKind kind) {
  const uint32_t r = uint32_t(c.R), g = uint32_t(c.G), b = uint32_t(c.B);
  const uint32_t low = kind == ValueKind::Pixel ? r << 16 | g << 8 | b : b << 16 | g << 8 | r;
  return (keepHigh & 0xFF000000u) | low;
}

int BrightenByte(int c, int amount) {
  if (amount > 0) return std::min(255, c + (c * amount >> 8));
  return std::max(0, c - (c * -amount >> 8));
}

int SaturateByte(int c, int gray, int amount) {
  return std::clamp((255 + amount) * c - amount * gray, 0, 65535) >> 8;
}

int HueByte(double v) { return int(std::clamp(v, 0.0, 255.0)); }

}  // namespace

uint32_t Brighten(uint32_t value, int amount) {
  if (amount == 0) return value;
  uint32_t out = value & 0xFF000000u;
  for (int shift = 0; shift < 24; shift += 8)
    out |= uint32_t(BrightenByte(int(Byte(value, shift)), amount)) << shift;
  return out;
}

uint32_t Saturate(uint32_t value, int amount, ValueKind kind) {
  if (amount == 0) return value;
  const Rgb c = Split(value, kind);
  // round(0.299 R + 0.587 G + 0.114 B), exactly, in thousandths
  const int gray = (299 * c.R + 587 * c.G + 114 * c.B + 500) / 1000;
  return Join({SaturateByte(c.R, gray, amount), SaturateByte(c.G, gray, amount),
               SaturateByte(c.B, gray, amount)},
              value, kind);
}

uint32_t RotateHue(uint32_t value, int degrees, ValueKind kind) {
  if (degrees == 0) return value;
  const Rgb c = Split(value, kind);
  const int v = std::max({c.R, c.G, c.B});
  const int delta = v - std::min({c.R, c.G, c.B});
  if (v == 0 || delta == 0) return value;
  const double s = double(delta) / v;
  double h = v == c.R   ? 60.0 * (c.G - c.B) / delta
             : v == c.G ? 120.0 + 60.0 * (c.B - c.R) / delta
                        : 240.0 + 60.0 * (c.R - c.G) / delta;
  if (h < 0) h += 360;
  const int turned = ((int(std::trunc(h + degrees)) % 360) + 360) % 360;
  const int sector = turned / 60;
  const double f = turned / 60.0 - sector;
  const int p = HueByte(v * (1 - s));
  const int q = HueByte(v * (1 - f * s));
  const int t = HueByte(v * (1 - (1 - f) * s));
  static constexpr int kOrder[6][3] = {{0, 2, 1}, {3, 0, 1}, {1, 0, 2},
                                       {1, 3, 0}, {2, 1, 0}, {0, 1, 3}};
  const int parts[4] = {v, p, t, q};
  const int* order = kOrder[sector];
  return Join({parts[order[0]], parts[order[1]], parts[order[2]]}, value, kind);
}

uint32_t ToneByValue(uint32_t value, uint32_t tone) {
  const uint32_t v = std::max({Byte(value, 0), Byte(value, 8), Byte(value, 16)});
  uint32_t out = value & 0xFF000000u;
  for (int shift = 0; shift < 24; shift += 8) out |= (Byte(tone, shift) * v >> 8) << shift;
  return out;
}

}  // namespace velmora::skin
