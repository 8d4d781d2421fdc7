#include "skin/paint/cell_copy.h"

#include <algorithm>

#include "skin/data/limits.h"
#include "skin/paint/blend.h"
#include "skin/paint/resample.h"

namespace velmora::skin {
namespace {

// How key pixels of a key copy are treated.
enum class KeyRule { OwnParent, Parent, Leave, Fill };

KeyRule KeyRuleFor(const PixelView& dest, bool useParent, const TacParentBg& parent) {
  if (useParent && parent.Ready && parent.HasBitmap())
    return parent.Bitmap.SameAs(dest.Row0) ? KeyRule::OwnParent : KeyRule::Parent;
  return parent.Ready ? KeyRule::Leave : KeyRule::Fill;
}

// A one-row or one-column source copied into at least 2 x 2, the single line repeated, so the
// smoothing filter has something to weigh.
Image32 AtLeastTwoByTwo(const SourceView& part) {
  Image32 copy = NewWorkBitmap(std::max(part.Width, 2), std::max(part.Height, 2));
  for (int32_t y = 0; y < copy.Height; ++y)
    for (int32_t x = 0; x < copy.Width; ++x)
      copy.At(x, y) = part.At(std::min(x, part.Width - 1), std::min(y, part.Height - 1));
  return copy;
}

Image32 Scaled(const SourceView& part, int32_t width, int32_t height, bool filtered) {
  Image32 out;
  if (filtered) {
    const Image32 source = AtLeastTwoByTwo(part);
    ResampleSmooth(PixelRows(source), out, width, kMitchellFilter, height);
    if (out.Width == width && out.Height == height) return out;
  }
  out = NewWorkBitmap(width, height);
  StretchCopy(PixelRows(out), {0, 0, width, height}, part, part.Bounds());
  return out;
}

}  // namespace

void KeyCopy(const PixelView& dest, int32_t x, int32_t y, const SourceView& source,
             Rect sourceRect, bool useParent, const TacParentBg& parent, uint32_t key) {
  if (dest.Empty() || source.Empty()) return;
  sourceRect = Intersect(sourceRect, source.Bounds());
  const KeyRule rule = KeyRuleFor(dest, useParent, parent);
  const uint32_t fill = Swap(parent.FillColor);
  for (int32_t sy = sourceRect.Top; sy < sourceRect.Bottom; ++sy) {
    const int32_t dy = y + sy - sourceRect.Top;
    if (dy < 0 || dy >= dest.Height) continue;
    const uint32_t* s = source.Row(sy);
    uint32_t* d = dest.Row(dy);
    for (int32_t sx = sourceRect.Left; sx < sourceRect.Right; ++sx) {
      const int32_t dx = x + sx - sourceRect.Left;
      if (dx < 0 || dx >= dest.Width) continue;
      const uint32_t p = s[sx];
      if (p != key) {
        d[dx] = rule == KeyRule::OwnParent ? p | 0xFF000000u : p;
      } else if (rule == KeyRule::Parent) {
        TakeParentPixel(d[dx], dx, dy, parent);
      } else if (rule == KeyRule::Fill) {
        d[dx] = (fill & 0x00FFFFFFu) | (dest.Row0[0] & 0xFF000000u);
      }
    }
  }
}

void MaskBlendCell(const PixelView& dest, const Rect& destRect, const SourceView& image,
                   const Rect& sourceRect, int32_t maskOffset, bool useParent,
                   const TacParentBg& parent) {
  if (dest.Empty() || image.Empty()) return;
  CopyArea a{destRect.Left, destRect.Top, sourceRect.Left, sourceRect.Top,
             std::min(destRect.Width(), sourceRect.Width()),
             std::min(destRect.Height(), sourceRect.Height())};
  if (!ClipCopy(a, dest.Width, dest.Height, image.Width, image.Height)) return;
  const int32_t maskTop = std::min(a.Sy + maskOffset, image.Height - a.H);
  if (maskTop < 0) return;
  const bool ownParent = parent.Bitmap.SameAs(dest.Row0);
  const uint32_t fill = Swap(parent.FillColor);
  for (int32_t y = 0; y < a.H; ++y) {
    const uint32_t* s = image.Row(a.Sy + y) + a.Sx;
    const uint32_t* m = image.Row(maskTop + y) + a.Sx;
    uint32_t* d = dest.Row(a.Dy + y) + a.Dx;
    for (int32_t x = 0; x < a.W; ++x) {
      const bool key = s[x] == kKeyColour;
      if (parent.Ready) {
        if (useParent && key) {
          if (parent.HasBitmap() && !ownParent) TakeParentPixel(d[x], a.Dx + x, a.Dy + y, parent);
        } else {
          d[x] = MixThroughMask(d[x], s[x], m[x]);
        }
        d[x] |= 0xFF000000u;
      } else if (!key) {
        d[x] = MixThroughMask(d[x], s[x], m[x]);
      } else if (useParent) {
        d[x] = fill;
      }
    }
  }
}

void StretchWithMask(const PixelView& dest, const Rect& destRect, bool smooth, int32_t maskOffset,
                     const SourceView& image, const Rect& sourceRect) {
  const Rect source = sourceRect;
  // The mask layer, maskOffset rows below the picture (above it for an upside-down skin
  // rectangle), must lie inside the image as well as the picture.
  if (dest.Width < 2 || dest.Height < 2 || IsEmpty(destRect) || IsEmpty(source) ||
      source.Left < 0 || source.Top < 0 || source.Right > image.Width ||
      source.Bottom > image.Height || int64_t(source.Top) + maskOffset < 0 ||
      int64_t(source.Bottom) + maskOffset > image.Height)
    return;
  if (maskOffset == 0) {
    StretchCopy(dest, destRect, image, source);
    return;
  }
  const Rect visible = Intersect(destRect, dest.Bounds());
  if (IsEmpty(visible)) return;
  const int32_t w = destRect.Width(), h = destRect.Height();
  if (source.Width() == 1 && source.Height() == 1 && smooth) {
    const uint32_t i = image.At(source.Left, source.Top);
    const uint32_t g = Channel(image.At(source.Left, source.Top + maskOffset), 2);
    const uint32_t weights = g * 0x010101u;
    for (int32_t y = visible.Top; y < visible.Bottom; ++y)
      for (int32_t x = visible.Left; x < visible.Right; ++x) {
        uint32_t& d = dest.At(x, y);
        if (g == 0) d = i | 0xFF000000u;
        else if (g != 255) d = MixThroughMask(d, i, weights);
      }
    return;
  }
  if (int64_t(w) * h > kMaxImagePixels) return;  // beyond any real control; no huge temporaries
  const bool keepsOneShrinksOther =
      (source.Width() == w && source.Height() > h) || (source.Height() == h && source.Width() > w);
  const bool filtered = w >= 2 && h >= 2 && (smooth || keepsOneShrinksOther);
  const Image32 picture = Scaled(SubView(image, source), w, h, filtered);
  const Image32 mask = Scaled(SubView(image, Offset(source, 0, maskOffset)), w, h, filtered);
  for (int32_t y = visible.Top; y < visible.Bottom; ++y)
    for (int32_t x = visible.Left; x < visible.Right; ++x) {
      uint32_t& d = dest.At(x, y);
      const int32_t px = x - destRect.Left, py = y - destRect.Top;
      d = MixThroughMask(d, picture.At(px, py), mask.At(px, py)) | 0xFF000000u;
    }
}

}  // namespace velmora::skin
