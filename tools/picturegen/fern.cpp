#include "picturegen/fern.h"

#include <array>
#include <cmath>

#include "picturegen/random.h"

namespace picturegen {
namespace {

struct Layer {
  int fronds;
  double minScale;
  double maxScale;
  int blurRadius;
  float brightness;
};

// Back to front.
constexpr std::array<Layer, 4> kLayers{{
    {8, 0.45, 0.65, 7, 0.16f},
    {7, 0.55, 0.85, 4, 0.30f},
    {5, 0.75, 1.05, 2, 0.55f},
    {3, 0.95, 1.25, 0, 0.95f},
}};

struct Point {
  double x, y;
};

// One step of the classic fern's four affine maps, chosen by their weights.
Point FernStep(Point p, Random& random) {
  const double choice = random.Between(0, 1);
  if (choice < 0.01) return {0, 0.16 * p.y};
  if (choice < 0.86) return {0.85 * p.x + 0.04 * p.y, -0.04 * p.x + 0.85 * p.y + 1.6};
  if (choice < 0.93) return {0.2 * p.x - 0.26 * p.y, 0.23 * p.x + 0.22 * p.y + 1.6};
  return {-0.15 * p.x + 0.28 * p.y, 0.26 * p.x + 0.24 * p.y + 0.44};
}

void GrowFrond(std::vector<float>& density, int width, int height, double scale, Random& random) {
  const double baseX = random.Between(-0.1, 1.1) * width;
  const double baseY = random.Between(0.75, 1.15) * height;
  const double angle = random.Between(-0.7, 0.7);
  const double mirror = random.Between(0, 1) < 0.5 ? -1 : 1;
  const double unit = scale * height / 10.0;  // the fern is ten units tall
  const double c = std::cos(angle), s = std::sin(angle);
  const int points = static_cast<int>(300000 * scale * scale);
  Point p{0, 0};
  for (int i = 0; i < points; ++i) {
    p = FernStep(p, random);
    const double x = mirror * p.x;
    const int px = static_cast<int>(baseX + unit * (x * c - p.y * s));
    const int py = static_cast<int>(baseY - unit * (x * s + p.y * c));
    if (px >= 0 && px < width && py >= 0 && py < height) {
      density[static_cast<size_t>(py) * width + px] += 1;
    }
  }
}

// Brightest near the light in the upper left, falling off across the picture.
float Light(int x, int y, int width, int height) {
  const double dx = (x - 0.25 * width) / width, dy = (y - 0.15 * height) / height;
  return static_cast<float>(0.35 + 0.9 * std::exp(-(dx * dx + dy * dy) / 0.18));
}

void PaintBackground(Canvas& canvas, Random& random) {
  for (int y = 0; y < canvas.Height(); ++y) {
    for (int x = 0; x < canvas.Width(); ++x) {
      const float light = Light(x, y, canvas.Width(), canvas.Height());
      const float grain = static_cast<float>(random.Between(-0.002, 0.002));
      canvas.At(x, y) = {0.006f * light + grain, 0.016f * light + grain, 0.008f * light + grain, 1};
    }
  }
}

void PaintLayer(Canvas& canvas, const Layer& layer, Random& random) {
  const int width = canvas.Width(), height = canvas.Height();
  std::vector<float> density(static_cast<size_t>(width) * height, 0.0f);
  for (int f = 0; f < layer.fronds; ++f) {
    GrowFrond(density, width, height, random.Between(layer.minScale, layer.maxScale), random);
  }
  for (float& d : density) d = 1 - std::exp(-0.7f * d);
  Blur(density, width, height, layer.blurRadius);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      const float d = density[static_cast<size_t>(y) * width + x];
      if (d <= 0.001f) continue;
      const float lit = layer.brightness * Light(x, y, width, height);
      const float shine = d * d * 0.35f;  // dense leaflets catch more light
      const Colour frond{(0.035f + 0.10f * shine) * lit, (0.20f + 0.25f * shine) * lit,
                         (0.030f + 0.02f * shine) * lit, 1};
      canvas.At(x, y) = Over(canvas.At(x, y), frond, d * 0.95f);
    }
  }
}

void Vignette(Canvas& canvas) {
  for (int y = 0; y < canvas.Height(); ++y) {
    for (int x = 0; x < canvas.Width(); ++x) {
      const double dx = 2.0 * x / canvas.Width() - 1, dy = 2.0 * y / canvas.Height() - 1;
      const float keep = static_cast<float>(1 - 0.45 * (dx * dx + dy * dy) / 2);
      Colour& c = canvas.At(x, y);
      c = {c.r * keep, c.g * keep, c.b * keep, 1};
    }
  }
}

}  // namespace

Canvas RenderFerns(int width, int height) {
  Random random(0x5EED1E);
  Canvas canvas(width, height);
  PaintBackground(canvas, random);
  for (const Layer& layer : kLayers) PaintLayer(canvas, layer, random);
  Vignette(canvas);
  return canvas;
}

}  // namespace picturegen
