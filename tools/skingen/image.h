#pragma once
#include <cstdint>
#include <functional>
#include <vector>

namespace skingen {

// A colour as the skin stores it: 8-bit display values and a straight alpha.
struct Rgba {
  uint8_t r = 0, g = 0, b = 0, a = 255;
  bool operator==(const Rgba&) const = default;
};

// 0xRRGGBB written as in a colour picker.
constexpr Rgba Hex(uint32_t rgb, uint8_t alpha = 255) {
  return {uint8_t(rgb >> 16), uint8_t(rgb >> 8), uint8_t(rgb), alpha};
}

// The skin's transparent key, magenta with no alpha: pixels of this exact value are cut out.
inline constexpr Rgba kKey{255, 0, 255, 0};

// A picture being drawn, rows top to bottom.
class Image {
 public:
  Image() = default;
  Image(int width, int height, Rgba fill = {0, 0, 0, 0});

  int Width() const { return width_; }
  int Height() const { return height_; }
  Rgba& At(int x, int y) { return pixels_[size_t(y) * size_t(width_) + size_t(x)]; }
  const Rgba& At(int x, int y) const { return pixels_[size_t(y) * size_t(width_) + size_t(x)]; }

  void FillRect(int x, int y, int w, int h, Rgba colour);
  // Lays `colour` over every pixel inside `shape` (continuous coordinates, pixel centres at
  // halves), weighted by the share of 4 x 4 samples inside: smooth edges without blur.
  void Cover(const std::function<bool(double x, double y)>& shape, Rgba colour);
  // Copies `source` with its top-left corner at (x, y), pixels as they are.
  void Paste(const Image& source, int x, int y);
  // Lays `source` over this picture at (x, y) by its alpha; key pixels leave this picture alone.
  void Over(const Image& source, int x, int y);
  Image Scaled(int factor) const;  // nearest neighbour, for enlarged views

 private:
  int width_ = 0;
  int height_ = 0;
  std::vector<Rgba> pixels_;
};

// Mixes two colours in display values: weight 1 gives `a`.
Rgba Mix(Rgba a, Rgba b, double weight);
// `top` over `bottom` by top's alpha scaled by `opacity`; the result is opaque when bottom is.
Rgba Blend(Rgba bottom, Rgba top, double opacity = 1);

// Relative luminance and contrast ratio of opaque colours, as accessibility guidelines define them.
double Luminance(Rgba c);
double ContrastRatio(Rgba a, Rgba b);

// Shapes for Image::Cover.
bool InRoundedRect(double x, double y, double left, double top, double right, double bottom,
                   double radius);
bool NearSegment(double x, double y, double ax, double ay, double bx, double by, double halfWidth);

}  // namespace skingen
