// Golden values worked out by hand from the transforms' formulas.
#include "skin/paint/colour_transforms.h"

#include <gtest/gtest.h>

namespace velmora::skin {
namespace {

TEST(ColourTransforms, BrightenMovesEachByteByItsOwnShare) {
  // R 100, G 200, B 16: +64 adds c * 64 >> 8 (25, 50, 4); -128 takes c * 128 >> 8 away.
  EXPECT_EQ(Brighten(0x8064C810u, 64), 0x807DFA14u);
  EXPECT_EQ(Brighten(0x8064C810u, -128), 0x80326408u);
  EXPECT_EQ(Brighten(0x0000C800u, 255), 0x0000FF00u);  // 200 + 199 stops at 255
  EXPECT_EQ(Brighten(0x00FFFFFFu, -255), 0x00010101u);
  EXPECT_EQ(Brighten(0x12345678u, 0), 0x12345678u);
}

TEST(ColourTransforms, SaturateWeighsRedGreenBlueAsTheirGrey) {
  // R 200, G 100, B 50: grey = round(59.8 + 58.7 + 5.7) = 124.
  // +100: (355 c - 100 * 124) >> 8 gives 228, 90, 20.
  EXPECT_EQ(Saturate(0xFFC86432u, 100), 0xFFE45A14u);
  // -255: 255 * 124 >> 8 = 123 in every channel.
  EXPECT_EQ(Saturate(0x40C86432u, -255), 0x407B7B7Bu);
  // +255: red past 65535 stops at 255, blue below 0 at 0, green (51000 - 31620) >> 8 = 75.
  EXPECT_EQ(Saturate(0xFFC86432u, 255), 0xFFFF4B00u);
  EXPECT_EQ(Saturate(0xFFC86432u, 0), 0xFFC86432u);
}

TEST(ColourTransforms, SaturateGivesRedItsWeightInColourValuesToo) {
  // The same colour written as a colour value: red in the low byte.
  EXPECT_EQ(Saturate(0x003264C8u, 100, ValueKind::Colour), 0x00145AE4u);
}

TEST(ColourTransforms, RotateHueKeepsValueAndSaturation) {
  // R 200, G 100, B 50: V 200, S 0.75, H 20. +10 is 30 degrees: sector 0, f 0.5,
  // p = 200 * 0.25 = 50, t = 200 * (1 - 0.5 * 0.75) = 125.
  EXPECT_EQ(RotateHue(0xFFC86432u, 10), 0xFFC87D32u);
  // -50 is 330 degrees: sector 5, f 0.5, q = 125: (V, p, q).
  EXPECT_EQ(RotateHue(0x80C86432u, -50), 0x80C8327Du);
  EXPECT_EQ(RotateHue(0xFFFF0000u, 120), 0xFF00FF00u);  // red turns green
  EXPECT_EQ(RotateHue(0xFFFF0000u, 360), 0xFFFF0000u);
  EXPECT_EQ(RotateHue(0xFF808080u, 90), 0xFF808080u);  // grey has no hue
  EXPECT_EQ(RotateHue(0xFF000000u, 90), 0xFF000000u);
}

TEST(ColourTransforms, RotateHueOnAColourValueTurnsTheSameHue) {
  EXPECT_EQ(RotateHue(0x003264C8u, 10, ValueKind::Colour), 0x00327DC8u);
  EXPECT_EQ(RotateHue(0x000000FFu, 120, ValueKind::Colour), 0x0000FF00u);
}

TEST(ColourTransforms, ToneByValueTakesTheToneAtTheBrightestChannel) {
  // Brightest channel 0x80: tone FF, 80, 00 becomes 127, 64, 0; the input's alpha stays.
  EXPECT_EQ(ToneByValue(0x40208040u, 0x00FF8000u), 0x407F4000u);
  EXPECT_EQ(ToneByValue(0xFF000000u, 0x00FFFFFFu), 0xFF000000u);
}

}  // namespace
}  // namespace velmora::skin
