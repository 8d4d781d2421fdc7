#include <gtest/gtest.h>

#include "skin/paint/blend.h"
#include "skin/paint/colour.h"
#include "skin/paint/draw_with_alpha.h"
#include "skin/paint/fill.h"
#include "skin/paint/pixel_transform.h"
#include "tests/skin/paint/pixels.h"

namespace velmora::skin {
namespace {

using test::Bgra;
using test::Filled;

TEST(Colours, SwapExchangesRedAndBlue) {
  // 2972986 = 0x2D5D3A: red 0x3A, green 0x5D, blue 0x2D; as a pixel 0x003A5D2D.
  EXPECT_EQ(Swap(2972986u), 0x003A5D2Du);
  EXPECT_EQ(Swap(0x11223344u), 0x11443322u);
  EXPECT_EQ(Swap(kKeyColour), kKeyColour);
}

TEST(Colours, SystemColoursResolveThroughTheSource) {
  SetSystemColourSource([](int n) { return n == 15 ? 0x00112233u : 0u; });
  EXPECT_EQ(ResolveColour(0xFF00000Fu), 0x00112233u);
  EXPECT_EQ(ResolveColour(0x00ABCDEFu), 0x00ABCDEFu);
  EXPECT_EQ(ResolveColour(kNoColour), kNoColour);
  SetSystemColourSource(nullptr);
}

TEST(PaintSolid32, FillsTheClippedRectangleWithTheSwappedColour) {
  Image32 image = Filled(4, 3, 0);
  PaintSolid32(PixelRows(image), {2, -5, 9, 2}, 0x00102030u, 0x80);
  for (int32_t y = 0; y < 3; ++y)
    for (int32_t x = 0; x < 4; ++x)
      EXPECT_EQ(image.At(x, y), x >= 2 && y < 2 ? 0x80302010u : 0u) << x << "," << y;
}

// Pixel blue 200, green 100, red 50 under colour value 0x00102030 (red 48, green 32, blue 16).
TEST(WeighColorInto, WeighsEachChannelAtTheEdgesAndTheMiddle) {
  const uint32_t pixel = Bgra(200, 100, 50, 77);
  struct Case {
    uint8_t w;
    uint32_t expected;
  } cases[] = {
      // w 0: (k * 255) >> 8: 16 * 255 = 4080 -> 15, 32 * 255 = 8160 -> 31, 48 * 255 = 12240 -> 47.
      {0, Bgra(15, 31, 47, 77)},
      // w 128: (200*128 + 16*127) = 27632 -> 107; (100*128 + 32*127) = 16864 -> 65;
      // (50*128 + 48*127) = 12496 -> 48.
      {128, Bgra(107, 65, 48, 77)},
      // w 255: 200*255 = 51000 -> 199; 25500 -> 99; 12750 -> 49.
      {255, Bgra(199, 99, 49, 77)},
  };
  for (const Case& c : cases) {
    Image32 image = Filled(2, 2, pixel);
    WeighColorInto(PixelRows(image), {1, 1, 5, 5}, c.w, 0x00102030u);
    EXPECT_EQ(image.At(1, 1), c.expected) << int(c.w);
    EXPECT_EQ(image.At(0, 0), pixel);
  }
}

TEST(WeighColorInto, ResolvesSystemColours) {
  SetSystemColourSource([](int) { return 0x000000FFu; });  // red
  Image32 image = Filled(1, 1, Bgra(0, 0, 0, 255));
  WeighColorInto(PixelRows(image), {0, 0, 1, 1}, 0, 0xFF00000Fu);
  EXPECT_EQ(image.At(0, 0), Bgra(0, 0, 254, 255));  // 255 * 255 >> 8 = 254
  SetSystemColourSource(nullptr);
}

// Destination (200, 100, 50, 255) and source (0, 255, 10, 0), blue, green, red, alpha.
TEST(WeighBitmapInto, WeighsAllFourChannels) {
  struct Case {
    uint8_t w;
    uint32_t expected;
  } cases[] = {
      // w 0: (s * 256) >> 8 = s.
      {0, Bgra(0, 255, 10, 0)},
      // w 128: 200*128 >> 8 = 100; (100*128 + 255*128) = 45440 -> 177; (50+10)*128 = 7680 -> 30;
      // 255*128 = 32640 -> 127.
      {128, Bgra(100, 177, 30, 127)},
      // w 255: 51000 -> 199; 25500 + 255 = 25755 -> 100; 12750 + 10 = 12760 -> 49;
      // 255*255 = 65025 -> 254: white kept at full weight loses one step.
      {255, Bgra(199, 100, 49, 254)},
  };
  const Image32 source = Filled(2, 2, Bgra(0, 255, 10, 0));
  for (const Case& c : cases) {
    Image32 dest = Filled(3, 3, Bgra(200, 100, 50, 255));
    WeighBitmapInto(PixelRows(dest), PixelRows(source), c.w, 1, 1, {0, 0, 2, 2});
    EXPECT_EQ(dest.At(2, 2), c.expected) << int(c.w);
    EXPECT_EQ(dest.At(0, 0), Bgra(200, 100, 50, 255));
  }
}

TEST(WeighBitmapInto, ANegativeDestinationPointShiftsTheSourceStart) {
  const Image32 source = test::Picture(3, 1, [](int32_t x, int32_t) { return uint32_t(x + 1); });
  Image32 dest = Filled(3, 1, 0xFFFFFFFFu);
  WeighBitmapInto(PixelRows(dest), PixelRows(source), 0, -2, 0, {0, 0, 3, 1});
  EXPECT_EQ(dest.At(0, 0), 3u);  // source column 2 lands on column 0
  EXPECT_EQ(dest.At(1, 0), 0xFFFFFFFFu);
}

TEST(WeighColors, MixesTheLowBytesAndKeepsTheHighByteOfTheFirst) {
  // a: red 0, green 128, blue 255; b: red 128; w 128: red (128*127) = 16256 -> 63;
  // green 128*128 = 16384 -> 64; blue 255*128 = 32640 -> 127.
  EXPECT_EQ(WeighColors(0x11FF8000u, 0x00000080u, 128), 0x117F403Fu);
  EXPECT_EQ(WeighColors(0x00FFFFFFu, 0x00000000u, 255), 0x00FEFEFEu);
}

TEST(TintOver, TintsEveryPixelButTheKey) {
  Image32 image = Filled(2, 1, Bgra(100, 100, 100, 9));
  image.At(1, 0) = kKeyColour;
  // Colour value 0x000000FF is red 255. w 0: red 255*255 >> 8 = 254, blue and green 0.
  TintOver(PixelRows(image), 0, 0x000000FFu);
  EXPECT_EQ(image.At(0, 0), Bgra(0, 0, 254, 9));
  EXPECT_EQ(image.At(1, 0), kKeyColour);
}

TEST(StampAlpha, SetsAlphaAndSparesTheKey) {
  Image32 image = Filled(2, 1, 0x00123456u);
  image.At(1, 0) = kKeyColour;
  StampAlpha(PixelRows(image), {0, 0, 2, 1}, 0xFF, kKeyColour);
  EXPECT_EQ(image.At(0, 0), 0xFF123456u);
  EXPECT_EQ(image.At(1, 0), kKeyColour);
  StampAlpha(PixelRows(image), {0, 0, 2, 1}, 0x40, kNoColour);
  EXPECT_EQ(image.At(1, 0), 0x40FF00FFu);
}

// Panels stamp and premultiply their whole area even where it hangs out of the bitmap.
TEST(StampAlpha, ClipsARectangleThatLeavesTheBitmap) {
  Image32 image = Filled(3, 3, 0);
  StampAlpha(PixelRows(image), {-4, 1, 40, 70}, 0xFF, kNoColour);
  EXPECT_EQ(image.At(0, 0), 0u);
  EXPECT_EQ(image.At(2, 2), 0xFF000000u);
  EXPECT_EQ(image.Pixels.size(), 9u);
}

TEST(PremultiplyForLayer, ScalesByAlphaAndClipsTheRectangle) {
  Image32 image = Filled(3, 1, 0x00FFFFFFu);
  image.At(1, 0) = Bgra(200, 100, 50, 128);
  image.At(2, 0) = Bgra(250, 250, 250, 255);
  PremultiplyForLayer(PixelRows(image), {-10, -10, 10, 10}, true);
  EXPECT_EQ(image.At(0, 0), 0u);  // white with alpha 0 becomes 0
  // 200*128 >> 8 = 100, 100*128 >> 8 = 50, 50*128 >> 8 = 25.
  EXPECT_EQ(image.At(1, 0), Bgra(100, 50, 25, 128));
  EXPECT_EQ(image.At(2, 0), Bgra(249, 249, 249, 255));  // 250*255 >> 8 = 249
}

TEST(PremultiplyForLayer, WithoutCompositionNearWhiteStopsAt244) {
  Image32 image = Filled(2, 1, Bgra(250, 250, 250, 255));
  image.At(1, 0) = Bgra(250, 250, 240, 255);  // red not above 244: an ordinary pixel
  PremultiplyForLayer(PixelRows(image), {0, 0, 2, 1}, false);
  EXPECT_EQ(image.At(0, 0), Bgra(244, 244, 244, 255));
  EXPECT_EQ(image.At(1, 0), Bgra(249, 249, 239, 255));  // 240*255 >> 8 = 239
}

TEST(ForEachPixel, SparesTheSwappedColour) {
  Image32 image = Filled(2, 1, 0x00000001u);
  image.At(1, 0) = Swap(0x00030201u);
  ForEachPixel(PixelRows(image), [](uint32_t p) { return p + 1; }, 0x00030201u);
  EXPECT_EQ(image.At(0, 0), 2u);
  EXPECT_EQ(image.At(1, 0), Swap(0x00030201u));
}

// --- Drawing an image with its own alpha.
// Destination (100, 100, 100, 200); source (200, 0, 50, 128).
struct AlphaCase : ::testing::Test {
  Image32 dest = Filled(2, 1, Bgra(100, 100, 100, 200));
  Image32 source = Filled(2, 1, Bgra(200, 0, 50, 128));
  Image32 parentImage = Filled(4, 4, Bgra(1, 2, 3, 255));
  TacParentBg ready = ParentFromBitmap(PixelRows(parentImage), 1, 1);
  void Draw(const AlphaDrawing& how, const TacParentBg& parent) {
    DrawWithAlpha(PixelRows(dest), {0, 0, 2, 1}, PixelRows(source), {0, 0, 2, 1}, how, parent);
  }
};

TEST_F(AlphaCase, VisiblePixelsBlendByTheirAlpha) {
  Draw({}, ready);
  // w 128: blue (200*128 + 100*128) >> 8 = 150; green 100*128 >> 8 = 50;
  // red (50*128 + 100*128) >> 8 = 75; alpha max(200, 128) = 200.
  EXPECT_EQ(dest.At(0, 0), Bgra(150, 50, 75, 200));
}

TEST_F(AlphaCase, InvisiblePixelsTakeTheParentOrStay) {
  source.At(0, 0) = Bgra(9, 9, 9, 16);  // alpha not above 16
  source.At(1, 0) = kKeyColour;
  AlphaDrawing fill;
  fill.FillFromParent = true;
  Draw(fill, ready);
  EXPECT_EQ(dest.At(0, 0), Bgra(1, 2, 3, 255));
  EXPECT_EQ(dest.At(1, 0), Bgra(1, 2, 3, 255));
  dest = Filled(2, 1, Bgra(100, 100, 100, 200));
  Draw({}, ready);
  EXPECT_EQ(dest.At(0, 0), Bgra(100, 100, 100, 200));
}

TEST_F(AlphaCase, TransparencyScalesTheWeightAndKeepsAlpha) {
  AlphaDrawing half;
  half.Transparency = 50;
  Draw(half, ready);
  // w = 50 * 128 / 100 = 64: blue (200*64 + 100*192) = 32000 -> 125; green 19200 -> 75;
  // red (3200 + 19200) = 22400 -> 87.
  EXPECT_EQ(dest.At(0, 0), Bgra(125, 75, 87, 200));
}

TEST_F(AlphaCase, ATintLiftedToFullValueColoursByGrey) {
  // Tint red 128, green 64, blue 0: lifted by 127 to red 255, green 191, blue 127.
  // Source (blue 100, green 200, red 40, alpha 255): grey 40/4 + 200/2 + 100/4 = 135.
  // Targets: red 255*135/256 = 134, green 191*135/256 = 100, blue 127*135/256 = 66.
  // Over black with w 255: 66*255 >> 8 = 65, 100*255 >> 8 = 99, 134*255 >> 8 = 133; the record
  // is not Ready, so alpha 0 + (255 * 255 >> 8) = 254.
  dest = Filled(1, 1, 0);
  source = Filled(1, 1, Bgra(100, 200, 40, 255));
  AlphaDrawing tint;
  tint.Tint = 0x00004080u;
  DrawWithAlpha(PixelRows(dest), {0, 0, 1, 1}, PixelRows(source), {0, 0, 1, 1}, tint, TacParentBg{});
  EXPECT_EQ(dest.At(0, 0), Bgra(65, 99, 133, 254));
}

TEST_F(AlphaCase, AReflectionFadesBelowTheImage) {
  // Source 1 x 8, row r grey 30 r, opaque; destination 1 x 16 black. n = min(8/2 - 1, 16 - 8 - 1)
  // = 3. Row k goes to 8 + k from source row 8 - 1 - k; weight s.a * (n - k) / n * f / 512 with
  // f = 255, then 255 - 255/8 = 224.
  source = test::Picture(1, 8, [](int32_t, int32_t y) { return Bgra(30u * y, 0, 0, 255); });
  dest = Filled(1, 16, 0);
  AlphaDrawing reflect;
  reflect.Reflect = true;
  DrawWithAlpha(PixelRows(dest), {0, 0, 1, 8}, PixelRows(source), {0, 0, 1, 8}, reflect, ready);
  EXPECT_EQ(dest.At(0, 8), 0u);
  // k 1: 255*2/3 = 170, 170*255/512 = 84; source row 6 (180): 180*84 >> 8 = 59.
  EXPECT_EQ(dest.At(0, 9), Bgra(59, 0, 0, 0));
  // k 2: 255*1/3 = 85, 85*224/512 = 37; source row 5 (150): 150*37 >> 8 = 21.
  EXPECT_EQ(dest.At(0, 10), Bgra(21, 0, 0, 0));
  EXPECT_EQ(dest.At(0, 11), 0u);  // k 3: weight 0
}

}  // namespace
}  // namespace velmora::skin
