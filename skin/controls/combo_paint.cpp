#include "skin/controls/combo_paint.h"

#include <algorithm>

#include "skin/paint/arrow.h"
#include "skin/paint/blend.h"
#include "skin/paint/colour.h"
#include "skin/paint/fill.h"
#include "skin/paint/glyph.h"
#include "skin/paint/section_paint.h"

namespace velmora::skin {

Rect ComboButtonRect(int32_t width, int32_t height, int32_t scrollWidth, int32_t margin,
                     bool rightToLeft) {
  const int32_t b = scrollWidth + 1;
  const int32_t left = rightToLeft ? margin : width - b - margin;
  return {left, margin, left + b, height - margin};
}

int32_t ComboButtonState(bool listShown, int32_t currentState, bool mouseOver) {
  if (listShown) return 2;
  return currentState != 0 || mouseOver ? 1 : 0;
}

void PaintComboButton(const PixelView& image, const SkinRegistry& skin, const Rect& button,
                      int32_t state) {
  const TacConstElementData& record = skin.Indexes().ComboBtn;
  const bool hasSection = skin.IsValidSkinIndex(record.SkinIndex);
  if (hasSection) {
    // The copy under the button is its own parent: what shows through is the frame cache.
    const PaintTarget target{image, button, state, ParentFromBitmap(image, 0, 0), button.Left,
                             button.Top};
    PaintSection(target, &skin, record.SkinIndex, record.HotTextureIndex, record.TextureIndex);
  }
  if (!skin.IsValidMaskIndex(record.GlyphIndex)) {
    const uint32_t colour =
        hasSection ? uint32_t(skin.Sections()[size_t(record.SkinIndex)]
                                  .Props[size_t(ClampedState(skin, record.SkinIndex, state))]
                                  .FontColor)
                   : 0;
    DrawArrow(image, ResolveColour(colour), button, ArrowDirection::Down);
    return;
  }
  const TsMaskData& glyph = skin.Masks()[size_t(record.GlyphIndex)];
  const int32_t x = button.Left + (button.Width() - glyph.FrameWidth) / 2;
  const int32_t y = (image.Height - glyph.FrameHeight) / 2;
  DrawGlyph(image, x, y, state, ParentFromBitmap(image, 0, 0), glyph, kGlyphNormal);
}

ItemText PaintComboItem(const PixelView& image, const SkinRegistry& skin, int32_t editIndex,
                        const ComboItem& item, const SourceView& frameCache) {
  const Rect& r = item.R;
  const TsGeneralData& edit = skin.Sections()[size_t(editIndex)];
  const bool lit = edit.StateCount > 1 && (!item.EditField || item.Hot);
  const TsGenState& block = edit.Props[lit ? 1 : 0];
  const int32_t selection = skin.Indexes().Sections[kSelectionSlot];
  const bool hasSelection = skin.IsValidSkinIndex(selection);
  if (item.Selected) {
    TacParentBg parent;
    if (item.EditField)
      parent = ParentFromBitmap(frameCache, 0, 0);
    else
      parent.FillColor = ResolveColour(uint32_t(block.Color));
    if (hasSelection) {
      PaintSection({image, r, 1, parent, r.Left, r.Top}, &skin, selection);
      return {1, 0};
    }
    PaintSolid32(image, r, ResolveColour(uint32_t(skin.HighlightColor(true))), 255);
    return {-1, ResolveColour(uint32_t(skin.HighlightTextColor(true)))};
  }
  if (item.EditField)
    BlockCopy(image, r.Left, r.Top, frameCache, r);
  else
    PaintSolid32(image, r, ResolveColour(uint32_t(block.Color)), 255);
  if (hasSelection) return {lit ? 1 : 0, 0};
  return {-1, ResolveColour(uint32_t(block.FontColor))};
}

void PaintListFrame(const PixelView& cache, uint32_t back, uint32_t border) {
  const Rect whole = cache.Bounds();
  PaintSolid32(cache, whole, ResolveColour(border), 255);
  PaintSolid32(cache, {1, 1, whole.Right - 1, whole.Bottom - 1}, ResolveColour(back), 255);
}

}  // namespace velmora::skin
