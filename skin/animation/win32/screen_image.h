#pragma once
// What the screen shows in a rectangle, as an opaque image: the look of a window the engine
// animates, its controls included, taken while it still shows.
#include <windows.h>

#include "skin/data/image32.h"

namespace velmora::skin {

// Empty when the rectangle is empty or the platform cannot read it.
Image32 ScreenImage(const RECT& area);

}  // namespace velmora::skin
