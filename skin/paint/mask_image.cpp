#include "skin/data/skin_registry.h"
#include "skin/paint/pixel_view.h"

namespace velmora::skin {

const Image32* MaskImage(const TsMaskData& mask) {
  if (mask.Image) return mask.Image;
  return mask.Owner ? &mask.Owner->MasterImage() : nullptr;
}

}  // namespace velmora::skin
