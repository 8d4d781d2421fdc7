#include "skin/controls/cache_image.h"

#include "skin/controls/paint_adjustments.h"
#include "skin/data/skin_registry.h"
#include "skin/paint/disabled_look.h"
#include "skin/paint/glyph.h"
#include "skin/paint/section_paint.h"

namespace velmora::skin {
namespace {

bool CacheCurrent(const TsCommonData& data) {
  if (data.CacheStale || data.PartlyVisible || data.CacheEmpty()) return false;
  const Rect b = data.Owner().Facts().Bounds;
  const PixelView pixels = data.Cache()->Pixels();
  return pixels.Width == b.Right - b.Left && pixels.Height == b.Bottom - b.Top;
}

}  // namespace

bool RebuildCache(TsCommonData& data, const CacheLayers& layers) {
  if (CacheCurrent(data)) return true;
  if (!data.IsSkinned()) return false;
  data.PrepareCacheImage();
  const PixelView pixels = data.Cache()->Pixels();
  if (pixels.Empty()) return false;
  const int32_t state = data.CurrentState();
  const TacParentBg parent = data.ParentBackground();
  const SkinRegistry& skin = *data.Skin();
  PaintTarget target{pixels, pixels.Bounds(), state, parent};
  const ControlLook look{data.SectionIndex, data.CustomColor, data.Owner().Facts().Colour};
  PaintControlSection(target, &skin, look, true, PaintAdjustments(data));
  if (skin.IsValidMaskIndex(layers.GlyphMask))
    DrawGlyph(pixels, layers.GlyphX, layers.GlyphY, layers.GlyphState, parent,
              skin.Masks()[size_t(layers.GlyphMask)], kGlyphNormal);
  if (layers.Caption) layers.Caption(*data.Cache(), state);
  if (layers.Disabled) ApplyDisabledLook(pixels, dkBlended, {parent, 0, 0, nullptr});
  data.CacheStale = false;
  data.PartlyVisible = false;
  return true;
}

}  // namespace velmora::skin
