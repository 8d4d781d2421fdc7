#include <gtest/gtest.h>

#include <vector>

#include "skin/paint/blur.h"
#include "skin/paint/resample.h"
#include "tests/skin/paint/pixels.h"

namespace velmora::skin {
namespace {

// A step edge four columns wide (0, 0, 255, 255), two rows, grey and opaque.
Image32 StepEdge() {
  return test::Picture(4, 2, [](int32_t x, int32_t) {
    const uint32_t v = x < 2 ? 0 : 255;
    return test::Bgra(v, v, v, 255);
  });
}

std::vector<uint32_t> Greys(const Image32& image) {
  std::vector<uint32_t> row;
  for (int32_t x = 0; x < image.Width; ++x) {
    EXPECT_EQ(image.At(x, 0), image.At(x, 1)) << "rows differ at " << x;
    row.push_back(image.At(x, 0) & 0xFF);
  }
  return row;
}

// Upscaling 4 -> 8: target i has centre i / 2 and scale 1; contributors within the radius, mirrored
// at the ends (j = 4 reads column 3); weights round(kernel(x) * 65536); sums >> 16. The two equal
// rows pass the vertical step unchanged: each kernel's weights at 0 and +-1 add up to 65536 or
// (B-spline) 65537, which clamps to 255.
TEST(ResampleSmooth, EachFilterOnAStepEdge) {
  struct Case {
    int filter;
    std::vector<uint32_t> expected;
  } cases[] = {
      // Triangle: x = 0.5 weighs 32768: column 3 is (0 + 255) * 32768 >> 16 = 127.
      {kTriangleFilter, {0, 0, 0, 127, 255, 255, 255, 255}},
      // (2x - 3)x^2 + 1 at 0.5 is 0.5 as well.
      {kHermiteFilter, {0, 0, 0, 127, 255, 255, 255, 255}},
      // Bell: k(0) 0.75 = 49152, k(0.5) 0.5 = 32768, k(1) 0.125 = 8192. Column 2: 255 * 8192 >> 16
      // = 31; column 4: 255 * (49152 + 8192) >> 16 = 223.
      {kBellFilter, {0, 0, 31, 127, 223, 255, 255, 255}},
      // B-spline: k(0) 43691, k(0.5) 31403, k(1) 10923, k(1.5) 1365. Column 1: 255 * 1365 >> 16 = 5;
      // 2: 255 * 10923 >> 16 = 42; 3: 255 * 32768 >> 16 = 127; 4: 255 * 54614 >> 16 = 212;
      // 5: 255 * 64171 >> 16 = 249.
      {kBSplineFilter, {0, 5, 42, 127, 212, 249, 255, 255}},
      // Windowed sine: k(0.5) 39841, k(1.5) -8854, k(2.5) 1594, 0 at whole numbers. Column 1 sums
      // below 0; 3: 255 * (1594 - 8854 + 39841) >> 16 = 126; 7: 255 * (2 * 39841 - 2 * 8854) >> 16
      // = 241 (the mirrored column 1 is dark).
      {kWindowedSineFilter, {0, 0, 0, 126, 255, 255, 255, 241}},
      // Mitchell: k(0) 58254, k(0.5) 35044, k(1) 3641, k(1.5) -2276. Column 2: 255 * 3641 >> 16 =
      // 14; 3: 255 * 32768 >> 16 = 127; 4: 255 * 61895 >> 16 = 240; 5 sums above 0xFF0001: 255.
      {kMitchellFilter, {0, 0, 14, 127, 240, 255, 255, 255}},
  };
  for (const Case& c : cases) {
    Image32 out;
    ResampleSmooth(PixelRows(StepEdge()), out, 8, c.filter, 2);
    ASSERT_EQ(out.Width, 8);
    EXPECT_EQ(Greys(out), c.expected) << "filter " << c.filter;
  }
}

// The box filter at 4 -> 12: centres i / 3 each have one source within half a pixel.
TEST(ResampleSmooth, TheBoxFilterPicksTheNearestColumn) {
  Image32 out;
  ResampleSmooth(PixelRows(StepEdge()), out, 12, kBoxFilter, 2);
  EXPECT_EQ(Greys(out), (std::vector<uint32_t>{0, 0, 0, 0, 0, 255, 255, 255, 255, 255, 255, 255}));
}

TEST(ResampleSmooth, DegenerateSizesDoNothingAndEqualSizesCopy) {
  const Image32 source = StepEdge();
  Image32 out = test::Filled(3, 3, 7);
  ResampleSmooth(PixelRows(source), out, 1, kMitchellFilter, 5);
  ResampleSmooth(PixelRows(source), out, 5, kMitchellFilter, 0);
  ResampleSmooth(PixelRows(test::Filled(1, 9, 0)), out, 5, kMitchellFilter, 5);
  EXPECT_EQ(out.Width, 3);
  ResampleSmooth(PixelRows(source), out, 4, kMitchellFilter, 2);
  EXPECT_EQ(out.Pixels, source.Pixels);
}

TEST(StretchCopy, TakesThePixelUnderEachPositionAndClips) {
  const Image32 source = test::Picture(2, 1, [](int32_t x, int32_t) { return uint32_t(x + 1); });
  Image32 dest = test::Filled(3, 1, 0);
  StretchCopy(PixelRows(dest), {-1, 0, 3, 1}, PixelRows(source), {0, 0, 2, 1});
  // Destination columns -1..2 map to source columns 0, 0, 1, 1.
  EXPECT_EQ(dest.Pixels, (std::vector<uint32_t>{1, 2, 2}));
}

// Radius 0.5: taps exp(-2 k^2) normalised; the tails beyond 1 drop less than 1/510, so three taps
// remain: 0.786986 and 0.106507 each side. An impulse of 255: row pass 27, 201, 27; column pass of
// 201 gives 21, 158, 21 and of 27 gives 3, 21, 3.
TEST(BlurGray8, BlursAnImpulseWithTheShortenedKernel) {
  Gray8 image{5, 5, std::vector<uint8_t>(25, 0)};
  image.At(2, 2) = 255;
  BlurGray8(image, 0.5);
  const std::vector<uint8_t> expected = {0, 0,  0,   0,  0,  //
                                         0, 3,  21,  3,  0,  //
                                         0, 21, 158, 21, 0,  //
                                         0, 3,  21,  3,  0,  //
                                         0, 0,  0,   0,  0};
  EXPECT_EQ(image.Pixels, expected);
}

TEST(BlurGray8, EdgesRepeatSoAFlatImageStaysFlat) {
  Gray8 image{7, 3, std::vector<uint8_t>(21, 90)};
  BlurGray8(image, 6);
  EXPECT_EQ(image.Pixels, std::vector<uint8_t>(21, 90));
}

}  // namespace
}  // namespace velmora::skin
