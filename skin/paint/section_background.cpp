#include <algorithm>

#include "skin/paint/blend.h"
#include "skin/paint/fill.h"
#include "skin/paint/gradient.h"
#include "skin/paint/section_layers.h"
#include "skin/paint/texture.h"

namespace velmora::skin {
namespace {

constexpr uint32_t kGradientAskedSmooth = 0x20;

uint8_t Percent255(int32_t percent) { return uint8_t(std::clamp(percent, 0, 100) * 255 / 100); }

const TsMaskData* TextureMask(const SkinRegistry& skin, int32_t index) {
  return skin.IsValidMaskIndex(index) ? &skin.Masks()[size_t(index)] : nullptr;
}

// The gradient, or the colour when there are no stops.
void GradientOrColour(const PixelView& dest, const Rect& q, const FillLayers& f) {
  if (f.Stops && !f.Stops->empty())
    PaintGradient(dest, q, *f.Stops);
  else
    PaintSolid32(dest, q, f.Colour, 255);
}

bool OnePass(const FillLayers& f, const TsMaskData* texture) {
  return f.OnePassAllowed && f.Image + f.Gradient == 100 && f.Gradient >= 1 && f.Gradient <= 99 &&
         texture && texture->DrawMode == 0 && texture->MaskLayout == 0 && f.Stops &&
         !f.Stops->empty() && f.Stops->front().Mode < 2;
}

// Copies the strips of a parent that has painted only its edges; the rest is the fill colour.
void ShowReadyEdges(const PixelView& dest, const Rect& q, const TacParentBg& p, int32_t px,
                    int32_t py) {
  PaintSolid32(dest, q, p.FillColor, 255);
  const SourceView& b = p.Bitmap;
  const int32_t w = q.Width(), h = q.Height();
  const int32_t sx = p.OffsetX + px, sy = p.OffsetY + py;
  if (p.ReadyLeft > p.OffsetX && px < p.ReadyLeft)
    BlockCopy(dest, q.Left, q.Top, b, {sx, sy, sx + std::min(p.ReadyLeft - px, w), sy + h});
  if (p.ReadyTop > p.OffsetY && py < p.ReadyTop)
    BlockCopy(dest, q.Left, q.Top, b, {sx, sy, sx + w, sy + std::min(p.ReadyTop - py, h)});
  const int32_t innerRight = b.Width - p.ReadyRight;
  if (p.ReadyRight > 0 && px + w > innerRight && px + w < b.Width) {
    const int32_t strip = std::min(px + w - innerRight, w);
    const int32_t from = innerRight + p.OffsetX;
    BlockCopy(dest, q.Right - strip, q.Top, b, {from, sy, from + strip, sy + h});
  }
  const int32_t innerBottom = b.Height - p.ReadyBottom;
  if (p.ReadyBottom > 0 && py + h > innerBottom && py + h < b.Height) {
    const int32_t strip = std::min(py + h - innerBottom, h);
    const int32_t from = innerBottom + p.OffsetY;
    BlockCopy(dest, q.Left, q.Bottom - strip, b, {sx, from, sx + w, from + strip});
  }
}

}  // namespace

void PaintFillLayers(const PixelView& dest, const Rect& q, const FillLayers& f,
                     const SkinRegistry& skin, const TacParentBg& parent) {
  const TsMaskData* texture = TextureMask(skin, f.TextureIndex);
  if (OnePass(f, texture)) {
    const Image32* image = MaskImage(*texture);
    if (image) {
      PaintGradientWithTexture(dest, q, *f.Stops, 255, Percent255(f.Image), texture->Rect,
                               PixelRows(*image));
      return;
    }
  }
  if (f.Image > 0) {
    if (texture) {
      if (const auto rest = DrawTexture(dest, q, *texture, parent)) PaintSolid32(dest, *rest, f.Colour, 255);
    } else {
      PaintSolid32(dest, q, f.Colour, 255);
    }
  }
  if (f.Gradient > 0) {
    if (f.Image > 0) {
      Image32 layer = NewWorkBitmap(q.Width(), q.Height());
      GradientOrColour(PixelRows(layer), {0, 0, q.Width(), q.Height()}, f);
      WeighBitmapInto(dest, PixelRows(layer), Percent255(f.Image), q.Left, q.Top, {0, 0, q.Width(), q.Height()});
    } else {
      GradientOrColour(dest, q, f);
    }
  }
  const int32_t k = f.Image + f.Gradient;
  if (k > 0 && k < 100)
    WeighColorInto(dest, q, Percent255(k), f.Colour);
  else if (k <= 0)
    PaintSolid32(dest, q, f.Colour, 255);
}

void ShowParent(const PixelView& dest, const Rect& q, const TacParentBg& p, int32_t px, int32_t py) {
  if (p.Ready && p.HasBitmap()) {
    if (!p.Bitmap.SameAs(dest.Row0))
      BlockCopy(dest, q.Left, q.Top, p.Bitmap,
                {p.OffsetX + px, p.OffsetY + py, p.OffsetX + px + q.Width(), p.OffsetY + py + q.Height()});
  } else if (p.HasBitmap()) {
    ShowReadyEdges(dest, q, p, px, py);
  } else {
    PaintSolid32(dest, q, p.FillColor, 255);
  }
}

void BlendOverParent(const PaintTarget& t, const Rect& q, int32_t transparency,
                     const std::function<void(const PixelView&, const Rect&)>& paintLayers) {
  Image32 layer = NewWorkBitmap(q.Width(), q.Height());
  const Rect whole{0, 0, q.Width(), q.Height()};
  paintLayers(PixelRows(layer), whole);
  if (t.Parent.Ready)
    ShowParent(t.Dest, q, t.Parent, t.Px, t.Py);
  else
    PaintSolid32(t.Dest, q, t.Parent.FillColor, 255);
  WeighBitmapInto(t.Dest, PixelRows(layer), Percent255(transparency), q.Left, q.Top, whole);
}

void PaintSectionBg(const PaintTarget& t, const SkinRegistry* skin, int32_t skinIndex,
                    uint32_t colourOverride, int32_t hotTextureIndex, int32_t textureIndex) {
  if (!skin || !skin->IsValidSkinIndex(skinIndex) || t.Dest.Empty()) return;
  const int32_t s = std::max(t.State, 0);
  const TsGenState& block = skin->Sections()[size_t(skinIndex)].Props[size_t(std::min(s, 2))];
  const int32_t given = s != 0 ? hotTextureIndex : textureIndex;
  const int32_t stateTexture = given >= 0 ? given : block.TextureIndex;
  const Rect q = Intersect(t.Area, t.Dest.Bounds());
  if (IsEmpty(q)) return;

  FillLayers f;
  f.Stops = &block.Gradient;
  int32_t transparency = 0;
  bool gradientLast = false;
  if (colourOverride == kUnknownFill) {
    f.Colour = ResolveColour(uint32_t(block.Color));
    transparency = block.Transparency;
    if (transparency < 100) {
      f.Image = block.ImagePercent;
      f.TextureIndex = stateTexture;
      f.Gradient = block.GradientPercent;
    }
    if (!block.Gradient.empty() && (block.Gradient.front().Mode & kGradientAskedSmooth)) {
      gradientLast = true;
      f.Gradient = 0;
    }
  } else {
    f.Colour = colourOverride;
  }

  const TacParentBg shifted = Shifted(t.Parent, t.Px, t.Py);
  const TacParentBg& p = t.Parent;
  if (p.Ready || p.FillKnown()) {
    if (transparency <= 0) {
      PaintFillLayers(t.Dest, q, f, *skin, shifted);
    } else if (transparency >= 100) {
      ShowParent(t.Dest, q, p, t.Px, t.Py);
    } else if (p.Ready || f.Image + f.Gradient > 0) {
      BlendOverParent(t, q, transparency, [&](const PixelView& layer, const Rect& whole) {
        PaintFillLayers(layer, whole, f, *skin, shifted);
      });
    } else {
      const uint32_t mixed = WeighColors(ResolveColour(p.FillColor), f.Colour, Percent255(transparency));
      PaintSolid32(t.Dest, q, mixed, 255);
    }
  } else {
    PaintFillLayers(t.Dest, q, f, *skin, shifted);
  }
  if (gradientLast) PaintGradient(t.Dest, q, block.Gradient);
  if (const TsMaskData* texture = TextureMask(*skin, stateTexture);
      texture && texture->MaskLayout > 0 && texture->DrawMode == 10)
    DrawTexture(t.Dest, q, *texture, shifted);
}

}  // namespace velmora::skin
