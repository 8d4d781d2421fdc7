// The skinned push button's state and caption block, and the radio button's layout.
#include <gtest/gtest.h>

#include "skin/controls/button_paint.h"

namespace velmora::skin {
namespace {

TEST(ButtonState, PressedNeedsThePointerOverItWhileTheLeftButtonHoldsIt) {
  EXPECT_EQ(ButtonState({.Pushed = true, .MouseOver = true, .LeftHeldOnIt = true}), kButtonPressed);
  // Dragged off while held: the platform still reports it pushed, the look is not pressed.
  EXPECT_EQ(ButtonState({.Pushed = true, .LeftHeldOnIt = true}), kButtonNormal);
  // Pushed by the keyboard (the left button not held on it).
  EXPECT_EQ(ButtonState({.Pushed = true}), kButtonPressed);
  EXPECT_EQ(ButtonState({.Pushed = true, .LeftHeldOnIt = true, .NoMouseHover = true}),
            kButtonPressed);
  // The release flash paints it pressed after the platform has let go.
  EXPECT_EQ(ButtonState({.GlobalPressed = true, .MouseOver = true}), kButtonPressed);
  EXPECT_EQ(ButtonState({.Down = true}), kButtonPressed);
}

TEST(ButtonState, HotThenDefaultThenNormal) {
  EXPECT_EQ(ButtonState({.CurrentState = 1}), kButtonHot);
  EXPECT_EQ(ButtonState({.IsDefault = true, .CurrentState = 1}), kButtonHot);
  EXPECT_EQ(ButtonState({.IsDefault = true}), kButtonDefault);
  EXPECT_EQ(ButtonState({}), kButtonNormal);
}

TEST(ButtonState, AnIdleDefaultButtonLooksHotInAThreeStateSection) {
  EXPECT_EQ(ButtonSectionState(kButtonDefault, 3), 1);
  EXPECT_EQ(ButtonSectionState(kButtonDefault, 4), 3);
  EXPECT_EQ(ButtonSectionState(kButtonPressed, 2), 1);
  EXPECT_EQ(ButtonSectionState(kButtonPressed, 3), 2);
  EXPECT_EQ(ButtonSectionState(kButtonHot, 1), 0);
}

TEST(ButtonCaption, TheWrappedDefaultsCaptionIsCentredAsABlock) {
  // The 149 x 41 defaults button: a two-line caption 120 wide and 34 high measured within
  // 149 - 2 x 6 = 137 sits (14, 3)-(134, 37).
  EXPECT_EQ(CentredBlock(149, 41, {120, 34}), (Rect{14, 3, 134, 37}));
  EXPECT_EQ(CentredBlock(149, 41, {137, 17}), (Rect{6, 12, 143, 29}));
}

TEST(ButtonCaption, TheFocusFrameSurroundsTheCaptionInsideTheTopAndBottomEdges) {
  // One pixel of focus margin: two more across, one more up and down.
  EXPECT_EQ(ButtonFocusRect({6, 12, 143, 29}, 41, 1), (Rect{4, 11, 145, 30}));
  // The two-line defaults caption reaches the edges: the frame stays 3 pixels inside them.
  EXPECT_EQ(ButtonFocusRect({14, 3, 134, 37}, 41, 1), (Rect{12, 3, 136, 38}));
  EXPECT_EQ(ButtonFocusRect({20, 15, 60, 25}, 41, 3), (Rect{16, 12, 64, 28}));
}

TEST(RadioLayout, GlyphAtTheMarginAndCaptionBesideIt) {
  const RadioLayout layout;  // margin 2, no indent, text right
  // The 77 x 21 wind radio button with a 13 x 13 glyph.
  EXPECT_EQ(RadioGlyphRect(77, 21, {13, 13}, layout), (Rect{2, 4, 15, 17}));
  // a = 77 - 13 - 0 - 4 - 2 = 58; text from 77 - 58 - 2 + 2 = 19, one pixel up.
  EXPECT_EQ(RadioTextWidth(77, {13, 13}, layout), 58);
  EXPECT_EQ(RadioCaptionRect(77, 21, {13, 13}, {40, 17}, layout), (Rect{19, 1, 59, 18}));
  RadioLayout left = layout;
  left.TextRight = false;
  EXPECT_EQ(RadioGlyphRect(77, 21, {13, 13}, left), (Rect{62, 4, 75, 17}));
}

TEST(RadioLayout, AnEmptyCaptionAutoSizesToTheGlyphAndMargins) {
  const RadioLayout layout;
  EXPECT_EQ(RadioAutoSize({13, 13}, {}, false, layout).Width, 13 + 2 * 2);
  EXPECT_EQ(RadioAutoSize({13, 13}, {40, 17}, true, layout).Width, 17 + 40 + 8);
  EXPECT_EQ(RadioAutoSize({13, 13}, {40, 17}, true, layout).Height, 21);
}

TEST(RadioLayout, TheFocusFrameSurroundsTheCaptionFromItsTop) {
  // The wind radio button's caption (19, 1)-(59, 18): two pixels more each side, one below.
  EXPECT_EQ(RadioFocusRect({19, 1, 59, 18}), (Rect{17, 1, 61, 19}));
}

TEST(RadioLayout, AReadOnlyRadioShowsNoHoverInItsGlyph) {
  EXPECT_EQ(RadioGlyphState(false, 1, false), 1);
  EXPECT_EQ(RadioGlyphState(false, 1, true), 0);
  EXPECT_EQ(RadioGlyphState(true, 0, false), 2);
}

}  // namespace
}  // namespace velmora::skin
