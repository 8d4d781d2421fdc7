#pragma once
// The skinned push button's and radio button's states and layout, and the button's face.
#include <cstdint>

#include "skin/paint/parent_background.h"
#include "skin/paint/section_paint.h"

namespace velmora::skin {

class SkinRegistry;

// What decides a push button's state at the moment of painting.
struct ButtonFacts {
  bool Pushed = false;         // the platform reports the button pushed
  bool GlobalPressed = false;  // the engine paints every button pressed (the release flash)
  bool MouseOver = false;
  bool LeftHeldOnIt = false;   // the left button was pressed on this button and is still down
  bool NoMouseHover = false;
  bool Down = false;
  bool IsDefault = false;
  int32_t CurrentState = 0;    // of the skin data: 1 for mouse over or focus
};

enum ButtonStateNumber : int32_t { kButtonNormal = 0, kButtonHot = 1, kButtonPressed = 2,
                                   kButtonDefault = 3 };

int32_t ButtonState(const ButtonFacts& facts);
// The section state painted for a button state: a section without a fourth state shows the idle
// default button hot.
int32_t ButtonSectionState(int32_t buttonState, int32_t stateCount);

// The section's background layers for the state, then its borders mask over the whole control
// unless the mask is drawn only for active states.
void PaintButtonFace(const PixelView& cache, const SkinRegistry& skin, int32_t sectionIndex,
                     int32_t sectionState, const TacParentBg& parent, const Adjustments& adjust);

struct Size2 {
  int32_t Width = 0, Height = 0;
};
// A measured caption block centred in the control.
Rect CentredBlock(int32_t width, int32_t height, Size2 text);
// The skinned button's focus frame: the caption enlarged by the focus margin and one more
// pixel across, by the margin up and down, kept 3 pixels inside the top and bottom edges.
Rect ButtonFocusRect(const Rect& caption, int32_t height, int32_t focusMargin);

// The radio button's glyph and caption places.
struct RadioLayout {
  int32_t Margin = 2, TextIndent = 0;
  bool TextRight = true, WordWrap = false;
};
Rect RadioGlyphRect(int32_t width, int32_t height, Size2 glyph, const RadioLayout& layout);
// The width captions are measured in.
int32_t RadioTextWidth(int32_t width, Size2 glyph, const RadioLayout& layout);
Rect RadioCaptionRect(int32_t width, int32_t height, Size2 glyph, Size2 text,
                      const RadioLayout& layout);
// Auto size; an empty caption has text size 0 x 0.
Size2 RadioAutoSize(Size2 glyph, Size2 text, bool hasCaption, const RadioLayout& layout);
int32_t RadioGlyphState(bool pressed, int32_t currentState, bool readOnly);
// The radio button's focus frame: its caption, a pixel lower at the top, two wider each side,
// one higher and lower.
Rect RadioFocusRect(const Rect& caption);

// A standard push button under an adapter: pressed while the platform reports it pushed, hot
// while hovered or focused, and a default push button hot while idle.
struct AdapterButtonFacts {
  bool Pushed = false;
  bool Enabled = true;
  bool IsDefault = false;
  int32_t CurrentState = 0;  // of the skin data
};
int32_t AdapterButtonState(const AdapterButtonFacts& facts);
// The width the caption is measured in: 0 without caption, else the whole width and one.
int32_t AdapterTextWidthLimit(int32_t width, bool hasCaption);
// The measured caption centred, one pixel more room on the left and two on the right; pressed
// content moves a pixel right and down.
Rect AdapterContentRect(int32_t width, int32_t height, Size2 text, bool shifted);
// The focus frame around the content: two pixels wider, one higher, kept 3 pixels inside the
// top and bottom edges.
Rect AdapterFocusRect(const Rect& content, int32_t height);

}  // namespace velmora::skin
