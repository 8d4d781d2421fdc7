#include "skin/controls/adapter_paint.h"

#include <algorithm>

#include "skin/paint/disabled_look.h"
#include "skin/paint/glyph.h"

namespace velmora::skin {

void ComposeAdapterImage(const PixelView& cache, const SkinRegistry& skin,
                         const TacParentBg& parent, const AdapterPicture& picture,
                         const Adjustments& adjust) {
  if (cache.Empty()) return;
  const PaintTarget target{cache, cache.Bounds(), picture.State, parent, picture.X, picture.Y};
  PaintControlSection(target, &skin, picture.Look, picture.CornerParent, adjust);
  if (picture.Caption) picture.Caption(cache);
  const AdapterGlyph& glyph = picture.Glyph;
  if (skin.IsValidMaskIndex(glyph.Mask))
    DrawGlyph(cache, glyph.X, glyph.Y, glyph.State, ParentFromBitmap(cache, 0, 0),
              skin.Masks()[size_t(glyph.Mask)], kGlyphNormal);
  // A parent that knows no fill colour is asked for its colour: the unknown-fill marker is no
  // colour to blend towards.
  if (picture.Disabled)
    ApplyDisabledLook(cache, dkBlended, {parent, picture.X, picture.Y, picture.ParentControl});
}

uint32_t FocusFrameColour(const SkinRegistry& skin, int32_t sectionIndex, int32_t highest) {
  if (!skin.IsValidSkinIndex(sectionIndex)) return kNoColour;
  const TsGeneralData& section = skin.Sections()[size_t(sectionIndex)];
  const int32_t state = std::min(highest, std::max(section.StateCount, 1) - 1);
  return uint32_t(section.Props[size_t(state)].FontColor);
}

}  // namespace velmora::skin
