#include "skin/paint/borders_mask.h"

#include <gtest/gtest.h>

#include "skin/data/mask_data.h"
#include "skin/paint/cell_copy.h"
#include "skin/paint/glyph.h"
#include "tests/skin/paint/pixels.h"

namespace velmora::skin {
namespace {

using test::Bgra;
using test::Filled;
using test::MaskOver;

using test::kPaper;

// Pixel (x, y) of picture f of a 3 x 3 key-colour mask: opaque, numbered f*100 + y*10 + x + 1.
uint32_t Numbered(int32_t f, int32_t x, int32_t y) { return kPaper | uint32_t(f * 100 + y * 10 + x + 1); }

Image32 TwoPictures() {
  return test::Picture(6, 3, [](int32_t x, int32_t y) { return Numbered(x / 3, x % 3, y); });
}

// Over a 5 x 4 rectangle with all widths 1: corners from the picture's corners, edges repeat the
// middle of each side, the centre the middle pixel.
uint32_t ExpectedNine(int32_t f, int32_t x, int32_t y, bool centre) {
  const int32_t sx = x == 0 ? 0 : x == 4 ? 2 : 1;
  const int32_t sy = y == 0 ? 0 : y == 3 ? 2 : 1;
  if (sx == 1 && sy == 1 && !centre) return 0;
  return Numbered(f, sx, sy);
}

TEST(BordersMask, NineCellsTiledWithTheCentre) {
  const Image32 image = TwoPictures();
  const TsMaskData mask = MaskOver(image, 2, 0, {1, 1, 1, 1}, 4);
  for (int32_t state : {1, 5}) {  // a state beyond the pictures draws the last one
    Image32 dest = Filled(5, 4, 0);
    DrawBordersMask(PixelRows(dest), {0, 0, 5, 4}, TacParentBg{}, true, state, mask);
    for (int32_t y = 0; y < 4; ++y)
      for (int32_t x = 0; x < 5; ++x)
        EXPECT_EQ(dest.At(x, y), ExpectedNine(1, x, y, true)) << x << "," << y;
  }
}

TEST(BordersMask, WithoutDrawModeFourTheCentreStays) {
  const Image32 image = TwoPictures();
  Image32 dest = Filled(5, 4, 0);
  DrawBordersMask(PixelRows(dest), {0, 0, 5, 4}, TacParentBg{}, true, 0, MaskOver(image, 2, 0, {1, 1, 1, 1}));
  for (int32_t y = 0; y < 4; ++y)
    for (int32_t x = 0; x < 5; ++x) EXPECT_EQ(dest.At(x, y), ExpectedNine(0, x, y, false));
}

TEST(BordersMask, DrawModeTwoSkipsStateZeroOnly) {
  const Image32 image = TwoPictures();
  const TsMaskData mask = MaskOver(image, 2, 0, {1, 1, 1, 1}, 2);
  Image32 dest = Filled(5, 4, 0);
  DrawBordersMask(PixelRows(dest), {0, 0, 5, 4}, TacParentBg{}, true, 0, mask);
  EXPECT_EQ(dest.Pixels, Filled(5, 4, 0).Pixels);
  DrawBordersMask(PixelRows(dest), {0, 0, 5, 4}, TacParentBg{}, true, 1, mask);
  EXPECT_EQ(dest.At(0, 0), Numbered(1, 0, 0));
}

TEST(BordersMask, TooSmallRectanglesAndOwnerlessMasksDrawNothing) {
  const Image32 image = TwoPictures();
  TsMaskData mask = MaskOver(image, 2, 0, {1, 1, 1, 1});
  Image32 dest = Filled(5, 4, 0);
  DrawBordersMask(PixelRows(dest), {0, 0, 1, 4}, TacParentBg{}, true, 0, mask);
  mask.Owner = nullptr;
  DrawBordersMask(PixelRows(dest), {0, 0, 5, 4}, TacParentBg{}, true, 0, mask);
  EXPECT_EQ(dest.Pixels, Filled(5, 4, 0).Pixels);
}

// Widths 3 and 3 over a rectangle 3 wide: excess 3, left 3 - 1 = 2, right 3 - 1 - 1 = 1.
TEST(BordersMask, ANarrowRectangleTakesOneFromTheLeftAndTwoFromTheRight) {
  const Image32 image = test::Picture(8, 3, [](int32_t x, int32_t y) { return Numbered(0, x, y); });
  Image32 dest = Filled(3, 3, 0);
  DrawBordersMask(PixelRows(dest), {0, 0, 3, 3}, TacParentBg{}, true, 0, MaskOver(image, 1, 0, {3, 1, 3, 1}));
  EXPECT_EQ(dest.At(0, 0), Numbered(0, 0, 0));
  EXPECT_EQ(dest.At(1, 0), Numbered(0, 1, 0));
  EXPECT_EQ(dest.At(2, 0), Numbered(0, 7, 0));  // the right corner's last column
}

TEST(BordersMask, AMiddleStripLongerThanTheEdgeIsOneCutPiece) {
  const Image32 image = test::Picture(6, 3, [](int32_t x, int32_t y) { return Numbered(0, x, y); });
  Image32 dest = Filled(4, 3, 0);
  DrawBordersMask(PixelRows(dest), {0, 0, 4, 3}, TacParentBg{}, true, 0, MaskOver(image, 1, 0, {1, 1, 1, 1}));
  EXPECT_EQ(dest.At(1, 0), Numbered(0, 1, 0));
  EXPECT_EQ(dest.At(2, 0), Numbered(0, 2, 0));
  EXPECT_EQ(dest.At(3, 0), Numbered(0, 5, 0));
}

TEST(BordersMask, EdgesTileWholePiecesThenACutOne) {
  // Middle strip 2 wide (columns 1, 2) over a top edge of 5 (columns 1..5): pieces at 1 and 3,
  // then one cut to a single column at 5.
  const Image32 image = test::Picture(4, 3, [](int32_t x, int32_t y) { return Numbered(0, x, y); });
  Image32 dest = Filled(7, 3, 0);
  DrawBordersMask(PixelRows(dest), {0, 0, 7, 3}, TacParentBg{}, true, 0, MaskOver(image, 1, 0, {1, 1, 1, 1}));
  const uint32_t a = Numbered(0, 1, 0), b = Numbered(0, 2, 0);
  for (int32_t x = 1; x <= 5; ++x) EXPECT_EQ(dest.At(x, 0), x % 2 ? a : b) << x;
}

// A middle strip of length 0 (a picture 2 wide with both side widths 1): a key-colour mask still
// places the last piece, cut from the strip's start to the edge's length; a mask layer places
// nothing there.
TEST(BordersMask, AZeroLengthStripPlacesOnlyTheLastPieceForKeyMasks) {
  const Image32 image = test::Picture(2, 3, [](int32_t x, int32_t y) { return Numbered(0, x, y); });
  Image32 dest = Filled(3, 3, 0);
  DrawBordersMask(PixelRows(dest), {0, 0, 3, 3}, TacParentBg{}, true, 0, MaskOver(image, 1, 0, {1, 1, 1, 1}, 4));
  EXPECT_EQ(dest.At(1, 0), Numbered(0, 1, 0));  // top edge
  EXPECT_EQ(dest.At(1, 1), Numbered(0, 1, 1));  // centre
  EXPECT_EQ(dest.At(1, 2), Numbered(0, 1, 2));  // bottom edge

  const Image32 layered = test::Picture(2, 6, [](int32_t x, int32_t y) {
    return y < 3 ? Numbered(0, x, y) : Bgra(0, 0, 0, 0);
  });
  Image32 other = Filled(3, 3, 0);
  DrawBordersMask(PixelRows(other), {0, 0, 3, 3}, TacParentBg{}, true, 0, MaskOver(layered, 1, 1, {1, 1, 1, 1}, 4));
  EXPECT_EQ(other.At(1, 0), 0u);
  EXPECT_EQ(other.At(1, 1), 0u);
}

// Corner key pixels: with the corner flag and a Ready parent they show the parent; over a record
// that is not Ready they take the fill colour with the alpha of the destination's first pixel.
TEST(BordersMask, KeyCornersShowTheParentOrItsFillColour) {
  Image32 image = TwoPictures();
  image.At(0, 0) = kKeyColour;
  TsMaskData mask = MaskOver(image, 2, 0, {1, 1, 1, 1});
  mask.CornerFlag = 1;
  const Image32 parentImage = test::Picture(9, 9, [](int32_t x, int32_t y) { return Bgra(x, y, 7, 255); });
  Image32 dest = Filled(5, 4, Bgra(0, 0, 0, 0x33));
  DrawBordersMask(PixelRows(dest), {0, 0, 5, 4}, ParentFromBitmap(PixelRows(parentImage), 2, 3), true, 0, mask);
  EXPECT_EQ(dest.At(0, 0), Bgra(2, 3, 7, 255));

  dest = Filled(5, 4, Bgra(0, 0, 0, 0x33));
  TacParentBg plain;
  plain.FillColor = 0x00102030u;
  DrawBordersMask(PixelRows(dest), {0, 0, 5, 4}, plain, true, 0, mask);
  EXPECT_EQ(dest.At(0, 0), 0x33302010u);

  dest = Filled(5, 4, Bgra(9, 9, 9, 9));
  DrawBordersMask(PixelRows(dest), {0, 0, 5, 4}, ParentFromBitmap(PixelRows(parentImage), 2, 3), false, 0, mask);
  EXPECT_EQ(dest.At(0, 0), Bgra(9, 9, 9, 9));  // no corner-parent flag: the key keeps the destination
}

// A mask layer below a 3 x 3 picture: mask (blue 0, green 128, red 255) over destination grey 100
// and image (blue 40, green 80, red 160): blue 40 (image only), green (100*128 + 80*128) >> 8 = 90,
// red (100*255 + 160) >> 8 = 100.
TEST(BordersMask, AMaskLayerBlendsEveryCellChannelByChannel) {
  const Image32 image = test::Picture(3, 6, [](int32_t, int32_t y) {
    return y < 3 ? Bgra(40, 80, 160, 255) : Bgra(0, 128, 255, 0);
  });
  Image32 dest = Filled(5, 4, Bgra(100, 100, 100, 17));
  DrawBordersMask(PixelRows(dest), {0, 0, 5, 4}, TacParentBg{}, true, 0,
                  MaskOver(image, 1, 1, {1, 1, 1, 1}, 4));
  for (const auto& [x, y] : {std::pair{0, 0}, {2, 0}, {0, 2}, {2, 2}, {4, 3}})
    EXPECT_EQ(dest.At(x, y), Bgra(40, 90, 100, 17)) << x << "," << y;
}

// Cells hanging over the destination's left or top edge show their visible part: here a
// stretched masked top edge starting two columns left of the bitmap.
TEST(BordersMask, CellsPartlyLeftOfTheDestinationShowTheirVisiblePart) {
  const Image32 image = test::Picture(3, 6, [](int32_t x, int32_t y) {
    return y < 3 ? (x == 1 && y == 0 ? Bgra(10, 20, 30, 255) : Bgra(1, 1, 1, 255)) : Bgra(0, 0, 0, 0);
  });
  Image32 dest = Filled(4, 4, Bgra(200, 200, 200, 255));
  DrawBordersMask(PixelRows(dest), {-3, 0, 4, 4}, TacParentBg{}, true, 0, MaskOver(image, 1, 1, {1, 1, 1, 1}, 1));
  // The top edge covers columns -2..2; mask 0 shows the image: the stretched top middle pixel.
  for (int32_t x = 0; x <= 2; ++x) EXPECT_EQ(dest.At(x, 0), Bgra(10, 20, 30, 255)) << x;
}

// A one-pixel centre stretched smoothly: the mask's red byte decides for the whole cell. Red 128
// blends (d*128 + i*128) >> 8: (100 + 20) / 2 = 60; red 0 paints the pixel, opaque.
TEST(StretchWithMask, AOnePixelCentreFollowsItsMaskRed) {
  Image32 image = test::Picture(1, 2, [](int32_t, int32_t y) {
    return y == 0 ? Bgra(20, 20, 20, 0x40) : Bgra(0, 0, 128, 0);
  });
  Image32 dest = Filled(4, 4, Bgra(100, 100, 100, 7));
  StretchWithMask(PixelRows(dest), {1, 1, 3, 3}, true, 1, PixelRows(std::as_const(image)), {0, 0, 1, 1});
  EXPECT_EQ(dest.At(1, 1), Bgra(60, 60, 60, 7));
  EXPECT_EQ(dest.At(0, 0), Bgra(100, 100, 100, 7));
  image.At(0, 1) = 0;
  StretchWithMask(PixelRows(dest), {1, 1, 3, 3}, true, 1, PixelRows(std::as_const(image)), {0, 0, 1, 1});
  EXPECT_EQ(dest.At(2, 2), Bgra(20, 20, 20, 255));
}

// A skin may write a mask rectangle upside down ("^" fields bottom above top), which makes the
// mask layer's offset negative: its rows would lie above the image. Nothing is drawn then.
TEST(StretchWithMask, AMaskLayerAboveTheImageDrawsNothing) {
  const Image32 image = test::Picture(4, 6, [](int32_t, int32_t) { return Bgra(9, 9, 9, 255); });
  const Image32 before = Filled(4, 4, Bgra(100, 100, 100, 7));
  for (const bool smooth : {false, true})
    for (const Rect source : {Rect{1, 2, 3, 3}, Rect{1, 2, 2, 3}}) {
      Image32 dest = before;
      StretchWithMask(PixelRows(dest), {0, 0, 4, 4}, smooth, -3, PixelRows(image), source);
      EXPECT_EQ(dest.Pixels, before.Pixels) << smooth << " " << source.Width();
    }
}

TEST(BordersMask, AnUpsideDownStretchedMaskStaysInsideItsImage) {
  const Image32 image = test::Picture(4, 6, [](int32_t, int32_t) { return Bgra(9, 9, 9, 255); });
  // Top 5, bottom -1, side widths 1, -3, 1, -1; one frame, a mask layer, stretched with the centre.
  auto text = DecodeMaskValue("^0000,0005,0004,-001,0001,-003,0001,-001,1,1,5,0");
  ASSERT_TRUE(text);
  TsMaskData mask = MaskOver(image, 1, 1, {0, 0, 0, 0});
  const TsMaskData decoded = text->Mask;
  mask.Rect = decoded.Rect;
  mask.LeftWidth = decoded.LeftWidth, mask.TopWidth = decoded.TopWidth;
  mask.RightWidth = decoded.RightWidth, mask.BottomWidth = decoded.BottomWidth;
  mask.DrawMode = decoded.DrawMode;
  CompleteFrames(mask);
  Image32 dest = Filled(6, 6, Bgra(100, 100, 100, 7));
  DrawBordersMask(PixelRows(dest), {0, 0, 6, 6}, TacParentBg{}, true, 1, mask);
}

TEST(KeyCopy, OverItsOwnBitmapKeepsKeysAndMakesTheRestOpaque) {
  Image32 source = Filled(2, 1, 0x10203040u);
  source.At(1, 0) = kKeyColour;
  Image32 dest = Filled(2, 1, 0x00000005u);
  KeyCopy(PixelRows(dest), 0, 0, PixelRows(source), {0, 0, 2, 1}, true, ParentFromBitmap(PixelRows(dest), 0, 0),
          kKeyColour);
  EXPECT_EQ(dest.At(0, 0), 0xFF203040u);
  EXPECT_EQ(dest.At(1, 0), 0x00000005u);
}

// Key pixels at columns 0..2 of row 0 and column 0 of row 1 of the left corner, none on the right.
TEST(AddCornerKeyRects, ListsKeyRunsOfTheTopCorners) {
  Image32 image = Filled(10, 8, 0xFF0000FFu);
  for (int32_t x = 0; x < 3; ++x) image.At(x, 0) = kKeyColour;
  image.At(0, 1) = kKeyColour;
  image.At(5, 0) = 0x01FF00FFu;  // magenta with alpha: not the key
  const TsMaskData mask = MaskOver(image, 1, 0, {4, 3, 4, 3});
  std::vector<Rect> rects;
  AddCornerKeyRects(rects, 200, mask, false, 0);
  EXPECT_EQ(rects, (std::vector<Rect>{{0, 0, 3, 1}, {0, 1, 1, 2}}));
}

TEST(AddCornerKeyRects, RightAndBottomCornersUseWindowCoordinates) {
  Image32 image = Filled(10, 8, 0xFF0000FFu);
  image.At(9, 7) = kKeyColour;  // the picture's bottom-right pixel
  image.At(8, 6) = kKeyColour;
  const TsMaskData mask = MaskOver(image, 1, 0, {4, 3, 4, 3});
  std::vector<Rect> rects;
  AddCornerKeyRects(rects, 200, mask, true, 50 - 3);
  // Bottom rows 5..7 become window rows 47..49; column c on the right is 200 - 10 + c.
  EXPECT_EQ(rects, (std::vector<Rect>{{198, 48, 199, 49}, {199, 49, 200, 50}}));
}

// Opacity o 200 over a mask red m 55: h = 200 * 200 >> 8 = 156; image 255 over black:
// 255 * 156 >> 8 = 155; alpha 0 becomes 255 - 55 = 200.
TEST(BordersMaskOpacity, WeighsByOpacityAndDrawsOnlyTheOuterPartOfEdges) {
  const Image32 image = test::Picture(9, 18, [](int32_t, int32_t y) {
    return y < 9 ? Bgra(255, 255, 255, 255) : Bgra(55, 55, 55, 0);
  });
  Image32 dest = Filled(12, 12, 0);
  DrawBordersMaskOpacity(PixelRows(dest), {0, 0, 12, 12}, TacParentBg{}, 0, MaskOver(image, 1, 1, {3, 3, 3, 3}),
                         200, {1, 3, 3, 3});
  EXPECT_EQ(dest.At(0, 0), Bgra(155, 155, 155, 200));  // corner: full size
  EXPECT_EQ(dest.At(2, 2), Bgra(155, 155, 155, 200));
  EXPECT_EQ(dest.At(0, 5), Bgra(155, 155, 155, 200));  // left edge: one column only
  EXPECT_EQ(dest.At(1, 5), 0u);
  EXPECT_EQ(dest.At(10, 5), Bgra(155, 155, 155, 200));
  EXPECT_EQ(dest.At(5, 5), 0u);  // no centre
}

// The alpha variant: mask red 55 weighs all channels, d := (d * 55 + i * 200) >> 8, so white over
// black gives 255 * 200 >> 8 = 199; alpha 0 becomes 200, 100 becomes max(100, 200), 255 stays.
// A key pixel over the empty record clears the alpha.
TEST(BordersMaskAlpha, RaisesAlphaByTheMaskAndClearsKeys) {
  Image32 image = test::Picture(3, 6, [](int32_t, int32_t y) {
    return y < 3 ? Bgra(255, 255, 255, 255) : Bgra(55, 55, 55, 0);
  });
  image.At(1, 1) = kKeyColour;
  Image32 dest = Filled(3, 3, 0);
  dest.At(2, 0) = Bgra(0, 0, 0, 100);
  dest.At(0, 2) = Bgra(0, 0, 0, 255);
  dest.At(1, 1) = Bgra(7, 7, 7, 90);
  DrawBordersMaskAlpha(PixelRows(dest), {0, 0, 3, 3}, TacParentBg{}, 0, MaskOver(image, 1, 1, {1, 1, 1, 1}, 4));
  EXPECT_EQ(dest.At(0, 0), Bgra(199, 199, 199, 200));
  EXPECT_EQ(dest.At(2, 0), Bgra(199, 199, 199, 200));
  EXPECT_EQ(dest.At(0, 2), Bgra(199, 199, 199, 255));
  EXPECT_EQ(dest.At(1, 1), Bgra(7, 7, 7, 0));
}

// A stretched cell one pixel thick: a picture 4 x 6 with every width 2 has a left strip 2 x 2,
// stretched over a rectangle 5 high into a left edge 2 x 1. The picture 200, 150, 100 under a mask
// red of 0 shows fully: (0 * 0 + c * 255) >> 8, so 199, 149, 99, alpha 255 - 0; never black.
TEST(BordersMaskAlpha, AStretchedCellOnePixelThickShowsThePicture) {
  const Image32 image = test::Picture(4, 12, [](int32_t, int32_t y) {
    return y < 6 ? Bgra(200, 150, 100, 255) : Bgra(0, 0, 0, 0);
  });
  Image32 dest = Filled(4, 5, 0);
  DrawBordersMaskAlpha(PixelRows(dest), {0, 0, 4, 5}, TacParentBg{}, 0, MaskOver(image, 1, 1, {2, 2, 2, 2}, 5));
  for (int32_t x = 0; x < 4; ++x) EXPECT_EQ(dest.At(x, 2), Bgra(199, 149, 99, 255)) << x;
}

// A mask whose second picture lies beyond its image (state 1 of a mask claiming two pictures on
// an image holding one) paints nothing, neither its corners nor its stretched edges and centre.
TEST(BordersMaskAlpha, APictureOutsideItsImagePaintsNothing) {
  const Image32 image = test::Picture(3, 6, [](int32_t, int32_t y) {
    return y < 3 ? Bgra(200, 150, 100, 255) : Bgra(0, 0, 0, 0);
  });
  TsMaskData mask = MaskOver(image, 1, 1, {1, 1, 1, 1}, 5);
  mask.FrameCount = 2;
  mask.Rect.Right = 6;
  const uint32_t behind = Bgra(1, 2, 3, 4);
  Image32 dest = Filled(6, 6, behind);
  DrawBordersMaskAlpha(PixelRows(dest), {0, 0, 6, 6}, TacParentBg{}, 1, mask);
  EXPECT_EQ(dest.Pixels, Filled(6, 6, behind).Pixels);
}

// --- Glyphs: pictures 3 wide, numbered, on an image of their own.
TEST(DrawGlyph, ANegativePointCutsThePicture) {
  const Image32 image = TwoPictures();
  Image32 dest = Filled(3, 3, 0);
  DrawGlyph(PixelRows(dest), -1, 0, 1, TacParentBg{}, MaskOver(image, 2, 0, {0, 0, 0, 0}), kGlyphNormal);
  EXPECT_EQ(dest.At(0, 0), Numbered(1, 1, 0));
  EXPECT_EQ(dest.At(1, 2), Numbered(1, 2, 2));
  EXPECT_EQ(dest.At(2, 0), 0u);
}

TEST(DrawGlyph, AStateBeyondThePicturesDrawsTheLast) {
  const Image32 image = TwoPictures();
  Image32 dest = Filled(3, 3, 0);
  DrawGlyph(PixelRows(dest), 0, 0, 7, TacParentBg{}, MaskOver(image, 2, 0, {0, 0, 0, 0}), kGlyphNormal);
  EXPECT_EQ(dest.At(0, 0), Numbered(1, 0, 0));
}

TEST(DrawGlyph, AnOwnImageSmallerThanTheRectangleDrawsNothing) {
  const Image32 image = TwoPictures();
  TsMaskData mask = MaskOver(image, 2, 0, {0, 0, 0, 0});
  mask.Rect.Right = 7;
  Image32 dest = Filled(3, 3, 0);
  DrawGlyph(PixelRows(dest), 0, 0, 0, TacParentBg{}, mask, kGlyphNormal);
  EXPECT_EQ(dest.Pixels, Filled(3, 3, 0).Pixels);
}

// Mask red 100 (green 20, blue 0) over destination grey 200, alpha 55, image grey 50:
// kind 1: blue 50, green (200*20 + 50*236) >> 8 = 61, red (200*100 + 50*156) >> 8 = 108;
// alpha 55 + (200 * 155 >> 8) = 176. Kind 2 lifts the mask by 100: blue (200*100 + 50*156) >> 8
// = 108, green (200*120 + 50*136) >> 8 = 120, red (200*200 + 50*56) >> 8 = 167.
TEST(DrawGlyph, AMaskLayerBlendsAndFadedGlyphsShowMoreOfTheDestination) {
  const Image32 image = test::Picture(1, 2, [](int32_t, int32_t y) {
    return y == 0 ? Bgra(50, 50, 50, 255) : Bgra(0, 20, 100, 0);
  });
  const TsMaskData mask = MaskOver(image, 1, 1, {0, 0, 0, 0});
  Image32 dest = Filled(1, 1, Bgra(200, 200, 200, 55));
  DrawGlyph(PixelRows(dest), 0, 0, 0, TacParentBg{}, mask, kGlyphNormal);
  EXPECT_EQ(dest.At(0, 0), Bgra(50, 61, 108, 176));
  dest = Filled(1, 1, Bgra(200, 200, 200, 55));
  DrawGlyph(PixelRows(dest), 0, 0, 0, TacParentBg{}, mask, kGlyphFaded);
  EXPECT_EQ(dest.At(0, 0), Bgra(108, 120, 167, 176));
}

}  // namespace
}  // namespace velmora::skin
