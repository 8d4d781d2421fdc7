#include "skin/paint/control_frame.h"

#include <algorithm>

#include "skin/paint/blend.h"
#include "skin/paint/borders_mask.h"
#include "skin/paint/fill.h"
#include "skin/paint/section_paint.h"

namespace velmora::skin {
namespace {

// The parent's pixels of a ring of the given width along rect's edges, copied into the cache.
void CopyParentRing(const PixelView& cache, const Rect& rect, int32_t width, const SourceView& from,
                    int32_t fromX, int32_t fromY) {
  const Rect ring[] = {{rect.Left, rect.Top, rect.Right, rect.Top + width},
                       {rect.Left, rect.Bottom - width, rect.Right, rect.Bottom},
                       {rect.Left, rect.Top, rect.Left + width, rect.Bottom},
                       {rect.Right - width, rect.Top, rect.Right, rect.Bottom}};
  for (const Rect& r : ring)
    BlockCopy(cache, r.Left, r.Top, from, Offset(r, fromX, fromY));
}

void PaintBands(const PixelView& cache, const Rect& r, int32_t w, const TsMaskData& m, uint32_t colour) {
  const int32_t width = r.Width(), height = r.Height();
  const int32_t left = std::max(std::min(w, width - m.RightWidth) - m.LeftWidth, 0);
  const int32_t top = std::max(std::min(w, height - m.BottomWidth) - m.TopWidth, 0);
  const int32_t right = std::max(std::min(w, width - m.LeftWidth) - m.RightWidth, 0);
  const int32_t bottom = std::max(std::min(w, height - m.TopWidth) - m.BottomWidth, 0);
  const Rect inner{r.Left + m.LeftWidth, r.Top + m.TopWidth, r.Right - m.RightWidth,
                   r.Bottom - m.BottomWidth};
  PaintSolid32(cache, {inner.Left, inner.Top, inner.Left + left, inner.Bottom}, colour, 255);
  PaintSolid32(cache, {inner.Left, inner.Top, inner.Right, inner.Top + top}, colour, 255);
  PaintSolid32(cache, {inner.Right - right, inner.Top, inner.Right, inner.Bottom}, colour, 255);
  PaintSolid32(cache, {inner.Left, inner.Bottom - bottom, inner.Right, inner.Bottom}, colour, 255);
}

Rect Inset(const Rect& r, int32_t l, int32_t t, int32_t rt, int32_t b) {
  Rect in{r.Left + l, r.Top + t, r.Right - rt, r.Bottom - b};
  in.Right = std::max(in.Right, in.Left);
  in.Bottom = std::max(in.Bottom, in.Top);
  return in;
}

}  // namespace

ControlFrame PaintControlFrame(const PixelView& cache, const Rect& rect, int32_t w, int32_t state,
                               const SkinRegistry* skin, int32_t maskIndex,
                               BackgroundParent* parent, int32_t controlX, int32_t controlY,
                               uint32_t colour) {
  if (!skin || !skin->IsValidMaskIndex(maskIndex) || cache.Empty()) return {rect, false};
  const TsMaskData& m = skin->Masks()[size_t(maskIndex)];
  TacBgQuery query;
  if (parent) QueryParentBg(query, *parent, false);
  const int32_t s = skin->IsValidSkinIndex(m.SectionIndex)
                        ? ClampedState(*skin, m.SectionIndex, state)
                        : std::max(state, 0);
  if (m.MaskLayout > 0 && query.Kind == kBgBitmap && !query.Bitmap.Empty()) {
    const int32_t ring = std::max({m.LeftWidth, m.TopWidth, m.RightWidth, m.BottomWidth});
    CopyParentRing(cache, rect, ring, query.Bitmap, controlX + query.OffsetX, controlY + query.OffsetY);
  }
  const TacParentBg behind = Shifted(ParentFromQuery(query), controlX, controlY);
  DrawBordersMask(cache, rect, behind, true, s, m);
  ControlFrame frame{Inset(rect, m.LeftWidth, m.TopWidth, m.RightWidth, m.BottomWidth), true};
  if (w > 0) {
    PaintBands(cache, rect, w, m, ResolveColour(colour));
    frame.Content = Inset(rect, w, w, w, w);
  }
  return frame;
}

void FixBorderCorners(const PixelView& cache, int32_t state, int32_t corners,
                      const TsMaskData& mask, BackgroundParent& parent, int32_t controlX,
                      int32_t controlY) {
  const Image32* image = MaskImage(mask);
  if (mask.CornerFlag == 0 || cache.Empty() || !image || mask.FrameCount <= 0) return;
  TacBgQuery query;
  QueryParentBg(query, parent, false);
  const bool fromBitmap = query.Kind == kBgBitmap;
  TacParentBg behind = ParentFromQuery(query);
  if (fromBitmap) behind = Shifted(behind, controlX, controlY);
  const bool colourKnown = !fromBitmap && query.Color != kUnknownFill;
  const uint32_t colourPixel = Swap(query.Color);
  const int32_t s = std::clamp<int32_t>(state, 0, mask.FrameCount - 1);
  const int32_t x0 = mask.Rect.Left + s * mask.FrameWidth, y0 = mask.Rect.Top;
  const int32_t fw = mask.FrameWidth, fh = mask.FrameHeight;
  const int32_t wl = mask.LeftWidth, wt = mask.TopWidth, wr = mask.RightWidth, wb = mask.BottomWidth;
  const int32_t maskOffset = mask.Rect.Height() / 2;
  const SourceView source = PixelRows(*image);
  auto fix = [&](int32_t corner, Rect picture, int32_t destX, int32_t destY) {
    if (!(corners & corner)) return;
    picture = Intersect(picture, source.Bounds());
    for (int32_t y = picture.Top; y < picture.Bottom; ++y)
      for (int32_t x = picture.Left; x < picture.Right; ++x) {
        const int32_t cx = destX + x - picture.Left, cy = destY + y - picture.Top;
        if (!cache.Contains(cx, cy)) continue;
        uint32_t behindPixel = colourPixel;
        if (fromBitmap ? !behind.PixelAt(cx, cy, behindPixel) : !colourKnown) continue;
        const uint32_t i = source.At(x, y);
        if (mask.MaskLayout == 0) {
          if (i == kKeyColour) cache.At(cx, cy) = behindPixel;
        } else if (y + maskOffset >= 0 && y + maskOffset < source.Height) {
          cache.At(cx, cy) = MixThroughMask(behindPixel, i, source.At(x, y + maskOffset));
        }
      }
  };
  const int32_t w = cache.Width, h = cache.Height;
  fix(kTopLeft, {x0, y0, x0 + wl, y0 + wt}, 0, 0);
  fix(kBottomLeft, {x0, y0 + fh - wb, x0 + wl, y0 + fh}, 0, h - wb);
  fix(kTopRight, {x0 + fw - wr, y0, x0 + fw, y0 + wt}, w - wr, 0);
  fix(kBottomRight, {x0 + fw - wr, y0 + fh - wb, x0 + fw, y0 + fh}, w - wr, h - wb);
}

}  // namespace velmora::skin
