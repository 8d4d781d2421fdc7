#include "skin/paint/outer_effect.h"

#include <array>

#include "skin/data/limits.h"
#include "skin/paint/blend.h"
#include "skin/paint/borders_mask.h"

namespace velmora::skin {
namespace {

struct EffectMask {
  int32_t MaskIndex = -1;
  std::array<int32_t, 4> Offsets{};  // left, top, right, bottom
  int32_t Opacity = 0;
};

// The section's own outer mask, else the skin's description its outer mode names. A mode above
// 2 names no description, and draws nothing.
EffectMask EffectOf(const SkinRegistry& skin, const TsGeneralData& section) {
  if (skin.IsValidMaskIndex(section.OuterMask))
    return {section.OuterMask,
            {section.OutOffsL, section.OutOffsT, section.OutOffsR, section.OutOffsB},
            section.OuterOpacity};
  if (section.OuterMode < 1 || section.OuterMode > 2) return {};
  const OuterEffectData& effect = skin.OuterEffects()[size_t(section.OuterMode - 1)];
  if (effect.Source == 0) return {};
  return {effect.MaskIndex, effect.Offsets, effect.Opacity};
}

}  // namespace

void PaintOuterEffect(const TacBgQuery& query, const OuterEffectChild& child, Image32& outerImage) {
  const SkinRegistry* skin = child.Skin;
  if (!skin || !skin->IsValidSkinIndex(child.SkinIndex) || !child.Visible || query.Bitmap.Empty())
    return;
  const TsGeneralData& section = skin->Sections()[size_t(child.SkinIndex)];
  if (section.OuterMode < 1) return;
  const EffectMask effect = EffectOf(*skin, section);
  if (!skin->IsValidMaskIndex(effect.MaskIndex)) return;
  const Rect at = Offset(child.Bounds, query.OffsetX, query.OffsetY);
  const Rect rect{at.Left - effect.Offsets[0], at.Top - effect.Offsets[1],
                  at.Right + effect.Offsets[2], at.Bottom + effect.Offsets[3]};
  if (IsEmpty(rect) || rect.Width() > kMaxImageSide || rect.Height() > kMaxImageSide ||
      int64_t(rect.Width()) * rect.Height() > kMaxImagePixels)
    return;
  if (outerImage.Width != rect.Width() || outerImage.Height != rect.Height())
    outerImage = NewWorkBitmap(rect.Width(), rect.Height());
  BlockCopy(PixelRows(outerImage), 0, 0, query.Bitmap, rect);
  DrawBordersMaskOpacity(query.Bitmap, rect, TacParentBg{}, 0,
                         skin->Masks()[size_t(effect.MaskIndex)],
                         uint8_t(std::clamp(effect.Opacity, 0, 255)), effect.Offsets);
}

}  // namespace velmora::skin
