#pragma once
#include "picturegen/canvas.h"

namespace picturegen {

// A dark, photograph-like picture of green fern fronds: layers of fronds grown by an iterated
// function system, lit from the upper left, the farther layers darker and more out of focus.
Canvas RenderFerns(int width, int height);

}  // namespace picturegen
