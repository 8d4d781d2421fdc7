#pragma once
#include <cstdint>
#include <functional>
#include <vector>

namespace picturegen {

// Linear-light colour with straight alpha, each 0 to 1.
struct Colour {
  float r = 0, g = 0, b = 0, a = 1;
};

// A picture being painted: rows top to bottom.
class Canvas {
 public:
  Canvas(int width, int height, Colour fill = {0, 0, 0, 0});

  int Width() const { return width_; }
  int Height() const { return height_; }
  Colour& At(int x, int y) { return pixels_[static_cast<size_t>(y) * width_ + x]; }
  const Colour& At(int x, int y) const { return pixels_[static_cast<size_t>(y) * width_ + x]; }

  // Lays `colour` over every part of the picture inside `shape` (a test on continuous
  // coordinates, pixel centres at half units), with edges smoothed by 4 x 4 samples a pixel.
  void Fill(const std::function<bool(double x, double y)>& shape, Colour colour);

  // 8-bit blue, green, red, alpha per pixel, rows top to bottom; alpha premultiplied on request.
  std::vector<uint8_t> ToBgra(bool premultiplied) const;

 private:
  int width_;
  int height_;
  std::vector<Colour> pixels_;
};

// Lays `top` over `bottom` with `top`'s alpha scaled by `opacity`.
Colour Over(Colour bottom, Colour top, float opacity = 1);

// A blur of a single-channel field in place: three box passes, close to a Gaussian of `radius`.
void Blur(std::vector<float>& field, int width, int height, int radius);

// Shapes for Canvas::Fill.
bool InTriangle(double x, double y, double ax, double ay, double bx, double by, double cx,
                double cy);
bool NearSegment(double x, double y, double ax, double ay, double bx, double by,
                 double halfWidth);

}  // namespace picturegen
