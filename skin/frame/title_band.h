#pragma once
// The title buttons in the frame image, and the strip behind them that lets one button be
// redrawn alone when its state changes.
#include <cstdint>

#include "skin/data/image32.h"
#include "skin/frame/title_buttons.h"

namespace velmora::skin {

// The top-right strip behind the buttons, with some room to spare, in window coordinates.
Rect ButtonsBackgroundRect(const TitleLayout& layout, const TitleMetrics& metrics);

// The buttons background: a copy of the frame image under the strip, and where it was taken.
struct ButtonsBackground {
  Image32 Pixels;
  Rect At{};
  bool Empty() const { return Pixels.Empty(); }
};
ButtonsBackground SaveButtonsBackground(const SourceView& frame, const Rect& strip);

// One button in its state; faded when it rests (or cannot react) on an inactive title or a
// disabled form. A slot the skin has no picture for draws nothing.
void DrawTitleButton(const PixelView& frame, const SkinRegistry& skin, const TsTitleButton& button,
                     bool titleActive, bool formEnabled);
// Every shown button.
void DrawTitleButtons(const PixelView& frame, const SkinRegistry& skin, const TitleButtons& buttons,
                      bool titleActive, bool formEnabled);
// The button's place gets the saved background back, then the button in its present state.
void RedrawTitleButton(const PixelView& frame, const ButtonsBackground& background,
                       const SkinRegistry& skin, const TsTitleButton& button, bool titleActive,
                       bool formEnabled);

// Pixels the platform changed while drawing the icon (saved holds what lay there before) become
// opaque: the icon drawing leaves alpha as it found it.
void OpaqueChangedPixels(const PixelView& frame, const SourceView& saved, const Rect& area);

}  // namespace velmora::skin
