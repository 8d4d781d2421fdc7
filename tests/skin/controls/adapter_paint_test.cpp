// Standard controls under adapters: the check box's glyph choice and layout, the push button's
// state and content place, the panel's section, and the cache image composed over what lies
// behind the window, dimmed when disabled.
#include <gtest/gtest.h>

#include "skin/controls/adapter_paint.h"
#include "skin/controls/check_box_layout.h"
#include "skin/controls/panel_look.h"
#include "tests/skin/paint/loaded_skin.h"
#include "tests/skin/paint/pixels.h"

namespace velmora::skin {
namespace {

using test::Bgra;

constexpr uint32_t kCheckBox = 2, kAutoCheckBox = 3, kThreeState = 5, kAutoThreeState = 6;

TConstantSkinData Glyphs() {
  TConstantSkinData indexes;
  indexes.CheckGlyphs = {10, 11, 12};
  indexes.RadioGlyphs = {20, 21};
  return indexes;
}

TEST(CheckBoxGlyph, RadioStylesTakeTheRadioGlyphAndTheRestTheCheckGlyph) {
  const TConstantSkinData indexes = Glyphs();
  EXPECT_EQ(CheckGlyphMask(indexes, kStyleAutoRadio, 1), 21);
  EXPECT_EQ(CheckGlyphMask(indexes, kStyleAutoRadio, 0), 20);
  EXPECT_EQ(CheckGlyphMask(indexes, kStyleRadio | kStyleLeftText, 1), 21);
  EXPECT_EQ(CheckGlyphMask(indexes, kCheckBox, 1), 11);
  // Three-state boxes show the grayed glyph when indeterminate.
  EXPECT_EQ(CheckGlyphMask(indexes, kThreeState, CheckedState(kStateIndeterminate)), 12);
  EXPECT_EQ(CheckGlyphMask(indexes, kAutoThreeState, CheckedState(kStateIndeterminate)), 12);
  EXPECT_EQ(CheckGlyphMask(indexes, kAutoCheckBox, CheckedState(0)), 10);
}

TEST(CheckBoxGlyph, CheckedStateAndPictureFromThePlatformsState) {
  EXPECT_EQ(CheckedState(kStateIndeterminate | kStateChecked), 2);
  EXPECT_EQ(CheckedState(kStateChecked | kStateFocus), 1);
  EXPECT_EQ(CheckedState(kStatePushed), 0);
  EXPECT_EQ(CheckGlyphState(kStatePushed | kStateFocus, false, true), 2);
  EXPECT_EQ(CheckGlyphState(kStateFocus, true, true), 0);  // hover looks switched off
  EXPECT_EQ(CheckGlyphState(kStateFocus, false, false), 1);
  EXPECT_EQ(CheckGlyphState(0, true, false), 1);
  EXPECT_EQ(CheckGlyphState(kStateChecked, false, false), 0);
}

TEST(CheckBoxLayout, GlyphLeftAndCaptionBesideItMovedUpAPixel) {
  // The brook's 75 x 19 box, 13 x 13 glyph, a caption 33 x 14.
  EXPECT_EQ(CheckGlyphRect(75, 19, {13, 13}, kCheckBox), (Rect{0, 3, 13, 16}));
  EXPECT_EQ(CheckTextWidth(75, 13), 60);
  const CaptionPlace place = CheckCaptionPlace(75, 19, 13, {33, 14}, kCheckBox, 0);
  // top = (19 - 14) / 2 = 2, bottom 17, left 13 + 4; one pixel up.
  EXPECT_EQ(place.Place, (Rect{17, 1, 50, 16}));
  EXPECT_EQ(place.Format, 0u);
  // Multi-line: one pixel left as well; a caption taller than the box starts at the top.
  EXPECT_EQ(CheckCaptionPlace(105, 32, 13, {80, 34}, kCheckBox | kStyleMultiLine, 0).Place,
            (Rect{16, -1, 96, 31}));
}

TEST(CheckBoxLayout, LeftTextPutsTheGlyphRightAndTheCaptionTwoPixelsIn) {
  EXPECT_EQ(CheckGlyphRect(85, 21, {13, 13}, kCheckBox | kStyleLeftText), (Rect{72, 4, 85, 17}));
  const CaptionPlace place = CheckCaptionPlace(85, 21, 13, {40, 14}, kCheckBox | kStyleLeftText, 0);
  EXPECT_EQ(place.Place, (Rect{2, 3, 42, 18}));
  EXPECT_EQ(place.Format, 0u);
  // Right-to-left reading: the caption ends 6 pixels before the glyph, aligned right.
  const CaptionPlace rtl =
      CheckCaptionPlace(85, 21, 13, {40, 14}, kCheckBox | kStyleLeftText, kExStyleRtlReading);
  EXPECT_EQ(rtl.Place, (Rect{26, 3, 66, 18}));
  EXPECT_EQ(rtl.Format, kFormatRtlReading | kFormatRight);
  EXPECT_EQ(CheckFocusRect(place.Place), (Rect{0, 3, 44, 18}));
}

TEST(AdapterButton, PushedThenHotOrDefaultThenNormal) {
  EXPECT_EQ(AdapterButtonState({.Pushed = true, .Enabled = false}), kButtonPressed);
  EXPECT_EQ(AdapterButtonState({.Enabled = false, .IsDefault = true, .CurrentState = 1}),
            kButtonNormal);
  // Released with the pointer still on it: the skin data is still hot.
  EXPECT_EQ(AdapterButtonState({.CurrentState = 1}), kButtonHot);
  // A default push button looks hot while idle.
  EXPECT_EQ(AdapterButtonState({.IsDefault = true}), kButtonHot);
  EXPECT_EQ(AdapterButtonState({}), kButtonNormal);
}

TEST(AdapterButton, ContentCentredWithTheFocusFrameInsideTheEdges) {
  // The rain button, 124 x 30, caption 45 x 14: dx = 39, dy = 8.
  EXPECT_EQ(AdapterContentRect(124, 30, {45, 14}, false), (Rect{38, 8, 87, 22}));
  EXPECT_EQ(AdapterContentRect(124, 30, {45, 14}, true), (Rect{39, 9, 88, 23}));
  // dx truncates towards zero for a caption wider than the button.
  EXPECT_EQ(AdapterContentRect(20, 30, {25, 14}, false), (Rect{-3, 8, 24, 22}));
  EXPECT_EQ(AdapterFocusRect({38, 8, 87, 22}, 30), (Rect{36, 7, 89, 23}));
  EXPECT_EQ(AdapterFocusRect({38, 1, 87, 29}, 30), (Rect{36, 3, 89, 27}));
  EXPECT_EQ(AdapterTextWidthLimit(124, false), 0);
  EXPECT_EQ(AdapterTextWidthLimit(124, true), 125);
}

TEST(AdapterPanel, TheSectionFollowsTheBevels) {
  using enum Bevel;
  // The window's panels: no bevel, no border.
  EXPECT_EQ(PanelSectionName({}), "TRANSPARENT");
  EXPECT_EQ(PanelSectionName({.SingleBorder = true}), "PANEL_LOW");
  EXPECT_EQ(PanelSectionName({.Outer = Space}), "TRANSPARENT");
  EXPECT_EQ(PanelSectionName({.Outer = Raised}), "PANEL");
  EXPECT_EQ(PanelSectionName({.Outer = Raised, .Inner = Lowered}), "GROUPBOX");
  EXPECT_EQ(PanelSectionName({.Outer = Lowered}), "PANEL_LOW");
  EXPECT_EQ(PanelSectionName({.Outer = Lowered, .Inner = Raised}), "GROUPBOX");
  EXPECT_EQ(PanelSectionName({.FrameworkPanel = false, .Outer = Raised}), "TRANSPARENT");
}

TEST(AdapterPanel, TheCaptionIsOneLineCentredInsideBevelsAndBorder) {
  // Two bevels of 2 and a border of 1 inset 5; a 14-pixel line centred in 30 - 10.
  const PanelFrame frame{.Outer = Bevel::Raised, .Inner = Bevel::Lowered, .BevelWidth = 2,
                         .BorderWidth = 1};
  EXPECT_EQ(PanelCaptionRect({0, 0, 200, 30}, frame, 14), (Rect{5, 8, 195, 22}));
  EXPECT_EQ(PanelCaptionRect({0, 0, 196, 24}, {}, 14), (Rect{0, 5, 196, 19}));
}

// A skin of the tests' own: an opaque face, the see-through check box and transparent sections.
struct AdapterSkin {
  test::LoadedSkin loaded{
      "[FACE]\r\nSTATES=1\r\nCOLOR=2\r\nFONTCOLOR=255\r\n"
      "[CHECKBOX]\r\nSTATES=3\r\nTRANSPARENCY=100\r\nHOTTRANSPARENCY=100\r\n"
      "FONTCOLOR=255\r\nHOTFONTCOLOR=65280\r\nUSESTATE2=1\r\n"
      "FONTCOLOR2=16711680\r\n"
      "[TRANSPARENT]\r\nSTATES=1\r\nTRANSPARENCY=100\r\nFONTCOLOR=255\r\n",
      test::Filled(4, 4, Bgra(0, 0, 0, 255))};
  const SkinRegistry& skin = *loaded.registry;
  int32_t Index(const char* name) const { return loaded.Index(name); }
};

// A parent that answers its colour, 0x00BBGGRR.
class ColourParent : public BackgroundParent {
 public:
  explicit ColourParent(uint32_t colour) : colour_(colour) {}
  void GetBackground(TacBgQuery&) override {}
  void DrawBackground(const TacBgQuery&) override {}
  uint32_t GetColor() override { return colour_; }
  uint32_t OwnColor() override { return 0xFF00000F; }

 private:
  uint32_t colour_;
};

// A parent image 12 x 8 whose pixels spell their place: blue x * 10, green y * 10.
Image32 PlacePicture() {
  Image32 image = MakeImage(12, 8);
  for (int32_t y = 0; y < 8; ++y)
    for (int32_t x = 0; x < 12; ++x) image.At(x, y) = Bgra(uint32_t(x * 10), uint32_t(y * 10), 7, 255);
  return image;
}

TEST(AdapterImage, ASeeThroughSectionShowsTheParentAtTheWindowsPlace) {
  const AdapterSkin s;
  const Image32 behind = PlacePicture();
  Image32 cache = MakeImage(4, 3);
  const AdapterPicture picture{.Look = {s.Index("CHECKBOX")}, .X = 5, .Y = 2};
  ComposeAdapterImage(PixelRows(cache), s.skin, ParentFromBitmap(PixelRows(behind), 0, 0), picture);
  EXPECT_EQ(cache.At(0, 0) & 0xFFFFFF, behind.At(5, 2) & 0xFFFFFF);
  EXPECT_EQ(cache.At(3, 2) & 0xFFFFFF, behind.At(8, 4) & 0xFFFFFF);
}

TEST(AdapterImage, TheCaptionGoesOverTheSectionAndTheDisabledBlendOverBoth) {
  const AdapterSkin s;
  Image32 cache = MakeImage(4, 3);
  std::vector<uint32_t> seenUnderCaption;
  AdapterPicture picture{.Look = {s.Index("FACE")}, .Disabled = true};
  picture.Caption = [&](const PixelView& pixels) {
    seenUnderCaption.push_back(pixels.At(1, 1) & 0xFFFFFF);
    pixels.At(1, 1) = Bgra(200, 200, 200, 255);
  };
  TacParentBg parent;
  parent.FillColor = 0x00000000;  // black
  ComposeAdapterImage(PixelRows(cache), s.skin, parent, picture);
  ASSERT_EQ(seenUnderCaption.size(), 1u);
  EXPECT_EQ(seenUnderCaption[0], Bgra(0, 0, 2, 0));  // the face's colour 2 is red 2
  // Weight 100 of 255 for the own image against black: 200 * 100 >> 8 = 78, 2 * 100 >> 8 = 0.
  EXPECT_EQ(cache.At(1, 1) & 0xFFFFFF, Bgra(78, 78, 78, 0));
  EXPECT_EQ(cache.At(0, 0) & 0xFFFFFF, 0u);
}

TEST(AdapterImage, ADisabledWindowOverAParentImageTakes155OfItsPixel) {
  const AdapterSkin s;
  Image32 behind = PlacePicture();
  behind.At(3, 1) = kKeyColour;  // no blend over the key
  Image32 cache = MakeImage(3, 2);
  const AdapterPicture picture{.Look = {s.Index("FACE")}, .X = 2, .Y = 1, .Disabled = true};
  ComposeAdapterImage(PixelRows(cache), s.skin, ParentFromBitmap(PixelRows(behind), 0, 0),
                      picture);
  // Own pixel red 2, parent (blue 20, green 10, red 7) behind (0, 0) at (2, 1).
  const uint32_t blended = Bgra((20 * 155) >> 8, (10 * 155) >> 8, (7 * 155 + 2 * 100) >> 8, 0);
  EXPECT_EQ(cache.At(0, 0) & 0xFFFFFF, blended);
  EXPECT_EQ(cache.At(1, 0) & 0xFFFFFF, Bgra(0, 0, 2, 0));
}

// A parent that knows no fill colour (it is itself half see-through and has no image yet) gives
// the unknown-fill marker: the window is dimmed towards the colour the parent answers, not
// towards magenta.
TEST(AdapterImage, ADisabledWindowOverAParentOfUnknownFillBlendsTowardsTheColourUnderIt) {
  const AdapterSkin s;
  Image32 cache = MakeImage(2, 2);
  ColourParent under(0x00204060);  // red 0x60, green 0x40, blue 0x20
  const AdapterPicture picture{.Look = {s.Index("FACE")}, .Disabled = true,
                               .ParentControl = &under};
  TacParentBg unknown;
  ASSERT_FALSE(unknown.FillKnown());
  ComposeAdapterImage(PixelRows(cache), s.skin, unknown, picture);
  const uint32_t expected =
      Bgra((0x20 * 155) >> 8, (0x40 * 155) >> 8, (0x60 * 155 + 2 * 100) >> 8, 0);
  EXPECT_EQ(cache.At(1, 1) & 0xFFFFFF, expected);
  const uint32_t magentaward = Bgra((0xFF * 155) >> 8, 0, (0xFF * 155 + 2 * 100) >> 8, 0);
  EXPECT_NE(cache.At(1, 1) & 0xFFFFFF, magentaward);
}

TEST(AdapterImage, TheFocusFrameTakesTheHotFontColour) {
  const AdapterSkin s;
  EXPECT_EQ(FocusFrameColour(s.skin, s.Index("CHECKBOX")), 65280u);
  EXPECT_EQ(FocusFrameColour(s.skin, s.Index("TRANSPARENT")), 255u);
  EXPECT_EQ(FocusFrameColour(s.skin, -1), kNoColour);
}

TEST(AdapterImage, TheOwnControlsFocusFrameTakesThePressedFontColour) {
  const AdapterSkin s;
  EXPECT_EQ(FocusFrameColour(s.skin, s.Index("CHECKBOX"), 2), 16711680u);
  // A one-state section has only its normal font colour to give.
  EXPECT_EQ(FocusFrameColour(s.skin, s.Index("TRANSPARENT"), 2), 255u);
}

}  // namespace
}  // namespace velmora::skin
