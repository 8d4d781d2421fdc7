#pragma once
#include "skin/data/image32.h"
#include "skin/data/mask_data.h"
#include "skin/data/skin_common_data.h"

namespace velmora::skin {

// The engine's built-in 19 x 19 blur mask: a per-channel mask layer, 0 where the shadow is
// full and 255 where nothing shows.
Image32 Blur5();

// The image of an outer effect made from its colours over Blur5 (upper half picture, lower half
// mask), and the mask over it; widths of the description that are -1 become half of Blur5.
struct GeneratedOuterMask {
  Image32 Image;
  TsMaskData Mask;
};
GeneratedOuterMask MakeOuterEffectMask(OuterEffectData& effect);

}  // namespace velmora::skin
