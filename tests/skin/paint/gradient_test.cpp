#include "skin/paint/gradient.h"

#include <gtest/gtest.h>

#include "tests/skin/paint/pixels.h"

namespace velmora::skin {
namespace {

using test::Bgra;
using test::Filled;
using test::kUntouched;

// Stops of colour values at positions; mode on stop 0.
TsGradArray Stops(std::initializer_list<std::pair<uint32_t, uint8_t>> stops, uint32_t mode = 0) {
  TsGradArray array;
  for (const auto& [colour, position] : stops)
    array.push_back({int16_t(array.size()), 0, colour | 0xFF000000u, position});
  array[0].Mode = mode;
  return array;
}

uint32_t Red(uint32_t r) { return Bgra(0, 0, r, 255); }

TEST(Gradient, EqualColoursFillPlainly) {
  // 8454016 = 0x80FF80: red 0x80, green 0xFF, blue 0x80.
  const TsGradArray stops = DecodeGradientText("8454016;8454016;97;0;0;8454016;8454016;0;0;0");
  Image32 image = Filled(3, 4, kUntouched);
  PaintGradient(PixelRows(image), {0, 0, 3, 4}, stops);
  EXPECT_EQ(image.Pixels, Filled(3, 4, Bgra(0x80, 0xFF, 0x80, 255)).Pixels);
}

TEST(Gradient, NoSegmentPaintsNothing) {
  Image32 image = Filled(3, 3, kUntouched);
  PaintGradient(PixelRows(image), {0, 0, 3, 3}, Stops({{0xFF, 100}}));               // one stop
  PaintGradient(PixelRows(image), {0, 1, 3, 2}, Stops({{0, 0}, {0xFF, 100}}));       // one row
  PaintGradient(PixelRows(image), {1, 0, 2, 3}, Stops({{0, 0}, {0xFF, 100}}, 1));    // one column
  PaintGradient(PixelRows(image), {0, 0, 3, 3}, Stops({{0, 0}, {0xFF, 100}}, 3));    // no direction
  EXPECT_EQ(image.Pixels, Filled(3, 3, kUntouched).Pixels);
}

TEST(Gradient, VerticalStepsPerRowAndRoundsHalvesToEven) {
  Image32 image = Filled(1, 5, kUntouched);
  // Red 0 to 100 over rows 0..4: 25 per row.
  PaintGradient(PixelRows(image), {0, 0, 1, 5}, Stops({{0, 0}, {100, 100}}));
  for (int32_t y = 0; y < 5; ++y) EXPECT_EQ(image.At(0, y), Red(25u * y));
  // Red 0 to 1: 0, 0.25, 0.5 (to even: 0), 0.75, 1.
  PaintGradient(PixelRows(image), {0, 0, 1, 5}, Stops({{0, 0}, {1, 100}}));
  EXPECT_EQ(image.At(0, 2), Red(0));
  EXPECT_EQ(image.At(0, 3), Red(1));
}

// Stops at 0, 100 and 100 over rows 2..5: the first segment would end at 2 + 4 = 6, one row below
// the rectangle; it ends at row 5.
TEST(Gradient, AMiddleSegmentStaysInsideItsRectangle) {
  Image32 image = Filled(1, 10, kUntouched);
  PaintGradient(PixelRows(image), {0, 2, 1, 6}, Stops({{0, 0}, {30, 100}, {30, 100}}));
  EXPECT_EQ(image.At(0, 1), kUntouched);
  EXPECT_EQ(image.At(0, 2), Red(0));
  EXPECT_EQ(image.At(0, 5), Red(30));  // 10 per row over rows 2..5
  EXPECT_EQ(image.At(0, 6), kUntouched);
}

// Positions may run backwards in the three-word form. Over 5 rows, steps of +10, +10 and -20
// percent move 0, 0 and -1 rows: the end would climb above the rectangle; it stops at its top.
TEST(Gradient, BackwardPositionsStayInsideTheRectangle) {
  for (uint32_t direction : {0u, 1u}) {
    Image32 image = Filled(10, 10, kUntouched);
    PaintGradient(PixelRows(image), {2, 2, 7, 7},
                  Stops({{0, 0}, {50, 10}, {60, 20}, {70, 0}, {90, 100}}, direction));
    for (int32_t y = 0; y < 10; ++y)
      for (int32_t x = 0; x < 10; ++x) {
        const bool inside = x >= 2 && x < 7 && y >= 2 && y < 7;
        if (!inside) {
          EXPECT_EQ(image.At(x, y), kUntouched) << x << "," << y;
        }
      }
    EXPECT_EQ(image.At(6, 6), Red(90));
  }
}

TEST(Gradient, ARectangleTallerThanTheBitmapEndsOnTheLastStop) {
  Image32 image = Filled(1, 5, kUntouched);
  PaintGradient(PixelRows(image), {0, 0, 1, 40}, Stops({{0, 0}, {80, 100}}));
  EXPECT_EQ(image.At(0, 0), Red(0));
  EXPECT_EQ(image.At(0, 4), Red(80));
}

TEST(Gradient, HorizontalLeavesTheColumnAtTheRightEdge) {
  Image32 image = Filled(6, 2, kUntouched);
  // Red 0 to 90 over columns 0..3: 30 per column.
  PaintGradient(PixelRows(image), {0, 0, 4, 2}, Stops({{0, 0}, {90, 100}}, 1));
  for (int32_t y = 0; y < 2; ++y) {
    for (int32_t x = 0; x < 4; ++x) EXPECT_EQ(image.At(x, y), Red(30u * x));
    EXPECT_EQ(image.At(4, y), kUntouched);
  }
}

// Stops 0, 50, 100 over 5 columns: the first segment ends at round(2.5) = 2 (halves to even),
// red 0 to 100 over columns 0..2; the second from 100 to 0 over 2..4.
TEST(Gradient, HorizontalSegmentEndsAreRounded) {
  Image32 image = Filled(5, 1, kUntouched);
  PaintGradient(PixelRows(image), {0, 0, 5, 1}, Stops({{0, 0}, {100, 50}, {0, 100}}, 1));
  const uint32_t expected[] = {0, 50, 100, 50, 0};
  for (int32_t x = 0; x < 5; ++x) EXPECT_EQ(image.At(x, 0), Red(expected[x])) << x;
}

// Corners at (0,0), (3,0), (3,3), (0,3) red 0, the centre (1,1) red 200. Pixel (2,1) lies in the
// right triangle with the centre's weight 1/2: red 100; (1,0) on the top edge: 0.
TEST(Gradient, FourCornersShadeTrianglesFromTheCentre) {
  Image32 image = Filled(3, 3, kUntouched);
  PaintGradient(PixelRows(image), {0, 0, 3, 3}, Stops({{0, 0}, {200, 0}, {0, 0}, {0, 0}, {0, 100}}, 2));
  EXPECT_EQ(image.At(1, 1), Red(200));
  EXPECT_EQ(image.At(2, 1), Red(100));
  EXPECT_EQ(image.At(1, 0), Red(0));
  Image32 few = Filled(3, 3, kUntouched);
  PaintGradient(PixelRows(few), {0, 0, 3, 3}, Stops({{0, 0}, {200, 0}, {0, 100}}, 2));
  EXPECT_EQ(few.Pixels, Filled(3, 3, kUntouched).Pixels);
}

// Texture columns black and white, weight 128, over grey 100: (0 + 100*128) >> 8 = 50 and
// (255*128 + 100*128) >> 8 = 177. Columns follow the bitmap's coordinates: column 1 is white.
TEST(GradientWithTexture, VerticalBlendsEveryRowWithTheTiledTexture) {
  const Image32 texture = test::Picture(2, 1, [](int32_t x, int32_t) {
    return x ? Bgra(255, 255, 255, 255) : Bgra(0, 0, 0, 255);
  });
  Image32 image = Filled(4, 3, kUntouched);
  PaintGradientWithTexture(PixelRows(image), {1, 0, 4, 3}, Stops({{0x646464, 0}, {0x646464, 100}}), 0xAB,
                           128, {}, PixelRows(texture));
  EXPECT_EQ(image.At(0, 0), kUntouched);
  for (int32_t y = 0; y < 3; ++y) {
    EXPECT_EQ(image.At(1, y), Bgra(177, 177, 177, 0xAB));
    EXPECT_EQ(image.At(2, y), Bgra(50, 50, 50, 0xAB));
  }
}

// Horizontal red 0 -> 100 over 3 columns (0, 50, 100); texture rows blue 0 and blue 200, weight
// 64: red (r * 192) >> 8 gives 0, 37, 75; blue (0 or 200*64) >> 8 = 0 or 50. Rows repeat by band.
TEST(GradientWithTexture, HorizontalRepeatsItsBandDownwards) {
  const Image32 texture = test::Picture(1, 2, [](int32_t, int32_t y) { return Bgra(y ? 200 : 0, 0, 0, 255); });
  Image32 image = Filled(3, 5, kUntouched);
  PaintGradientWithTexture(PixelRows(image), {0, 0, 3, 5}, Stops({{0, 0}, {100, 100}}, 1), 255, 64, {},
                           PixelRows(texture));
  const uint32_t reds[] = {0, 37, 75};
  for (int32_t y = 0; y < 5; ++y)
    for (int32_t x = 0; x < 3; ++x) EXPECT_EQ(image.At(x, y), Bgra(y % 2 ? 50 : 0, 0, reds[x], 255));
}

}  // namespace
}  // namespace velmora::skin
