#include "skin/paint/texture.h"

#include <algorithm>

#include "skin/paint/blend.h"
#include "skin/paint/fill.h"
#include "skin/paint/resample.h"

namespace velmora::skin {
namespace {

int32_t Wrap(int32_t v, int32_t n) { return ((v % n) + n) % n; }

// Tiles the picture over the area (clipped to the destination) on a grid anchored at origin.
void Tile(const PixelView& dest, Rect area, int32_t originX, int32_t originY,
          const SourceView& image, const Rect& picture) {
  area = Intersect(area, dest.Bounds());
  const int32_t tw = picture.Width(), th = picture.Height();
  if (IsEmpty(area) || tw <= 0 || th <= 0) return;
  for (int32_t y = area.Top; y < area.Bottom; ++y) {
    const uint32_t* s = image.Row(picture.Top + Wrap(y - originY, th)) + picture.Left;
    uint32_t* d = dest.Row(y);
    int32_t x = area.Left;
    int32_t from = Wrap(x - originX, tw);
    while (x < area.Right) {
      const int32_t run = std::min(tw - from, area.Right - x);
      std::copy_n(s + from, run, d + x);
      x += run, from = 0;
    }
  }
}

// The picture stretched over target, drawn only inside area.
void Stretch(const PixelView& dest, const Rect& area, const Rect& target, const SourceView& image,
             const Rect& picture) {
  const Rect clip = Intersect(area, dest.Bounds());
  if (IsEmpty(clip)) return;
  StretchCopy(SubView(dest, clip), Offset(target, -clip.Left, -clip.Top), image, picture);
}

std::optional<Rect> DrawKeyless(const PixelView& dest, const Rect& q, const SourceView& image,
                                const Rect& pic, int mode) {
  const int32_t tw = pic.Width(), th = pic.Height();
  const int32_t rowBottom = std::min(q.Top + th, q.Bottom), colRight = std::min(q.Left + tw, q.Right);
  const int32_t rowTop = std::max(q.Bottom - th, q.Top), colLeft = std::max(q.Right - tw, q.Left);
  switch (mode) {
    case 1: Stretch(dest, q, q, image, pic); return std::nullopt;
    case 2: Tile(dest, {q.Left, q.Top, q.Right, rowBottom}, q.Left, q.Top, image, pic);
      return Rect{q.Left, rowBottom, q.Right, q.Bottom};
    case 3: Tile(dest, {q.Left, q.Top, colRight, q.Bottom}, q.Left, q.Top, image, pic);
      return Rect{colRight, q.Top, q.Right, q.Bottom};
    case 4: Stretch(dest, q, {q.Left, q.Top, q.Right, q.Top + th}, image, pic);
      return Rect{q.Left, rowBottom, q.Right, q.Bottom};
    case 5: Stretch(dest, q, {q.Left, q.Top, q.Left + tw, q.Bottom}, image, pic);
      return Rect{colRight, q.Top, q.Right, q.Bottom};
    case 6: Tile(dest, {q.Left, rowTop, q.Right, q.Bottom}, q.Left, q.Bottom - th, image, pic);
      return Rect{q.Left, q.Top, q.Right, rowTop};
    case 7: Tile(dest, {colLeft, q.Top, q.Right, q.Bottom}, q.Right - tw, q.Top, image, pic);
      return Rect{q.Left, q.Top, colLeft, q.Bottom};
    // 8 and 9: the bottom and right counterparts of 4 and 5.
    case 8: Stretch(dest, q, {q.Left, q.Bottom - th, q.Right, q.Bottom}, image, pic);
      return Rect{q.Left, q.Top, q.Right, rowTop};
    case 9: Stretch(dest, q, {q.Right - tw, q.Top, q.Right, q.Bottom}, image, pic);
      return Rect{q.Left, q.Top, colLeft, q.Bottom};
    case 11:
      for (int32_t y = q.Top; y < q.Bottom; y += th)
        Stretch(dest, q, {q.Left, y, q.Right, y + th}, image, pic);
      return std::nullopt;
    case 12:
      for (int32_t x = q.Left; x < q.Right; x += tw)
        Stretch(dest, q, {x, q.Top, x + tw, q.Bottom}, image, pic);
      return std::nullopt;
    case 13: Tile(dest, q, q.Right, q.Bottom, image, pic); return std::nullopt;
    default: Tile(dest, q, q.Left, q.Top, image, pic); return std::nullopt;
  }
}

// Blends tiles through the mask layer over area, the grid anchored at the rectangle's corner.
void TileThroughMask(const PixelView& dest, Rect area, const Rect& q, const SourceView& image,
                     const Rect& pic, int32_t maskOffset, const TacParentBg& parent) {
  area = Intersect(area, dest.Bounds());
  const int32_t tw = pic.Width(), th = pic.Height();
  const bool fill = parent.FillKnown();
  const uint32_t fillPixel = Swap(parent.FillColor);
  for (int32_t y = area.Top; y < area.Bottom; ++y) {
    const int32_t sy = pic.Top + Wrap(y - q.Top, th);
    const uint32_t* s = image.Row(sy) + pic.Left;
    const uint32_t* m = image.Row(sy + maskOffset) + pic.Left;
    uint32_t* d = dest.Row(y);
    for (int32_t x = area.Left; x < area.Right; ++x) {
      const int32_t sx = Wrap(x - q.Left, tw);
      if (s[sx] != kKeyColour) {
        d[x] = MixThroughMask(d[x], s[sx], m[sx]);
      } else if (fill) {
        d[x] = fillPixel;
      } else if (parent.Ready) {
        uint32_t behind;
        if (parent.PixelAt(x, y, behind)) d[x] = behind;
      }
    }
  }
}

// The strip a whole-tile drawing leaves uncovered shows the parent.
void ParentInto(const PixelView& dest, const Rect& area, const TacParentBg& parent) {
  if (IsEmpty(area)) return;
  if (!parent.Ready) {
    PaintSolid32(dest, area, parent.FillColor, 255);
    return;
  }
  const Rect r = Intersect(area, dest.Bounds());
  for (int32_t y = r.Top; y < r.Bottom; ++y)
    for (int32_t x = r.Left; x < r.Right; ++x) {
      uint32_t behind;
      if (parent.PixelAt(x, y, behind)) dest.At(x, y) = behind;
    }
}

std::optional<Rect> DrawLayered(const PixelView& dest, const Rect& q, const SourceView& image,
                                const Rect& whole, int mode, const TacParentBg& parent) {
  const int32_t maskOffset = whole.Height() / 2;
  const Rect pic{whole.Left, whole.Top, whole.Right, whole.Top + maskOffset};
  if (IsEmpty(pic) || pic.Bottom + maskOffset > image.Height) return q;
  if (mode == 0) {
    TileThroughMask(dest, q, q, image, pic, maskOffset, parent);
    return std::nullopt;
  }
  if (mode != 10) return q;
  const int32_t right = q.Left + q.Width() / pic.Width() * pic.Width();
  const int32_t bottom = q.Top + q.Height() / pic.Height() * pic.Height();
  TileThroughMask(dest, {q.Left, q.Top, right, bottom}, q, image, pic, maskOffset, parent);
  ParentInto(dest, {right, q.Top, q.Right, q.Bottom}, parent);
  ParentInto(dest, {q.Left, bottom, right, q.Bottom}, parent);
  return std::nullopt;
}

}  // namespace

std::optional<Rect> DrawTexture(const PixelView& dest, const Rect& rect, const TsMaskData& texture,
                                const TacParentBg& parent) {
  const Image32* image = MaskImage(texture);
  if (dest.Empty() || !image || image->Empty() || IsEmpty(rect)) return std::nullopt;
  const Rect pic = Intersect(texture.Rect, Rect{0, 0, image->Width, image->Height});
  if (IsEmpty(pic)) return rect;
  if (texture.MaskLayout > 0) return DrawLayered(dest, rect, PixelRows(*image), pic, texture.DrawMode, parent);
  return DrawKeyless(dest, rect, PixelRows(*image), pic, texture.DrawMode);
}

}  // namespace velmora::skin
