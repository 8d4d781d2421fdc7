#include "skin/controls/check_box_layout.h"

#include <algorithm>

namespace velmora::skin {

int32_t CheckedState(uint32_t buttonState) {
  if (buttonState & kStateIndeterminate) return 2;
  return (buttonState & kStateChecked) ? 1 : 0;
}

bool RadioStyle(uint32_t style) {
  const uint32_t type = style & kStyleTypeMask;
  return type == kStyleRadio || type == kStyleAutoRadio;
}

int32_t CheckGlyphMask(const TConstantSkinData& indexes, uint32_t style, int32_t checked) {
  if (RadioStyle(style)) return indexes.RadioGlyphs[checked == 1 ? 1 : 0];
  return indexes.CheckGlyphs[size_t(std::clamp(checked, 0, 2))];
}

int32_t CheckGlyphState(uint32_t buttonState, bool hovered, bool noMouseHover) {
  if (buttonState & kStatePushed) return 2;
  if (noMouseHover) return 0;
  return (buttonState & kStateFocus) || hovered ? 1 : 0;
}

Rect CheckGlyphRect(int32_t width, int32_t height, Size2 glyph, uint32_t style) {
  const int32_t top = (height - glyph.Height) / 2;
  const int32_t left = (style & kStyleLeftText) ? width - glyph.Width : 0;
  return {left, top, left + glyph.Width, top + glyph.Height};
}

int32_t CheckTextWidth(int32_t width, int32_t glyphWidth) { return width - glyphWidth - 2; }

CaptionPlace CheckCaptionPlace(int32_t width, int32_t height, int32_t glyphWidth, Size2 text,
                               uint32_t style, uint32_t exStyle) {
  const bool multiLine = (style & kStyleMultiLine) != 0;
  const int32_t top = std::max(0, (height - text.Height) / 2), bottom = height - top;
  if (!(style & kStyleLeftText)) {
    const int32_t left = glyphWidth + 4;
    return {Offset({left, top, left + text.Width, bottom}, multiLine ? -1 : 0, -1), 0};
  }
  if (exStyle & kExStyleRtlReading) {
    const int32_t right = width - glyphWidth - 6;
    return {{right - text.Width, top, right, bottom},
            kFormatRtlReading | (multiLine ? 0 : kFormatRight)};
  }
  return {{2, top, text.Width + 2, bottom}, 0};
}

Rect CheckFocusRect(const Rect& caption) {
  return {caption.Left - 2, caption.Top, caption.Right + 2, caption.Bottom};
}

}  // namespace velmora::skin
