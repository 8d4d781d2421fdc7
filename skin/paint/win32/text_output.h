#pragma once
#include <windows.h>

#include <cstdint>
#include <string>
#include <string_view>

#include "skin/paint/text_glow.h"
#include "skin/paint/text_plan.h"

namespace velmora::skin {

// Where text goes. With pixels (a cache image, or any 32-bit image) text is laid into them with
// opaque glyph pixels; without, it goes to the device context through the platform's text output.
// The font is Font, else the context's selected one, else the default interface font.
struct TextCanvas {
  PixelView Pixels;
  HDC Dc = nullptr;
  HFONT Font = nullptr;
  uint32_t FontColour = 0;  // the canvas's own text colour, 0x00BBGGRR
};

// Anti-aliased text in one colour into the canvas's pixels: the platform draws it black on white
// into a temporary, whose coverage then lays the colour over the pixels (opaque where glyphs are).
void DrawText32(const TextCanvas& canvas, std::wstring_view text, bool premultiplied,
                uint32_t colour, UINT format, const Rect& rect);

// A blurred halo of the text in the colour, kept in the holder for repeated paints of the same
// text, font, size, radius, directions and format; laid only inside the clip rectangle.
void DrawTextGlow(const TextCanvas& canvas, std::wstring_view text, const Rect& rect,
                  TextGlowHolder& holder, uint32_t colour, int32_t radius, uint32_t directions,
                  UINT format, const Rect& clip);

// Text in the contour and font colours of a section state, into the canvas's pixels.
void DrawSectionText32(const TextCanvas& canvas, std::wstring_view text, bool contour,
                       const SkinRegistry* skin, int32_t state, int32_t skinIndex, UINT format,
                       const Rect& rect);

// Text in a section state's colours, engraved-looking grey-blended when disabled.
void DrawSectionText(const TextCanvas& canvas, std::wstring_view text, bool enabled,
                     const SkinRegistry* skin, int32_t state, int32_t skinIndex, UINT format,
                     const Rect& rect);

// A control's caption in its section's colours, with its glow, underlined for web buttons.
void DrawControlText(const TextCanvas& canvas, std::wstring_view text, bool enabled, int32_t state,
                     const ControlTextSource& control, UINT format, const Rect& rect);

}  // namespace velmora::skin
