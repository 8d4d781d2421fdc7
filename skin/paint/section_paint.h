#pragma once
#include <cstdint>
#include <functional>

#include "skin/data/skin_registry.h"
#include "skin/paint/background_query.h"

namespace velmora::skin {

// Where a section is painted: a rectangle of the destination, the state, what lies behind the
// destination bitmap, and (px, py), the rectangle's place within the area the record describes.
struct PaintTarget {
  PixelView Dest;
  Rect Area;
  int32_t State = 0;
  TacParentBg Parent;
  int32_t Px = 0, Py = 0;
};

// What section painting reads of a control's skin data.
struct ControlLook {
  int32_t SkinIndex = -1;
  bool CustomColor = false;
  uint32_t Color = 0;  // the control's own colour, used with CustomColor
};

// The control's tone, hue and saturation, run over the whole finished bitmap sparing keys.
using Adjustments = std::function<void(const PixelView&)>;

// The background layers: texture, gradient and colour, made transparent against the parent.
// colourOverride kUnknownFill means none; negative texture indexes mean the section's own.
void PaintSectionBg(const PaintTarget& t, const SkinRegistry* skin, int32_t skinIndex,
                    uint32_t colourOverride, int32_t hotTextureIndex, int32_t textureIndex);

// Background, corner images and the borders mask (corner-parent flag set).
void PaintSection(const PaintTarget& t, const SkinRegistry* skin, int32_t skinIndex,
                  int32_t hotTextureIndex = -1, int32_t textureIndex = -1);

// As PaintSection in the control's own colour, then its adjustments where they cannot recolour
// a parent that shows through.
void PaintControlSection(const PaintTarget& t, const SkinRegistry* skin, const ControlLook& control,
                         bool cornerParent, const Adjustments& adjust = {});

// Asks the parent for the background and paints over it; false when the parent says the control
// must not be painted.
bool PaintControlOverParent(PaintTarget t, const SkinRegistry* skin, const ControlLook& control,
                            BackgroundParent& parent);

// A simpler background (no one-pass texture gradient, no mask-layer texture step) and the given
// borders mask.
void PaintSectionFast(const PaintTarget& t, const SkinRegistry* skin, int32_t skinIndex,
                      int32_t maskIndex);

// The section's state clamped to its state count; -1 when the index is not a section.
int32_t ClampedState(const SkinRegistry& skin, int32_t skinIndex, int32_t state);

}  // namespace velmora::skin
