#pragma once
// Where a standard check box or radio button puts its glyph and caption, and which glyph picture
// it shows, from the platform's button style and state.
#include <cstdint>

#include "skin/controls/button_paint.h"
#include "skin/data/constant_indexes.h"
#include "skin/paint/pixel_view.h"

namespace velmora::skin {

// The platform's button style and state bits the adapter reads.
inline constexpr uint32_t kStyleTypeMask = 0xF, kStyleRadio = 4, kStyleAutoRadio = 9,
                          kStyleOwnerDraw = 0xB, kStyleLeftText = 0x20, kStyleMultiLine = 0x2000;
inline constexpr uint32_t kStateChecked = 0x1, kStateIndeterminate = 0x2, kStatePushed = 0x4,
                          kStateFocus = 0x8;
inline constexpr uint32_t kExStyleRtlReading = 0x2000;

// 0 unchecked, 1 checked, 2 indeterminate.
int32_t CheckedState(uint32_t buttonState);
bool RadioStyle(uint32_t style);
// The glyph mask for the style and checked state: the radio glyphs for radio styles, the check
// box glyphs (unchecked, checked, grayed) for every other.
int32_t CheckGlyphMask(const TConstantSkinData& indexes, uint32_t style, int32_t checked);
// The glyph picture: pressed, then (unless hover is off) hot for focus or the pointer over it.
int32_t CheckGlyphState(uint32_t buttonState, bool hovered, bool noMouseHover);
// Vertically centred, at the left edge, or at the right edge with the left-text style.
Rect CheckGlyphRect(int32_t width, int32_t height, Size2 glyph, uint32_t style);

// The caption's rectangle and the text format flags beyond word-break or single-line.
struct CaptionPlace {
  Rect Place;
  uint32_t Format = 0;
};
inline constexpr uint32_t kFormatRight = 0x2, kFormatRtlReading = 0x20000;
// The width captions are measured in.
int32_t CheckTextWidth(int32_t width, int32_t glyphWidth);
CaptionPlace CheckCaptionPlace(int32_t width, int32_t height, int32_t glyphWidth, Size2 text,
                               uint32_t style, uint32_t exStyle);
// The focus frame around a caption: two pixels wider on both sides.
Rect CheckFocusRect(const Rect& caption);

}  // namespace velmora::skin
