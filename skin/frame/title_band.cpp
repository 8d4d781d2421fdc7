#include "skin/frame/title_band.h"

#include "skin/paint/blend.h"
#include "skin/paint/glyph.h"

namespace velmora::skin {

Rect ButtonsBackgroundRect(const TitleLayout& layout, const TitleMetrics& m) {
  const int32_t right = m.Width - 1;
  return {std::max(0, right - (m.Border + layout.ButtonsWidth + 10)), 0, std::max(0, right),
          layout.TitleBottom};
}

ButtonsBackground SaveButtonsBackground(const SourceView& frame, const Rect& strip) {
  ButtonsBackground saved;
  saved.At = Intersect(strip, frame.Bounds());
  if (IsEmpty(saved.At)) return saved;
  saved.Pixels = MakeImage(saved.At.Width(), saved.At.Height());
  BlockCopy(PixelRows(saved.Pixels), 0, 0, frame, saved.At);
  return saved;
}

void DrawTitleButton(const PixelView& frame, const SkinRegistry& skin, const TsTitleButton& button,
                     bool titleActive, bool formEnabled) {
  const TsMaskData* mask = TitleButtonMask(skin, button.MaskSlot);
  if (!mask || IsEmpty(button.Rect)) return;
  const int32_t picture = button.Disabled ? 0 : button.State;
  const bool resting = button.State == 0 || button.Disabled;
  const int kind = resting && (!titleActive || !formEnabled) ? kGlyphFaded : kGlyphNormal;
  DrawGlyph(frame, button.Rect.Left, button.Rect.Top, picture, ParentFromBitmap(frame, 0, 0), *mask,
            kind);
}

void DrawTitleButtons(const PixelView& frame, const SkinRegistry& skin, const TitleButtons& buttons,
                      bool titleActive, bool formEnabled) {
  for (const TsTitleButton& b : buttons) DrawTitleButton(frame, skin, b, titleActive, formEnabled);
}

void RedrawTitleButton(const PixelView& frame, const ButtonsBackground& background,
                       const SkinRegistry& skin, const TsTitleButton& button, bool titleActive,
                       bool formEnabled) {
  const Rect place = Intersect(button.Rect, background.At);
  if (!background.Empty() && !IsEmpty(place))
    BlockCopy(frame, place.Left, place.Top, PixelRows(background.Pixels),
              Offset(place, -background.At.Left, -background.At.Top));
  DrawTitleButton(frame, skin, button, titleActive, formEnabled);
}

void OpaqueChangedPixels(const PixelView& frame, const SourceView& saved, const Rect& area) {
  const Rect r = Intersect(area, frame.Bounds());
  for (int32_t y = r.Top; y < r.Bottom; ++y)
    for (int32_t x = r.Left; x < r.Right; ++x) {
      uint32_t& pixel = frame.At(x, y);
      if (saved.Contains(x - area.Left, y - area.Top) &&
          pixel != saved.At(x - area.Left, y - area.Top))
        pixel |= 0xFF000000u;
    }
}

}  // namespace velmora::skin
