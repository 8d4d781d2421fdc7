#pragma once
#include <cstdint>

#include "skin/paint/background_query.h"

namespace velmora::skin {

// How a disabled control is drawn; a set, both may be given.
enum DisabledKind : uint32_t { dkBlended = 1, dkGrayed = 2 };

// Saturation change of the grayed look in the transforms' amount units (-90 percent): a trace
// of colour stays.
inline constexpr int kGrayedSaturation = -90 * 255 / 100;
// What the control's own image keeps of 255 in the blended look.
inline constexpr uint8_t kDisabledImageWeight = 100;

// Where the disabled image sits and what lies behind it: (X, Y) is the control's place in the
// area the parent record describes; the parent control answers its colour when the record holds
// no image and no known fill.
struct DisabledBackdrop {
  TacParentBg Parent;
  int32_t X = 0, Y = 0;
  BackgroundParent* ParentControl = nullptr;
};

// Gives a finished control image its disabled look: grayed (desaturated, key pixels spared),
// then blended with what lies behind it.
void ApplyDisabledLook(const PixelView& image, uint32_t kinds, const DisabledBackdrop& backdrop);

}  // namespace velmora::skin
