// The combo box's button place and state, its button, the ground of its items and the drop-down
// list's frame, pixel by pixel over skins loaded as the program loads them.
#include <gtest/gtest.h>

#include "skin/controls/combo_paint.h"
#include "skin/paint/colour.h"
#include "tests/skin/paint/loaded_skin.h"
#include "tests/skin/paint/pixels.h"

namespace velmora::skin {
namespace {

using test::Bgra;
using test::Filled;
using test::LoadedSkin;

// Colour values 0x00BBGGRR and the opaque pixels they become.
constexpr uint32_t kEdit = 0x00302010, kEditHot = 0x00403020, kSelection = 0x00906030,
                   kButton2 = 0x00204060, kArrow2 = 0x0000C0E0, kHighlight = 0x00123456;
uint32_t Opaque(uint32_t colour) { return Swap(colour) | 0xFF000000u; }

std::string Sections(int editStates, bool selection, bool button) {
  std::string s = "[EDIT]\r\nSTATES=" + std::to_string(editStates) +
                  "\r\nCOLOR=" + std::to_string(kEdit) + "\r\nHOTCOLOR=" +
                  std::to_string(kEditHot) + "\r\n";
  if (selection)
    s += "[SELECTION]\r\nSTATES=2\r\nCOLOR=1\r\nHOTCOLOR=" + std::to_string(kSelection) + "\r\n";
  if (button)
    s += "[COMBOBTN]\r\nSTATES=3\r\nUSESTATE2=1\r\nCOLOR=5\r\nHOTCOLOR=6\r\nCOLOR2=" +
         std::to_string(kButton2) + "\r\nFONTCOLOR2=" + std::to_string(kArrow2) + "\r\n";
  // Without SELECTION the focused highlight comes from the menu item's hot colour.
  return s + "[MENUITEM]\r\nSTATES=2\r\nHOTCOLOR=" + std::to_string(kHighlight) +
         "\r\nHOTFONTCOLOR=255\r\n";
}

LoadedSkin Skin(const std::string& sections) { return LoadedSkin(sections, Filled(4, 4, 0)); }

TEST(ComboButton, WithoutAComboMarginTheButtonSitsTwoPixelsIn) {
  const LoadedSkin plain = Skin(Sections(2, true, true));
  const int32_t margin = plain.registry->CommonData().ComboMargin;
  EXPECT_EQ(margin, 2);
  // A 144 x 23 combo with 17-pixel scroll bars: the button is 18 wide, 2 from the right edge.
  EXPECT_EQ(ComboButtonRect(144, 23, 17, margin, false), (Rect{124, 2, 142, 21}));
  EXPECT_EQ(ComboButtonRect(144, 23, 17, margin, true), (Rect{2, 2, 20, 21}));
  // GLOBALINFO's own value (the sections text continues GLOBALINFO until the first header).
  const LoadedSkin wide = Skin("COMBOMARGIN=4\r\n" + Sections(2, true, true));
  EXPECT_EQ(ComboButtonRect(144, 23, 17, wide.registry->CommonData().ComboMargin, false),
            (Rect{122, 4, 140, 19}));
}

TEST(ComboButton, PressedExactlyWhileTheListShows) {
  EXPECT_EQ(ComboButtonState(true, 0, false), 2);
  EXPECT_EQ(ComboButtonState(true, 1, true), 2);
  EXPECT_EQ(ComboButtonState(false, 1, false), 1);
  EXPECT_EQ(ComboButtonState(false, 0, true), 1);
  EXPECT_EQ(ComboButtonState(false, 0, false), 0);
}

TEST(ComboButton, TheSectionInItsStateWithADownArrowInItsFontColour) {
  const LoadedSkin skin = Skin(Sections(2, true, true));
  Image32 image = Filled(40, 20, Bgra(1, 2, 3, 255));
  const Rect button{20, 2, 38, 18};  // 18 x 16
  PaintComboButton(PixelRows(image), *skin.registry, button, 2);
  EXPECT_EQ(image.At(19, 10), Bgra(1, 2, 3, 255)) << "left of the button: untouched";
  EXPECT_EQ(image.At(20, 2), Opaque(kButton2));
  EXPECT_EQ(image.At(37, 17), Opaque(kButton2));
  // The 7 x 4 arrow box centred: x = 20 + (18 - 7) / 2 = 25, y = 2 + (16 - 4) / 2 = 8; its rows
  // hold 7, 5, 3 and 1 pixels around column 28. The arrow's alpha is the colour value's top byte.
  const uint32_t arrow = Swap(kArrow2);
  for (int x = 25; x < 32; ++x) EXPECT_EQ(image.At(x, 8), arrow) << x;
  EXPECT_EQ(image.At(24, 8), Opaque(kButton2));
  EXPECT_EQ(image.At(26, 9), arrow);
  EXPECT_EQ(image.At(25, 9), Opaque(kButton2));
  EXPECT_EQ(image.At(28, 11), arrow);
  EXPECT_EQ(image.At(27, 11), Opaque(kButton2));
}

TEST(ComboButton, WithoutTheSectionOnlyABlackArrowOverTheFrame) {
  const LoadedSkin skin = Skin(Sections(2, true, false));
  Image32 image = Filled(40, 20, Bgra(1, 2, 3, 255));
  PaintComboButton(PixelRows(image), *skin.registry, {20, 2, 38, 18}, 1);
  EXPECT_EQ(image.At(20, 2), Bgra(1, 2, 3, 255));
  EXPECT_EQ(image.At(25, 8), 0u);
}

class ComboItems : public ::testing::Test {
 protected:
  ItemText Paint(const LoadedSkin& skin, ComboItem item) {
    return PaintComboItem(PixelRows(image), *skin.registry, skin.Index("EDIT"), item,
                          PixelRows(frame));
  }
  Image32 image = Filled(30, 40, Bgra(9, 9, 9, 255));
  Image32 frame = Filled(30, 40, Bgra(7, 7, 7, 255));
};

TEST_F(ComboItems, ListRowsOnTheHotEditColourOfATwoStateSection) {
  const LoadedSkin skin = Skin(Sections(2, true, true));
  const ItemText text = Paint(skin, {.R = {0, 17, 30, 34}});
  EXPECT_EQ(image.At(0, 17), Opaque(kEditHot));
  EXPECT_EQ(image.At(29, 33), Opaque(kEditHot));
  EXPECT_EQ(image.At(0, 16), Bgra(9, 9, 9, 255));
  EXPECT_EQ(image.At(0, 34), Bgra(9, 9, 9, 255));
  EXPECT_EQ(text.SelectionState, 1);
}

TEST_F(ComboItems, AOneStateEditSectionAlwaysUsesStateZero) {
  const LoadedSkin skin = Skin(Sections(1, true, true));
  EXPECT_EQ(Paint(skin, {.R = {0, 0, 30, 17}}).SelectionState, 0);
  EXPECT_EQ(image.At(3, 3), Opaque(kEdit));
  EXPECT_EQ(Paint(skin, {.R = {2, 2, 28, 19}, .EditField = true, .Hot = true}).SelectionState, 0);
}

TEST_F(ComboItems, TheEditFieldShowsTheFrameCacheAndIsLitOnlyWhenHot) {
  const LoadedSkin skin = Skin(Sections(2, true, true));
  EXPECT_EQ(Paint(skin, {.R = {3, 3, 20, 19}, .EditField = true}).SelectionState, 0);
  EXPECT_EQ(image.At(3, 3), Bgra(7, 7, 7, 255));
  EXPECT_EQ(image.At(2, 3), Bgra(9, 9, 9, 255));
  EXPECT_EQ(Paint(skin, {.R = {3, 3, 20, 19}, .EditField = true, .Hot = true}).SelectionState, 1);
}

TEST_F(ComboItems, ASelectedItemLiesOnTheSelectionSectionInStateOne) {
  const LoadedSkin skin = Skin(Sections(2, true, true));
  EXPECT_EQ(Paint(skin, {.R = {0, 17, 30, 34}, .Selected = true}).SelectionState, 1);
  EXPECT_EQ(image.At(0, 17), Opaque(kSelection));
  EXPECT_EQ(image.At(29, 33), Opaque(kSelection));
}

TEST_F(ComboItems, WithoutASelectionSectionTheHighlightColours) {
  const LoadedSkin skin = Skin(Sections(2, false, true));
  const ItemText text = Paint(skin, {.R = {0, 0, 30, 17}, .Selected = true});
  EXPECT_EQ(image.At(5, 5), Opaque(kHighlight));
  EXPECT_EQ(text.SelectionState, -1);
  EXPECT_EQ(text.FontColour, 255u);
  // Not selected: the edit section's font colour of the row's state.
  EXPECT_EQ(Paint(skin, {.R = {0, 17, 30, 34}}).SelectionState, -1);
}

TEST(ListFrame, OnePixelOfBorderColourRoundTheEditColour) {
  Image32 cache = Filled(6, 5, 0);
  PaintListFrame(PixelRows(cache), kEdit, kButton2);
  for (int x = 0; x < 6; ++x) {
    EXPECT_EQ(cache.At(x, 0), Opaque(kButton2));
    EXPECT_EQ(cache.At(x, 4), Opaque(kButton2));
  }
  for (int y = 0; y < 5; ++y) {
    EXPECT_EQ(cache.At(0, y), Opaque(kButton2));
    EXPECT_EQ(cache.At(5, y), Opaque(kButton2));
  }
  EXPECT_EQ(cache.At(1, 1), Opaque(kEdit));
  EXPECT_EQ(cache.At(4, 3), Opaque(kEdit));
}

}  // namespace
}  // namespace velmora::skin
