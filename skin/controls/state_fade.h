#pragma once
// The change of a control's image to its new state. Transitions are not animated yet: every call
// takes the path the animation takes when it is off.
#include <cstdint>
#include <functional>

#include "skin/controls/common_data.h"

namespace velmora::skin {

// Called at each step of a transition with the step index; answers whether to continue.
using FadeStep = std::function<bool(TsCommonData&, int32_t)>;

enum FadeKind : int32_t { kFadeToNormal = 0, kFadeToHot = 1, kFadeToPressed = 2 };

void StartStateFade(TsCommonData& data, int32_t targetKind, const FadeStep& step, bool showGlow,
                    bool fast, bool animate);

}  // namespace velmora::skin
