// The skinned image's composition: its transparency, and a picture larger than the control.
#include <gtest/gtest.h>

#include "skin/controls/image_paint.h"
#include "tests/skin/paint/pixels.h"

namespace velmora::skin {
namespace {

using test::Bgra;

// The pixel blend weighs a whole alpha as 255 of 256, so a copy may lose one step per channel.
void ExpectNear(uint32_t a, uint32_t b) {
  for (int c = 0; c < 3; ++c) EXPECT_NEAR(int(Channel(a, c)), int(Channel(b, c)), 1) << c;
}

const uint32_t kBehind = Bgra(10, 20, 30, 255), kPicture = Bgra(200, 100, 50, 255);

uint32_t Composed(int32_t blend, int32_t x, int32_t y) {
  Image32 cache = MakeImage(4, 4);
  const Image32 picture = test::Filled(2, 2, kPicture);
  TacParentBg parent;
  parent.FillColor = kBehind & 0xFFFFFF;
  ComposeImage(PixelRows(cache), nullptr, {.Blend = blend}, parent, PixelRows(picture));
  return cache.At(x, y) & 0xFFFFFF;
}

TEST(ImageComposition, BlendZeroCopiesThePictureAndHundredLeavesTheBackground) {
  ExpectNear(Composed(0, 1, 1), kPicture);
  ExpectNear(Composed(100, 1, 1), kBehind);
  // Without a section only what lies behind is under and around the picture.
  EXPECT_EQ(Composed(0, 3, 3), kBehind & 0xFFFFFF);
}

TEST(ImageComposition, TheWindowsBlendKeepsAFaintPicture) {
  const uint32_t mixed = Composed(93, 0, 0);
  // 7 % of the picture over the background, channel by channel, within rounding.
  const uint32_t expected[] = {10 + (200 - 10) * 7 / 100, 20 + (100 - 20) * 7 / 100,
                               30 + (50 - 30) * 7 / 100};
  for (int c = 0; c < 3; ++c) EXPECT_NEAR(int(Channel(mixed, c)), int(expected[c]), 2) << c;
}

TEST(ImageComposition, ALargerPictureIsDrawnAtItsNaturalSizeFromTheCornerAndClipped) {
  // The window's 764 x 537 background and its 800 x 600 photograph.
  Image32 cache = MakeImage(764, 537);
  Image32 picture = MakeImage(800, 600);
  for (int32_t y = 0; y < 600; ++y)
    for (int32_t x = 0; x < 800; ++x) picture.At(x, y) = Bgra(x & 0xFF, y & 0xFF, 7, 255);
  TacParentBg parent;
  parent.FillColor = 0;
  ComposeImage(PixelRows(cache), nullptr, {}, parent, PixelRows(picture));
  ExpectNear(cache.At(0, 0), picture.At(0, 0));
  ExpectNear(cache.At(763, 536), picture.At(763, 536));
  ExpectNear(cache.At(400, 300), picture.At(400, 300));
  // Centred, the picture's middle lands in the control's middle.
  ComposeImage(PixelRows(cache), nullptr, {.Center = true}, parent, PixelRows(picture));
  ExpectNear(cache.At(382, 268), picture.At(400, 299));
}

}  // namespace
}  // namespace velmora::skin
