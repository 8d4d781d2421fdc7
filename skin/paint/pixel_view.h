#pragma once
#include <algorithm>
#include <cstddef>
#include <cstdint>

#include "skin/data/image32.h"
#include "skin/data/mask_data.h"

namespace velmora::skin {

using Rect = MaskRect;  // left, top, right, bottom; right and bottom exclusive

inline Rect Intersect(const Rect& a, const Rect& b) {
  return {std::max(a.Left, b.Left), std::max(a.Top, b.Top), std::min(a.Right, b.Right),
          std::min(a.Bottom, b.Bottom)};
}
inline bool IsEmpty(const Rect& r) { return r.Right <= r.Left || r.Bottom <= r.Top; }
inline Rect Offset(const Rect& r, int32_t dx, int32_t dy) {
  return {r.Left + dx, r.Top + dy, r.Right + dx, r.Bottom + dy};
}

// Row access to 32-bit pixels wherever they live: an Image32, or the program's device-independent
// section. Stride is in pixels and negative for bottom-up storage. A view with no rows offers no
// pixels, and every operation on it does nothing.
template <typename Pixel>
struct BasicView {
  Pixel* Row0 = nullptr;
  ptrdiff_t Stride = 0;
  int32_t Width = 0;
  int32_t Height = 0;

  bool Empty() const { return Row0 == nullptr || Width <= 0 || Height <= 0; }
  Pixel* Row(int32_t y) const { return Row0 + y * Stride; }
  Pixel& At(int32_t x, int32_t y) const { return Row(y)[x]; }
  bool Contains(int32_t x, int32_t y) const {
    return x >= 0 && y >= 0 && x < Width && y < Height;
  }
  Rect Bounds() const { return {0, 0, Width, Height}; }
  bool SameAs(const void* other) const { return Row0 != nullptr && Row0 == other; }
  operator BasicView<const Pixel>() const { return {Row0, Stride, Width, Height}; }
};
using PixelView = BasicView<uint32_t>;
using SourceView = BasicView<const uint32_t>;

// Row 0 and the stride of an image; an image without rows gives an empty view.
inline PixelView PixelRows(Image32& image) {
  if (image.Empty()) return {};
  return {image.Pixels.data(), image.Width, image.Width, image.Height};
}
inline SourceView PixelRows(const Image32& image) {
  if (image.Empty()) return {};
  return {image.Pixels.data(), image.Width, image.Width, image.Height};
}

// The part of a view as a view of its own; r must lie inside.
template <typename Pixel>
BasicView<Pixel> SubView(const BasicView<Pixel>& view, const Rect& r) {
  return {view.Row(r.Top) + r.Left, view.Stride, r.Width(), r.Height()};
}

// A copy of a w x h block from (sx, sy) of a source to (dx, dy) of a destination, clipped to both:
// a start left of or above either bitmap shifts the other start with it.
struct CopyArea {
  int32_t Dx, Dy, Sx, Sy, W, H;
};
inline bool ClipCopy(CopyArea& a, int32_t destWidth, int32_t destHeight, int32_t sourceWidth,
                     int32_t sourceHeight) {
  const int32_t cutX = std::max({0, -a.Dx, -a.Sx}), cutY = std::max({0, -a.Dy, -a.Sy});
  a.Dx += cutX, a.Sx += cutX, a.W -= cutX;
  a.Dy += cutY, a.Sy += cutY, a.H -= cutY;
  a.W = std::min({a.W, destWidth - a.Dx, sourceWidth - a.Sx});
  a.H = std::min({a.H, destHeight - a.Dy, sourceHeight - a.Sy});
  return a.W > 0 && a.H > 0;
}

// A fresh working bitmap (an Image32 natively; the program backs its caches by a section).
inline Image32 NewWorkBitmap(int32_t width, int32_t height) { return MakeImage(width, height); }

// Channel access on a pixel 0xAARRGGBB; channel 0 blue, 1 green, 2 red, 3 alpha.
inline uint32_t Channel(uint32_t pixel, int c) { return pixel >> (8 * c) & 0xFF; }
inline uint32_t Pack(uint32_t b, uint32_t g, uint32_t r, uint32_t a) {
  return a << 24 | r << 16 | g << 8 | b;
}

// The image a mask cuts: its own, else its owner's master image.
const Image32* MaskImage(const TsMaskData& mask);

}  // namespace velmora::skin
