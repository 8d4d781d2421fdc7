#include "skin/data/outer_effect_mask.h"

#include <algorithm>
#include <cmath>

namespace velmora::skin {
namespace {

constexpr int32_t kBlurSize = 19;

uint32_t PixelOfColour(int32_t colour) {
  const uint32_t c = uint32_t(colour);
  return 0xFF000000u | (c & 0xFF) << 16 | (c & 0xFF00) | (c >> 16 & 0xFF);
}

struct Point {
  double x, y;
};

// Fills the pixels whose centres lie inside the triangle.
void FillTriangle(Image32& image, Point a, Point b, Point c, uint32_t pixel) {
  const auto side = [](Point p, Point q, double x, double y) {
    return (q.x - p.x) * (y - p.y) - (q.y - p.y) * (x - p.x);
  };
  for (int32_t y = 0; y < image.Height; ++y) {
    for (int32_t x = 0; x < image.Width; ++x) {
      const double px = x + 0.5, py = y + 0.5;
      const double d1 = side(a, b, px, py), d2 = side(b, c, px, py), d3 = side(c, a, px, py);
      const bool negative = d1 < 0 || d2 < 0 || d3<0, positive = d1> 0 || d2 > 0 || d3 > 0;
      if (!(negative && positive)) image.At(x, y) = pixel;
    }
  }
}

}  // namespace

Image32 Blur5() {
  // A square blurred by a Gaussian of radius 5: opaque in the middle, fading to the edges.
  Image32 image = MakeImage(kBlurSize, kBlurSize);
  const double centre = (kBlurSize - 1) / 2.0, sigma = 2.5;
  for (int32_t y = 0; y < kBlurSize; ++y) {
    for (int32_t x = 0; x < kBlurSize; ++x) {
      const double dx = std::max(0.0, std::abs(x - centre) - 2),
                   dy = std::max(0.0, std::abs(y - centre) - 2);
      const double strength = std::exp(-(dx * dx + dy * dy) / (2 * sigma * sigma));
      const uint32_t m = 255 - uint32_t(std::lround(255 * strength));
      image.At(x, y) = 0xFF000000u | m * 0x010101u;
    }
  }
  return image;
}

GeneratedOuterMask MakeOuterEffectMask(OuterEffectData& effect) {
  const Image32 blur = Blur5();
  const int32_t w = blur.Width, h = w / 2;
  for (int32_t& width : effect.Widths)
    if (width == -1) width = h;
  GeneratedOuterMask out{MakeImage(w, 2 * w), {}};
  Image32& image = out.Image;
  for (int32_t y = 0; y < w; ++y) {
    const uint32_t fill = PixelOfColour(y < h ? effect.Colors[1] : effect.Colors[3]);
    for (int32_t x = 0; x < w; ++x) image.At(x, y) = fill;
  }
  FillTriangle(image, {0, 1}, {double(h - 1), double(h)}, {0, double(w - 2)},
               PixelOfColour(effect.Colors[0]));
  FillTriangle(image, {double(w - 1), 1}, {double(h + 1), double(h)},
               {double(w - 1), double(w - 2)}, PixelOfColour(effect.Colors[2]));
  std::copy(blur.Pixels.begin(), blur.Pixels.end(), image.Pixels.begin() + w * w);
  TsMaskData& m = out.Mask;
  m.Rect = {0, 0, w, 2 * w};
  m.FrameCount = 1;
  m.MaskLayout = 1;
  m.DrawMode = 1;
  m.Kind = kBordersMask;
  m.LeftWidth = m.TopWidth = m.RightWidth = m.BottomWidth = m.BorderWidth = int16_t(h);
  return out;
}

}  // namespace velmora::skin
