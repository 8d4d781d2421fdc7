#pragma once
// The frames of a form's show and hide animations: how opaque each frame is and where the image
// lies in it. Pure arithmetic over the frame period of 12 ms.
#include <cstdint>

#include "skin/paint/pixel_view.h"

namespace velmora::skin {

enum class WindowAnimKind { Fading, Aero, DropDown };

// Every form animation steps once per period.
constexpr int32_t kFramePeriodMs = 12;

// Frames of an animation of `timeMs`: 0 below one period, when the image is shown at once.
int32_t FrameCount(int32_t timeMs);

struct AnimFrame {
  uint8_t Alpha = 0;  // the overlay's constant alpha
  Rect Image;         // where the image is stretched to, in the overlay
};

// Frame `index` (0..n) of a show animation of n frames for an image of w x h.
AnimFrame ShowFrame(WindowAnimKind kind, int32_t index, int32_t frames, int32_t finalAlpha,
                    int32_t width, int32_t height);
// Tick `tick` (1..n + 1) of a hide animation of n frames that starts at `startAlpha`.
AnimFrame HideFrame(WindowAnimKind kind, int32_t tick, int32_t frames, int32_t startAlpha,
                    int32_t width, int32_t height);
// Tick `tick` (1..n) of a skin change's fade of n frames: the form's old look, opaque at first,
// fades out over its new one (and, for Aero, shrinks) as a hide from full opacity does.
AnimFrame SkinChangeFrame(WindowAnimKind kind, int32_t tick, int32_t frames, int32_t width,
                          int32_t height);

}  // namespace velmora::skin
