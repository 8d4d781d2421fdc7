#include "skin/paint/section_paint.h"

#include <algorithm>

#include "skin/paint/borders_mask.h"
#include "skin/paint/glyph.h"
#include "skin/paint/section_layers.h"

namespace velmora::skin {
namespace {

const TsMaskData* Mask(const SkinRegistry& skin, int32_t index) {
  return skin.IsValidMaskIndex(index) ? &skin.Masks()[size_t(index)] : nullptr;
}

// Corner images drawn as glyphs over the destination itself, so their key pixels keep what is
// already painted.
void DrawCornerImages(const PaintTarget& t, const SkinRegistry& skin, const TsGeneralData& section,
                      int32_t state) {
  const Rect& q = t.Area;
  const TacParentBg self = ParentFromBitmap(t.Dest, 0, 0);
  auto draw = [&](int32_t index, bool right, bool bottom) {
    const TsMaskData* m = Mask(skin, index);
    if (!m) return;
    const int32_t x = right ? q.Right - m->FrameWidth : q.Left;
    const int32_t y = bottom ? q.Bottom - m->FrameHeight : q.Top;
    DrawGlyph(t.Dest, x, y, state, self, *m, kGlyphNormal);
  };
  draw(section.ImgTopLeft, false, false);
  draw(section.ImgTopRight, true, false);
  draw(section.ImgBtmLeft, false, true);
  draw(section.ImgBtmRight, true, true);
}

// The section's borders mask over the area with the record shifted by (px, py); false when there
// is no mask to draw.
bool DrawSectionBorders(const PaintTarget& t, const SkinRegistry& skin, int32_t maskIndex,
                        bool cornerParent, int32_t state) {
  const TsMaskData* m = Mask(skin, maskIndex);
  if (!m || (state == 0 && (m->DrawMode & 2))) return false;
  DrawBordersMask(t.Dest, t.Area, Shifted(t.Parent, t.Px, t.Py), cornerParent, state, *m);
  return true;
}

bool Paintable(const PaintTarget& t, const SkinRegistry* skin, int32_t skinIndex) {
  return skin && skin->IsValidSkinIndex(skinIndex) && !t.Dest.Empty() &&
         !IsEmpty(Intersect(t.Area, t.Dest.Bounds()));
}

uint32_t OverrideOf(const ControlLook& control) {
  return control.CustomColor ? ResolveColour(control.Color) : kUnknownFill;
}

}  // namespace

int32_t ClampedState(const SkinRegistry& skin, int32_t skinIndex, int32_t state) {
  if (!skin.IsValidSkinIndex(skinIndex)) return -1;
  const int32_t count = skin.Sections()[size_t(skinIndex)].StateCount;
  return std::clamp(state, 0, std::max(count - 1, 0));
}

void PaintSection(const PaintTarget& target, const SkinRegistry* skin, int32_t skinIndex,
                  int32_t hotTextureIndex, int32_t textureIndex) {
  if (!Paintable(target, skin, skinIndex)) return;
  PaintTarget t = target;
  t.State = ClampedState(*skin, skinIndex, t.State);
  const TsGeneralData& section = skin->Sections()[size_t(skinIndex)];
  PaintSectionBg(t, skin, skinIndex, kUnknownFill, hotTextureIndex, textureIndex);
  DrawCornerImages(t, *skin, section, t.State);
  DrawSectionBorders(t, *skin, section.BorderIndex, true, t.State);
}

void PaintControlSection(const PaintTarget& target, const SkinRegistry* skin,
                         const ControlLook& control, bool cornerParent, const Adjustments& adjust) {
  if (!Paintable(target, skin, control.SkinIndex)) return;
  PaintTarget t = target;
  t.State = ClampedState(*skin, control.SkinIndex, t.State);
  const TsGeneralData& section = skin->Sections()[size_t(control.SkinIndex)];
  PaintSectionBg(t, skin, control.SkinIndex, OverrideOf(control), -1, -1);
  DrawCornerImages(t, *skin, section, t.State);
  const bool bordered = DrawSectionBorders(t, *skin, section.BorderIndex, cornerParent, t.State);
  const bool opaque = section.Props[size_t(std::min(t.State, 2))].Transparency == 0;
  if (adjust && (bordered || opaque)) adjust(t.Dest);
}

bool PaintControlOverParent(PaintTarget t, const SkinRegistry* skin, const ControlLook& control,
                            BackgroundParent& parent) {
  TacBgQuery query;
  QueryParentBg(query, parent, false);
  if (query.Kind == kBgDoNotPaint) return false;
  if (!Paintable(t, skin, control.SkinIndex)) return true;
  t.Parent = ParentFromQuery(query);
  t.State = ClampedState(*skin, control.SkinIndex, t.State);
  const TsGeneralData& section = skin->Sections()[size_t(control.SkinIndex)];
  PaintSectionBg(t, skin, control.SkinIndex, OverrideOf(control), -1, -1);
  DrawSectionBorders(t, *skin, section.BorderIndex, true, t.State);
  DrawCornerImages(t, *skin, section, t.State);
  return true;
}

void PaintSectionFast(const PaintTarget& target, const SkinRegistry* skin, int32_t skinIndex,
                      int32_t maskIndex) {
  if (!Paintable(target, skin, skinIndex)) return;
  PaintTarget t = target;
  t.State = ClampedState(*skin, skinIndex, t.State);
  const TsGenState& block = skin->Sections()[size_t(skinIndex)].Props[size_t(std::min(t.State, 2))];
  const Rect q = Intersect(t.Area, t.Dest.Bounds());
  const TacParentBg& p = t.Parent;
  const TacParentBg shifted = Shifted(p, t.Px, t.Py);
  const int32_t transparency = block.Transparency;
  FillLayers f;
  f.OnePassAllowed = false;
  f.Stops = &block.Gradient;
  f.Colour = ResolveColour(uint32_t(block.Color));
  if (transparency < 100) {
    f.Image = block.ImagePercent;
    f.Gradient = block.GradientPercent;
    f.TextureIndex = block.TextureIndex;
  } else if (!p.Ready) {
    f.Colour = ResolveColour(p.FillColor);
  }
  if (transparency >= 100 && p.Ready)
    ShowParent(t.Dest, q, p, t.Px, t.Py);
  else if (!p.Ready || transparency <= 0)
    PaintFillLayers(t.Dest, q, f, *skin, shifted);
  else
    BlendOverParent(t, q, transparency, [&](const PixelView& layer, const Rect& whole) {
      PaintFillLayers(layer, whole, f, *skin, shifted);
    });
  DrawSectionBorders(t, *skin, maskIndex, true, t.State);
}

}  // namespace velmora::skin
