#pragma once
#include "skingen/image.h"
#include "skingen/package.h"

namespace skingen {

// One picture of the whole skin for review: the window in every state, every section in every
// state on a neutral ground and on the window's ground, every glyph at 4x with its frames, the
// palette and the measured text contrast.
Image RenderSkinSheet(const StoredSkin& skin);

}  // namespace skingen
