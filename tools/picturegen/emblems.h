#pragma once
#include "picturegen/canvas.h"

namespace picturegen {

// The program's icon: a fir tree and a bush on a round night-sky disc.
Canvas RenderProgramIcon(int size);
// The tray picture: a fir tree and a bush on a clear ground, crossed out in red when the sound
// is off.
Canvas RenderTrayPicture(int size, bool crossedOut);

}  // namespace picturegen
