// Arrows, focus frames, glyphs cut at the left edge and the disabled look, pixel by pixel.
#include <gtest/gtest.h>

#include <set>
#include <utility>

#include "skin/paint/arrow.h"
#include "skin/paint/disabled_look.h"
#include "skin/paint/focus_frame.h"
#include "skin/paint/glyph.h"
#include "tests/skin/paint/pixels.h"

namespace velmora::skin {
namespace {

using test::Bgra;
using test::Filled;
using Points = std::set<std::pair<int32_t, int32_t>>;

Points Marked(const Image32& image, uint32_t pixel) {
  Points found;
  for (int32_t y = 0; y < image.Height; ++y)
    for (int32_t x = 0; x < image.Width; ++x)
      if (image.At(x, y) == pixel) found.insert({x, y});
  return found;
}
size_t CountNot(const Image32& image, uint32_t pixel) {
  size_t n = 0;
  for (uint32_t p : image.Pixels) n += p != pixel;
  return n;
}

// Row r of a sideways arrow holds 1, 2, 3, 4, 3, 2, 1 pixels.
constexpr int32_t kSideways[7] = {1, 2, 3, 4, 3, 2, 1};

// The colour value's high byte becomes the pixel's alpha: 0x00123456 is the pixel 0x00563412.
using test::kPaper;
constexpr uint32_t kInk = 0x00123456u, kInkPixel = 0x00563412u;

TEST(DrawArrow, RightArrowStartsEachRowAtTheBoxLeftEdge) {
  Image32 image = Filled(10, 12, kPaper);
  // A 6 x 9 rectangle at (1, 1): the 4 x 7 box sits at (1 + 1, 1 + 1).
  DrawArrow(PixelRows(image), kInk, {1, 1, 7, 10}, ArrowDirection::Right);
  Points expected;
  for (int32_t r = 0; r < 7; ++r)
    for (int32_t c = 0; c < kSideways[r]; ++c) expected.insert({2 + c, 2 + r});
  EXPECT_EQ(Marked(image, kInkPixel), expected);
  EXPECT_EQ(CountNot(image, kPaper), expected.size());
}

// The left arrow mirrors the right one inside the same box: rows y to y + 6, each ending at
// x + 3. Drawn in a bitmap exactly the box's size, a row below the box would fall outside it.
TEST(DrawArrow, LeftArrowEndsEachRowAtTheBoxRightEdgeAndStaysInTheBox) {
  Image32 image = Filled(4, 8, kPaper);
  DrawArrow(PixelRows(image), kInk, {0, 0, 4, 7}, ArrowDirection::Left);
  Points expected;
  for (int32_t r = 0; r < 7; ++r)
    for (int32_t c = 0; c < kSideways[r]; ++c) expected.insert({3 - c, r});
  EXPECT_EQ(Marked(image, kInkPixel), expected);
  for (int32_t x = 0; x < 4; ++x) EXPECT_EQ(image.At(x, 7), kPaper) << x;
}

TEST(DrawArrow, UpAndDownArrowsAreCentredOnTheMiddleColumn) {
  const int32_t upRows[4] = {1, 3, 5, 7};
  for (ArrowDirection direction : {ArrowDirection::Up, ArrowDirection::Down}) {
    Image32 image = Filled(7, 4, kPaper);
    DrawArrow(PixelRows(image), kInk, {0, 0, 7, 4}, direction);
    Points expected;
    for (int32_t r = 0; r < 4; ++r) {
      const int32_t n = direction == ArrowDirection::Up ? upRows[r] : upRows[3 - r];
      for (int32_t c = 3 - n / 2; c <= 3 + n / 2; ++c) expected.insert({c, r});
    }
    EXPECT_EQ(Marked(image, kInkPixel), expected) << int(direction);
  }
}

TEST(DrawArrow, ABoxOutsideTheBitmapDrawsNothing) {
  Image32 image = Filled(4, 6, kPaper);
  DrawArrow(PixelRows(image), kInk, {0, 0, 4, 6}, ArrowDirection::Left);  // 7 rows in 6
  DrawArrow(PixelRows(image), kInk, {-5, 0, -1, 6}, ArrowDirection::Right);
  EXPECT_EQ(CountNot(image, kPaper), 0u);
}

TEST(DrawArrow, TheBoxGrowsWithTheScale) {
  Image32 image = Filled(16, 8, kPaper);
  DrawArrow(PixelRows(image), kInk, {0, 0, 16, 8}, ArrowDirection::Down, SkinScale{3, false});
  // 200 %: 8 rows deep, 15 broad, centred at (0, 0): the top row is 15 pixels, the tip at (7, 7).
  EXPECT_EQ(CountNot(image, kPaper), size_t(15 + 13 + 11 + 9 + 7 + 5 + 3 + 1));
  EXPECT_EQ(image.At(0, 0), kInkPixel);
  EXPECT_EQ(image.At(7, 7), kInkPixel);
  EXPECT_EQ(image.At(6, 7), kPaper);
}

TEST(DrawFocusFrame, OneColourOnASixByFourRectangleSetsNinePixels) {
  Image32 image = Filled(8, 6, 0);
  DrawFocusFrame(PixelRows(image), {0, 0, 6, 4}, 0x00102030u);
  const Points expected{{1, 0}, {3, 0}, {5, 0}, {1, 3}, {3, 3}, {5, 3}, {0, 1}, {0, 3}, {5, 1}};
  EXPECT_EQ(Marked(image, 0xFF302010u), expected);
  EXPECT_EQ(CountNot(image, 0), expected.size());
}

// The second colour fills the even offsets between the dots; the last even offsets of a
// rectangle of even width and height lie one pixel outside it and stay untouched.
TEST(DrawFocusFrame, TheSecondColourStaysInsideTheRectangle) {
  Image32 image = Filled(8, 6, 0);
  DrawFocusFrame(PixelRows(image), {0, 0, 6, 4}, 0x00102030u, 0x00405060u);
  const Points second{{2, 0}, {4, 0}, {2, 3}, {4, 3}, {0, 2}, {5, 2}};
  EXPECT_EQ(Marked(image, 0xFF605040u), second);
  EXPECT_EQ(CountNot(image, 0), 9u + second.size());
  EXPECT_EQ(image.At(6, 0), 0u);
  EXPECT_EQ(image.At(0, 4), 0u);
}

TEST(DrawFocusFrame, SystemColoursResolveAndNoColourDrawsNothing) {
  Image32 image = Filled(4, 4, 0);
  DrawFocusFrame(PixelRows(image), {0, 0, 4, 4}, kNoColour, 0xFF000010u);
  EXPECT_EQ(image.At(1, 0), 0u);
  EXPECT_EQ(image.At(2, 0), 0xFF808080u);  // button shadow of the classic scheme
}

// --- Glyph at (-3, 0): pictures 5 wide, value 10 x column + row + frame * 100.
TEST(DrawGlyph, AtMinusThreeShowsThePictureWithoutItsThreeLeftColumns) {
  const Image32 image = test::Picture(10, 2, [](int32_t x, int32_t y) {
    return 0xFF000000u | uint32_t(x / 5 * 100 + x % 5 * 10 + y);
  });
  Image32 dest = Filled(4, 2, 0);
  DrawGlyph(PixelRows(dest), -3, 0, 1, TacParentBg{}, test::MaskOver(image, 2, 0, {0, 0, 0, 0}),
            kGlyphNormal);
  EXPECT_EQ(dest.At(0, 0), 0xFF000000u | 130u);
  EXPECT_EQ(dest.At(1, 1), 0xFF000000u | 141u);
  EXPECT_EQ(dest.At(2, 0), 0u);
}

// --- Disabled look. Image blue 200, green 100, red 50 over parent blue 0, green 255, red 100:
// (parent * 155 + image * 100) >> 8 gives blue 78, green 193, red 80; alpha stays.
struct RecordingParent : BackgroundParent {
  uint32_t answer = 0, own = 0;
  void GetBackground(TacBgQuery&) override {}
  void DrawBackground(const TacBgQuery&) override {}
  uint32_t GetColor() override { return answer; }
  uint32_t OwnColor() override { return own; }
};

TEST(ApplyDisabledLook, BlendedMixesWithTheParentPixelBehindUnlessItIsTheKey) {
  Image32 parent = Filled(5, 5, Bgra(0, 255, 100, 255));
  parent.At(3, 2) = kKeyColour;
  Image32 image = Filled(2, 1, Bgra(200, 100, 50, 0x80));
  DisabledBackdrop backdrop{ParentFromBitmap(PixelRows(parent), 1, 2), 1, 0};
  ApplyDisabledLook(PixelRows(image), dkBlended, backdrop);
  EXPECT_EQ(image.At(0, 0), Bgra(78, 193, 80, 0x80));
  EXPECT_EQ(image.At(1, 0), Bgra(200, 100, 50, 0x80));  // behind it (3, 2) is the key
}

// Without a parent image the parent's colour keeps 155 of 255: colour value 0x00102030
// (red 48, green 32, blue 16): blue (200*100 + 16*155) >> 8 = 87, green (100*100 + 32*155) >> 8
// = 58, red (50*100 + 48*155) >> 8 = 48.
TEST(ApplyDisabledLook, BlendedWithoutAnImageTakesTheFillOrTheParentControlsColour) {
  const uint32_t expected = Bgra(87, 58, 48, 0x80);
  RecordingParent control;
  control.own = 0x00102030u;
  for (int variant = 0; variant < 3; ++variant) {
    Image32 image = Filled(1, 1, Bgra(200, 100, 50, 0x80));
    DisabledBackdrop backdrop;
    backdrop.ParentControl = &control;
    if (variant == 0) backdrop.Parent.FillColor = 0x00102030u;
    control.answer = variant == 2 ? 0x00102030u : 0;
    if (variant == 2) control.own = 0;
    ApplyDisabledLook(PixelRows(image), dkBlended, backdrop);
    EXPECT_EQ(image.At(0, 0), expected) << variant;
  }
}

// Grayed: amount -90 * 255 / 100 = -229 on blue 200, green 100, red 50, whose grey is
// round(0.299 * 50 + 0.587 * 100 + 0.114 * 200) = 96: each channel (26 * c + 229 * 96) >> 8 gives
// blue 106, green 96, red 90, a trace of colour left. The key stays.
TEST(ApplyDisabledLook, GrayedKeepsATraceOfColourAndSparesKeys) {
  Image32 image = Filled(2, 1, Bgra(200, 100, 50, 0x80));
  image.At(1, 0) = kKeyColour;
  ApplyDisabledLook(PixelRows(image), dkGrayed, DisabledBackdrop{});
  EXPECT_EQ(image.At(0, 0), Bgra(106, 96, 90, 0x80));
  EXPECT_EQ(image.At(1, 0), kKeyColour);
}

// Both: grey first, then the blend with a black parent fill: 106 * 100 >> 8 = 41, 96 -> 37,
// 90 -> 35.
TEST(ApplyDisabledLook, GrayedComesBeforeBlended) {
  Image32 image = Filled(1, 1, Bgra(200, 100, 50, 0x80));
  DisabledBackdrop backdrop;
  backdrop.Parent.FillColor = 0;
  ApplyDisabledLook(PixelRows(image), dkGrayed | dkBlended, backdrop);
  EXPECT_EQ(image.At(0, 0), Bgra(41, 37, 35, 0x80));
}

}  // namespace
}  // namespace velmora::skin
