#pragma once
// A small painter of the skin's sections and glyphs over pictures of our own, close enough to
// the engine's rules (fill, transparency, borders mask, key-coloured corners) to show the skin on
// its sheet and preview.
#include <string>

#include "skingen/image.h"
#include "skingen/package.h"

namespace skingen {

struct Box {
  int X = 0, Y = 0, W = 0, H = 0;
};

// Paints a section in a state over what `target` holds in the box.
void PaintSection(Image& target, Box box, const StoredSkin& skin, const std::string& section,
                  int state);
// Draws a borders mask named by a section's key over the box, as the section painter does.
void PaintBordersMask(Image& target, Box box, const StoredSkin& skin, const std::string& section,
                      const std::string& key, int state);
// Draws one state's picture of a glyph with its top-left corner at (x, y).
void PaintGlyph(Image& target, int x, int y, const StoredSkin& skin, const std::string& section,
                const std::string& key, int frame);
// Fills the box with the ground texture, tiled from the box's corner.
void PaintGround(Image& target, Box box, const StoredSkin& skin);

// Text in a small block font of our own (capitals, digits, a few signs), `scale` pixels a dot.
void PaintLabel(Image& target, int x, int y, const std::string& text, Rgba colour, int scale = 2);
int LabelWidth(const std::string& text, int scale = 2);

}  // namespace skingen
