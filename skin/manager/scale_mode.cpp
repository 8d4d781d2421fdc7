#include "skin/manager/scale_mode.h"

namespace velmora::skin {

int SystemScaleIndex(std::optional<long long> appliedDpi) {
  if (!appliedDpi) return 0;
  const long long dpi = *appliedDpi;
  if (dpi >= 192) return 3;
  if (dpi >= 144) return 2;
  if (dpi >= 120) return 1;
  return 0;
}

SkinScale ScaleFor(TacScaleMode mode, int systemScaleIndex) {
  switch (mode) {
    case TacScaleMode::smOldMode:
      return SkinScale{0, true};
    case TacScaleMode::smAuto:
      return SkinScale{systemScaleIndex, false};
    default:
      return SkinScale{int(mode), false};
  }
}

}  // namespace velmora::skin
