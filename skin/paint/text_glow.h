#pragma once
#include <cstdint>
#include <string>

#include "skin/paint/blur.h"
#include "skin/paint/pixel_view.h"

namespace velmora::skin {

// Which one-pixel copies of the text widen the halo.
enum GlowDirection : uint32_t {
  kGlowLeft = 1,
  kGlowUp = 2,
  kGlowRight = 4,
  kGlowDown = 8,
  kGlowAll = 15
};

// Everything a glow mask depends on. The font is the platform's description of it, so a holder
// never serves a glow drawn in another font, even one of the same size.
struct TextGlowKey {
  std::wstring Text;
  std::string Font;
  int32_t Width = 0, Height = 0, Radius = 0;
  uint32_t Directions = 0, Format = 0;
  bool operator==(const TextGlowKey&) const = default;
};

// Keeps a blurred glow mask between paints of the same text; drawing or blurring again happens
// only when the key changes.
struct TextGlowHolder {
  TextGlowKey Key;
  Gray8 Mask;
  bool Holds(const TextGlowKey& key) const { return !Mask.Pixels.empty() && Key == key; }
};

// The area a glow mask covers: the text rectangle moved one pixel right and down, enlarged by the
// radius plus 4 on every side. The text itself lies at (radius + 4, radius + 4) of the mask.
Rect GlowMaskRect(const Rect& textRect, int32_t radius);
inline int32_t GlowMargin(int32_t radius) { return radius + 4; }

// Turns a mask holding the text (0) on background (255) into the halo: copies moved one pixel
// for each direction bit, then the blur by the radius.
void SpreadAndBlur(Gray8& mask, uint32_t directions, int32_t radius);

// Lays the halo over the destination with the mask's top-left at (x, y): each mask value v below
// 255 covers by 255 - v in the colour, and raises the alpha by as much. Only pixels inside the
// clip rectangle are touched, so a caption's halo stays within the caption's own rectangle.
void ComposeGlow(const PixelView& dest, const Gray8& mask, int32_t x, int32_t y, uint32_t colour,
                 const Rect& clip);

}  // namespace velmora::skin
