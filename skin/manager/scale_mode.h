#pragma once
#include <optional>

#include "skin/data/skin_scale.h"
#include "skin/manager/manager_options.h"

namespace velmora::skin {

// The scale index the user's display setting asks for: from the per-user "AppliedDPI" value,
// 120-143 gives 1, 144-191 gives 2, 192 and more 3; anything else, or no value, 0.
int SystemScaleIndex(std::optional<long long> appliedDpi);

// The scale a skin is read at under a scale mode.
SkinScale ScaleFor(TacScaleMode mode, int systemScaleIndex);

}  // namespace velmora::skin
