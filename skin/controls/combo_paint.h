#pragma once
// What the combo box and edit adapters paint: the combo's button, the ground of its items and of
// its edit field, and the drop-down list's frame. The platform adds the text.
#include <cstdint>

#include "skin/data/skin_registry.h"
#include "skin/paint/parent_background.h"

namespace velmora::skin {

inline constexpr int kSelectionSlot = 15;  // "SELECTION" among the skin's common sections

// The button: the scroll width + 1 wide, `margin` in from the top, the bottom and the right edge
// (the left one for right-to-left reading).
Rect ComboButtonRect(int32_t width, int32_t height, int32_t scrollWidth, int32_t margin,
                     bool rightToLeft);

// 2 exactly while the drop-down list shows; else 1 when hot or under the pointer; else 0.
int32_t ComboButtonState(bool listShown, int32_t currentState, bool mouseOver);

// The "COMBOBTN" section over `button` of `image` (a copy of the frame cache, which stands behind
// it), then its glyph, or a down arrow in the section's font colour.
void PaintComboButton(const PixelView& image, const SkinRegistry& skin, const Rect& button,
                      int32_t state);

// One owner-drawn item: a row of the list, or the combo's edit field.
struct ComboItem {
  Rect R;                  // in the item bitmap, whose origin is the combo's (or list's) client
  bool EditField = false;
  bool Selected = false;
  bool Hot = false;        // the edit field's control is hot or focused
};

// How the item's text goes: in the "SELECTION" section's state, or plainly in a colour.
struct ItemText {
  int32_t SelectionState = -1;  // -1: no SELECTION section, draw in FontColour
  uint32_t FontColour = 0;      // colour value
};

// The item's ground: selected on "SELECTION" in state 1 (or the focused highlight colour), the
// edit field over the frame cache, a list row on the edit section's colour of state k (1 when the
// section has two states and the item is lit).
ItemText PaintComboItem(const PixelView& image, const SkinRegistry& skin, int32_t editIndex,
                        const ComboItem& item, const SourceView& frameCache);

// The drop-down list's frame cache: `back` with a one-pixel outline of `border` (colour values).
void PaintListFrame(const PixelView& cache, uint32_t back, uint32_t border);

}  // namespace velmora::skin
