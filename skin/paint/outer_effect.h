#pragma once
#include <cstdint>

#include "skin/data/skin_registry.h"
#include "skin/paint/background_query.h"

namespace velmora::skin {

// A child's side of the outer-effect command: what it knows of itself.
struct OuterEffectChild {
  const SkinRegistry* Skin = nullptr;
  int32_t SkinIndex = -1;
  bool Visible = false;  // its outer effects are not switched off
  Rect Bounds;           // in its parent's client area
};

// Draws the child's outer effect (light outline or shadow) into the parent's image of the query,
// keeping the pixels it covers in outerImage. A query without a bitmap draws nothing.
void PaintOuterEffect(const TacBgQuery& query, const OuterEffectChild& child, Image32& outerImage);

}  // namespace velmora::skin
