#pragma once
#include "skingen/image.h"

namespace skingen {

// The window's ground: deep green with a fine vertical grain and a faint mottling, seamless in
// both directions so that it tiles without a visible repeat. Same size, same pixels.
Image RenderGroundTexture(int width, int height);

}  // namespace skingen
