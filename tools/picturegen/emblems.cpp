#include "picturegen/emblems.h"

namespace picturegen {
namespace {

constexpr Colour kFir{0.015f, 0.16f, 0.05f, 1};
constexpr Colour kTrunk{0.16f, 0.07f, 0.02f, 1};
constexpr Colour kBush{0.09f, 0.36f, 0.05f, 1};
constexpr Colour kCross{0.85f, 0.01f, 0.01f, 1};
constexpr Colour kNight{0.008f, 0.02f, 0.045f, 1};

// Shapes are drawn in a unit square mapped onto a square area of the canvas.
struct Frame {
  double left, top, size;
  double X(double u) const { return left + u * size; }
  double Y(double v) const { return top + v * size; }
};

void PaintTreeAndBush(Canvas& canvas, const Frame& f) {
  canvas.Fill([&](double x, double y) {
    return x >= f.X(0.34) && x <= f.X(0.44) && y >= f.Y(0.74) && y <= f.Y(0.96);
  }, kTrunk);
  struct Tier {
    double apex, base, halfWidth;
  };
  for (const Tier& t : {Tier{0.02, 0.40, 0.17}, Tier{0.20, 0.60, 0.23}, Tier{0.38, 0.82, 0.30}}) {
    canvas.Fill([&](double x, double y) {
      return InTriangle(x, y, f.X(0.39), f.Y(t.apex), f.X(0.39 - t.halfWidth), f.Y(t.base),
                        f.X(0.39 + t.halfWidth), f.Y(t.base));
    }, kFir);
  }
  struct Ball {
    double u, v, r;
  };
  const Ball bush[] = {{0.70, 0.82, 0.14}, {0.84, 0.80, 0.13}, {0.62, 0.86, 0.11},
                       {0.77, 0.68, 0.12}};
  canvas.Fill([&](double x, double y) {
    for (const Ball& b : bush) {
      const double dx = x - f.X(b.u), dy = y - f.Y(b.v), r = b.r * f.size;
      if (dx * dx + dy * dy <= r * r) return true;
    }
    return false;
  }, kBush);
}

}  // namespace

Canvas RenderProgramIcon(int size) {
  Canvas canvas(size, size);
  const double centre = size / 2.0, radius = size * 0.48;
  canvas.Fill([&](double x, double y) {
    return (x - centre) * (x - centre) + (y - centre) * (y - centre) <= radius * radius;
  }, kNight);
  PaintTreeAndBush(canvas, {size * 0.14, size * 0.10, size * 0.74});
  return canvas;
}

Canvas RenderTrayPicture(int size, bool crossedOut) {
  Canvas canvas(size, size);
  PaintTreeAndBush(canvas, {0, 0, double(size)});
  if (crossedOut) {
    const double s = size, w = size * 0.07;
    canvas.Fill([&](double x, double y) {
      return NearSegment(x, y, 0.08 * s, 0.08 * s, 0.92 * s, 0.92 * s, w) ||
             NearSegment(x, y, 0.92 * s, 0.08 * s, 0.08 * s, 0.92 * s, w);
    }, kCross);
  }
  return canvas;
}

}  // namespace picturegen
