#include "skin/controls/button_paint.h"

#include <algorithm>

#include "skin/data/skin_registry.h"
#include "skin/paint/borders_mask.h"

namespace velmora::skin {

int32_t ButtonState(const ButtonFacts& f) {
  const bool pushed = f.Pushed || f.GlobalPressed;
  if ((pushed && (f.MouseOver || !f.LeftHeldOnIt || f.NoMouseHover)) || f.Down)
    return kButtonPressed;
  if (f.CurrentState == 1) return kButtonHot;
  return f.IsDefault ? kButtonDefault : kButtonNormal;
}

int32_t ButtonSectionState(int32_t buttonState, int32_t stateCount) {
  if (buttonState == kButtonDefault && stateCount < 4) return kButtonHot;
  return std::clamp(buttonState, 0, std::max(stateCount - 1, 0));
}

void PaintButtonFace(const PixelView& cache, const SkinRegistry& skin, int32_t sectionIndex,
                     int32_t sectionState, const TacParentBg& parent, const Adjustments& adjust) {
  const PaintTarget target{cache, cache.Bounds(), sectionState, parent};
  PaintSectionBg(target, &skin, sectionIndex, kUnknownFill, -1, -1);
  const int32_t mask = skin.Sections()[size_t(sectionIndex)].BorderIndex;
  if (skin.IsValidMaskIndex(mask)) {
    const TsMaskData& borders = skin.Masks()[size_t(mask)];
    if (sectionState != 0 || !(borders.DrawMode & 2))
      DrawBordersMask(cache, cache.Bounds(), parent, true, sectionState, borders);
  }
  if (adjust) adjust(cache);
}

Rect CentredBlock(int32_t width, int32_t height, Size2 text) {
  const int32_t left = (width - text.Width) / 2, top = (height - text.Height) / 2;
  return {left, top, left + text.Width, top + text.Height};
}

Rect ButtonFocusRect(const Rect& caption, int32_t height, int32_t focusMargin) {
  return {caption.Left - focusMargin - 1, std::max(caption.Top - focusMargin, 3),
          caption.Right + focusMargin + 1, std::min(caption.Bottom + focusMargin, height - 3)};
}

Rect RadioGlyphRect(int32_t width, int32_t height, Size2 glyph, const RadioLayout& layout) {
  const int32_t top = (height - glyph.Height) / 2;
  const int32_t left = layout.TextRight ? layout.Margin : width - glyph.Width - layout.Margin;
  return {left, top, left + glyph.Width, top + glyph.Height};
}

int32_t RadioTextWidth(int32_t width, Size2 glyph, const RadioLayout& layout) {
  return width - glyph.Width - layout.TextIndent - 2 * layout.Margin - 2;
}

Rect RadioCaptionRect(int32_t width, int32_t height, Size2 glyph, Size2 text,
                      const RadioLayout& layout) {
  const int32_t a = RadioTextWidth(width, glyph, layout);
  const int32_t top = std::max((height - text.Height) / 2, layout.Margin);
  Rect r = layout.TextRight
               ? Rect{width - a - layout.Margin + 2, top, width - a - layout.Margin + 2 + text.Width,
                      top + text.Height}
               : Rect{layout.Margin, top, layout.Margin + a, top + text.Height};
  return Offset(r, layout.WordWrap ? -1 : 0, -1);
}

Size2 RadioAutoSize(Size2 glyph, Size2 text, bool hasCaption, const RadioLayout& layout) {
  Size2 size{glyph.Width + 2 * layout.Margin, glyph.Height};
  if (!hasCaption) return size;
  size.Width += text.Width + layout.TextIndent + 8;
  size.Height = std::max(glyph.Height, text.Height + 2 * layout.Margin);
  return size;
}

int32_t RadioGlyphState(bool pressed, int32_t currentState, bool readOnly) {
  if (pressed) return 2;
  return currentState == 1 && !readOnly ? 1 : 0;
}

Rect RadioFocusRect(const Rect& caption) {
  return {caption.Left - 2, caption.Top, caption.Right + 2, caption.Bottom + 1};
}

int32_t AdapterButtonState(const AdapterButtonFacts& f) {
  if (f.Pushed) return kButtonPressed;
  if (!f.Enabled) return kButtonNormal;
  if (f.CurrentState != 0 || f.IsDefault) return kButtonHot;
  return kButtonNormal;
}

int32_t AdapterTextWidthLimit(int32_t width, bool hasCaption) { return hasCaption ? width + 1 : 0; }

Rect AdapterContentRect(int32_t width, int32_t height, Size2 text, bool shifted) {
  const int32_t dx = (width - text.Width) / 2, dy = (height - text.Height) / 2;
  const Rect r{dx - 1, dy, width - dx + 2, height - dy};
  return shifted ? Offset(r, 1, 1) : r;
}

Rect AdapterFocusRect(const Rect& content, int32_t height) {
  return {content.Left - 2, std::max(content.Top - 1, 3), content.Right + 2,
          std::min(content.Bottom + 1, height - 3)};
}

}  // namespace velmora::skin
