#include <gtest/gtest.h>

#include "skin/data/decoded_image.h"
#include "skin/data/skin_error.h"
#include "tests/skin/package_builder.h"

namespace velmora::skin {
namespace {

using test::Bytes;

Image32 Sample() {
  return test::Picture(5, 3, [](int32_t x, int32_t y) {
    return 0xFF000000u | uint32_t(x * 40) << 16 | uint32_t(y * 60) << 8 | uint32_t(x + y);
  });
}

TEST(BmpReader, ReadsTrueColourBottomUpAndTopDown) {
  const Image32 sample = Sample();
  for (const bool topDown : {false, true}) {
    const DecodedImage d24 = ReadBmp(test::EncodeBmp(sample, 24, topDown));
    EXPECT_FALSE(d24.HasAlpha);
    EXPECT_EQ(d24.Pixels.At(4, 2), sample.At(4, 2) & 0xFFFFFF);
    EXPECT_EQ(d24.Pixels.At(0, 0), sample.At(0, 0) & 0xFFFFFF);
  }
  Image32 translucent = sample;
  translucent.At(1, 1) = 0x80102030;
  const DecodedImage d32 = ReadBmp(test::EncodeBmp(translucent, 32));
  EXPECT_TRUE(d32.HasAlpha);
  EXPECT_EQ(d32.Pixels.Pixels, translucent.Pixels);
}

TEST(BmpReader, ReadsPalettedAndSixteenBitImages) {
  const Image32 grey =
      test::Picture(3, 2, [](int32_t x, int32_t y) { return uint32_t(x * 3 + y); });
  const DecodedImage d8 = ReadBmp(test::EncodeBmp(grey, 8));
  EXPECT_EQ(d8.Pixels.At(2, 1), 0x070707u);
  // A 2 x 2 one-bit image, rows bottom-up, palette black and white: the top row is white, black.
  const Bytes mono = {'B', 'M', 70, 0, 0,   0,   0,   0, 0,    0, 62, 0, 0,    0, 40, 0, 0, 0,
                      2,   0,   0,  0, 2,   0,   0,   0, 1,    0, 1,  0, 0,    0, 0,  0, 8, 0,
                      0,   0,   0,  0, 0,   0,   0,   0, 0,    0, 2,  0, 0,    0, 0,  0, 0, 0,
                      0,   0,   0,  0, 255, 255, 255, 0, 0x40, 0, 0,  0, 0x80, 0, 0,  0};
  const DecodedImage d1 = ReadBmp(mono);
  EXPECT_EQ(d1.Pixels.At(0, 0), 0xFFFFFFu);
  EXPECT_EQ(d1.Pixels.At(1, 0), 0u);
  EXPECT_EQ(d1.Pixels.At(1, 1), 0xFFFFFFu);
  // 16 bits, 5-5-5: one pixel of full red.
  const Bytes red16 = {'B', 'M', 58, 0, 0, 0, 0, 0, 0,  0, 54, 0, 0, 0, 40,   0,    0, 0, 1, 0,
                       0,   0,   1,  0, 0, 0, 1, 0, 16, 0, 0,  0, 0, 0, 4,    0,    0, 0, 0, 0,
                       0,   0,   0,  0, 0, 0, 0, 0, 0,  0, 0,  0, 0, 0, 0x00, 0x7C, 0, 0};
  EXPECT_EQ(ReadBmp(red16).Pixels.At(0, 0), 0xFF0000u);
}

TEST(BmpReader, ReadsRunLengthEncoding) {
  // 5 x 2, eight bits, palette blue and red: the bottom row five of index 1, then the top row
  // two of index 0 and an absolute run of indexes 1, 0, 1 (padded to an even length).
  Bytes rle = {'B', 'M', 0, 0, 0, 0, 0, 0, 0, 0, 62, 0, 0,   0, 40, 0, 0, 0, 5,   0, 0,
               0,   2,   0, 0, 0, 1, 0, 8, 0, 1, 0,  0, 0,   0, 0,  0, 0, 0, 0,   0, 0,
               0,   0,   0, 0, 2, 0, 0, 0, 0, 0, 0,  0, 255, 0, 0,  0, 0, 0, 255, 0};
  rle.insert(rle.end(), {5, 1, 0, 0, 2, 0, 0, 3, 1, 0, 1, 0, 0, 1});
  const DecodedImage d = ReadBmp(rle);
  EXPECT_EQ(d.Pixels.At(0, 1), 0xFF0000u);
  EXPECT_EQ(d.Pixels.At(4, 1), 0xFF0000u);
  EXPECT_EQ(d.Pixels.At(1, 0), 0x0000FFu);
  EXPECT_EQ(d.Pixels.At(2, 0), 0xFF0000u);
  EXPECT_EQ(d.Pixels.At(3, 0), 0x0000FFu);
  EXPECT_EQ(d.Pixels.At(4, 0), 0xFF0000u);
}

TEST(BmpReader, RejectsTruncatedAndOversizedImages) {
  Bytes bmp = test::EncodeBmp(Sample(), 24);
  bmp.resize(bmp.size() - 4);
  EXPECT_THROW(ReadBmp(bmp), SkinError);
  Bytes huge = test::EncodeBmp(Sample(), 24);
  huge[18] = huge[19] = huge[20] = 0xFF;  // width near 16 million
  huge[21] = 0;
  EXPECT_THROW(ReadBmp(huge), SkinError);
  EXPECT_THROW(ReadBmp(Bytes{'B', 'M', 1}), SkinError);
}

// Widths whose rows take 2^32 bytes: a row size computed in 32 bits wraps to 0.
TEST(BmpReader, RejectsWidthsWhoseRowSizeWouldWrapBeforeSizingRows) {
  for (const auto& [bitCount, width] : {std::pair{32, 1u << 27}, {8, 1u << 29}, {4, 1u << 30}}) {
    Bytes wide = test::EncodeBmp(Sample(), bitCount == 32 ? 32 : 8);
    for (int i = 0; i < 4; ++i) wide[18 + i] = uint8_t(width >> (8 * i));
    wide[28] = uint8_t(bitCount);
    try {
      ReadBmp(wide);
      ADD_FAILURE() << bitCount << " bits";
    } catch (const SkinError& e) {
      EXPECT_NE(std::string(e.what()).find("too large"), std::string::npos) << e.what();
    }
  }
}

TEST(PngReader, ReadsAlphaAndOpaqueImages) {
  Image32 sample = Sample();
  sample.At(2, 1) = 0x40FF00FF;
  const DecodedImage alpha = ReadPng(test::EncodePng(sample, true));
  EXPECT_TRUE(alpha.HasAlpha);
  EXPECT_EQ(alpha.Pixels.Pixels, sample.Pixels);
  const DecodedImage opaque = ReadPng(test::EncodePng(sample, false));
  EXPECT_FALSE(opaque.HasAlpha);
  EXPECT_EQ(opaque.Pixels.At(4, 2), sample.At(4, 2));
}

TEST(PngReader, RefusesBombsBeforeDecoding) {
  Bytes png = test::EncodePng(Sample(), true);
  png[16] = 0x00, png[17] = 0x00, png[18] = 0x7F, png[19] = 0xFF;  // width 32767
  png[20] = 0x00, png[21] = 0x00, png[22] = 0x7F, png[23] = 0xFF;  // height 32767
  EXPECT_THROW(ReadPng(png), SkinError);
  EXPECT_THROW(ReadPng(Bytes{0x89, 'P', 'N', 'G'}), SkinError);
}

TEST(JpegReader, ReadsBaselineAndProgressiveImages) {
  const Image32 flat = test::Picture(16, 8, [](int32_t, int32_t) { return 0xFF336699u; });
  for (const bool progressive : {false, true}) {
    const DecodedImage d = ReadJpeg(test::EncodeJpeg(flat, 100, progressive));
    EXPECT_FALSE(d.HasAlpha);
    ASSERT_EQ(d.Pixels.Width, 16);
    const uint32_t p = d.Pixels.At(7, 5);
    EXPECT_NEAR(int(p >> 16 & 0xFF), 0x33, 3);
    EXPECT_NEAR(int(p & 0xFF), 0x99, 3);
  }
}

TEST(JpegReader, FailsCleanlyOnDamagedOrHugeImages) {
  Bytes jpeg = test::EncodeJpeg(Sample());
  EXPECT_THROW(ReadJpeg(Bytes(jpeg.begin(), jpeg.begin() + 20)), SkinError);
  EXPECT_THROW(ReadJpeg(test::Bytes{0xFF, 0xD8, 0xFF}), SkinError);
  // Frame header (SOF0) height and width bytes set to 65000 x 65000.
  for (size_t i = 0; i + 8 < jpeg.size(); ++i) {
    if (jpeg[i] == 0xFF && jpeg[i + 1] == 0xC0) {
      jpeg[i + 5] = jpeg[i + 7] = 0xFD;
      jpeg[i + 6] = jpeg[i + 8] = 0xE8;
      break;
    }
  }
  EXPECT_THROW(ReadJpeg(jpeg), SkinError);
}

}  // namespace
}  // namespace velmora::skin
