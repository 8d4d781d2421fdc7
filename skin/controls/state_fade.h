#pragma once
// The change of a control's image to its new state: cross-faded from the old image over a few
// 12 ms steps of the control's fade timer when animation is allowed, else repainted at once.
#include <cstdint>
#include <functional>

#include "skin/controls/common_data.h"

namespace velmora::skin {

// Called at each step of a transition with the step index; answers whether to continue.
using FadeStep = std::function<bool(TsCommonData&, int32_t)>;

inline constexpr uint32_t kFadeStepMs = 12;

// Whether a change of state would be faded now rather than painted at once.
bool StateFadePossible(const TsCommonData& data);
void StartStateFade(TsCommonData& data, int32_t targetKind, const FadeStep& step, bool showGlow,
                    bool fast, bool animate);

// How a fade runs from where the control's last one left it.
struct FadeFrom {
  double Value = 0;  // clamped to 0..255
  int32_t Kind = kFadeToNormal;
  int32_t PreviousKind = kFadeIdle;
  bool Fast = false;
  bool HasWork = false;  // the image of the previous fade's last step is kept
  int32_t Reached = 0;   // the step index the previous fade reached
};
struct FadePlan {
  int32_t Count = 0;  // the step index of the last planned step
  int32_t First = 0;  // the step index of the first
  double Delta = 0;
};
FadePlan PlanStateFade(const FadeFrom& from);

// One step's image: the old image with the new one blended in, the old one keeping `weight`.
void MixFadeImages(Image32& work, const Image32& old, const Image32& fresh, uint8_t weight);

}  // namespace velmora::skin
