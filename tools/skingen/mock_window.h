#pragma once
#include "skingen/image.h"
#include "skingen/package.h"

namespace skingen {

// The main window in miniature as the skin draws it: frame, title band with caption and title
// buttons, and a row of each control kind, over `backdrop` (which shows at the cut corners).
// States: 0 normal, 1 hot, 2 pressed, applied to every control at once.
Image RenderMockWindow(const StoredSkin& skin, int width, int height, bool active, int state,
                       Rgba backdrop);

// The tray icon's popup menu as the skin draws it: two items, the second selected, and between
// them a separator, with a check mark on the first.
Image RenderMockMenu(const StoredSkin& skin, Rgba backdrop);

// Halves a picture with a 2 x 2 box filter.
Image HalfSize(const Image& image);

}  // namespace skingen
