#include <gtest/gtest.h>

#include "skin/data/mask_data.h"
#include "skin/data/skin_error.h"

namespace velmora::skin {
namespace {

TEST(MaskValue, DecodesTheRectangleForm) {
  const MaskText t = DecodeMaskValue("@0000@0034@0072@0084@3@1").value();
  EXPECT_EQ(t.Mask.Rect, (MaskRect{0, 34, 72, 84}));
  EXPECT_EQ(t.Mask.FrameCount, 3);
  EXPECT_EQ(t.Mask.MaskLayout, 1);
  EXPECT_EQ(t.Mask.Kind, kGlyph);
  EXPECT_TRUE(t.ImageName.empty());
}

TEST(MaskValue, DecodesTheBordersFormAndKeepsNonZeroWidths) {
  const TsMaskData m = DecodeMaskValue("^0258^0014^0262^0015^0002^0000^0000^0000^1^0^1^1")->Mask;
  EXPECT_EQ(m.Rect, (MaskRect{258, 14, 262, 15}));
  EXPECT_EQ(m.LeftWidth, 2);
  EXPECT_EQ(m.TopWidth + m.RightWidth + m.BottomWidth, 0);
  EXPECT_EQ(m.FrameCount, 1);
  EXPECT_EQ(m.MaskLayout, 0);
  EXPECT_EQ(m.DrawMode, 1);
  EXPECT_EQ(m.BorderWidth, 1);
  EXPECT_EQ(m.Kind, kBordersMask);
}

TEST(MaskValue, BordersWithoutWidthsTakeTheBorderWidthOrAThirdOfTheFrame) {
  const TsMaskData third =
      DecodeMaskValue("^0000^0000^0005^0005^0000^0000^0000^0000^1^0^0^0")->Mask;
  EXPECT_EQ(third.LeftWidth, 1);
  EXPECT_EQ(third.TopWidth, 1);
  EXPECT_EQ(third.RightWidth, 1);
  EXPECT_EQ(third.BottomWidth, 1);
  const TsMaskData common =
      DecodeMaskValue("^0000^0000^0030^0030^0000^0000^0000^0000^1^0^0^4")->Mask;
  EXPECT_EQ(common.LeftWidth, 4);
  EXPECT_EQ(common.BottomWidth, 4);
}

TEST(MaskValue, ZeroFramesCountAsOneInsteadOfDividingByZero) {
  const TsMaskData m = DecodeMaskValue("^0000^0000^0030^0060^0000^0000^0000^0000^0^1^0^0")->Mask;
  EXPECT_EQ(m.LeftWidth, 10);
  EXPECT_EQ(m.TopWidth, 10);
  MaskText shortForm = DecodeMaskValue("!A.BMP!0!-1").value();
  EXPECT_TRUE(shortForm.WidthsFromFrames);
  shortForm.Mask.Rect = {0, 0, 30, 60};
  SetWidthsFromFrames(shortForm.Mask);
  EXPECT_EQ(shortForm.Mask.LeftWidth, 10);
  EXPECT_EQ(shortForm.Mask.TopWidth, 20);
  MaskText wrapped = DecodeMaskValue("!A.BMP!65536").value();  // 16 bits of zero
  EXPECT_EQ(wrapped.Mask.FrameCount, 0);
  wrapped.Mask.Rect = {0, 0, 9, 9};
  SetWidthsFromFrames(wrapped.Mask);
  EXPECT_EQ(wrapped.Mask.LeftWidth, 3);
}

TEST(MaskValue, DecodesTheTextureForm) {
  const MaskText t = DecodeMaskValue("~0322~0019~0325~0025~10~1").value();
  EXPECT_EQ(t.Mask.Rect, (MaskRect{322, 19, 325, 25}));
  EXPECT_EQ(t.Mask.DrawMode, 10);
  EXPECT_EQ(t.Mask.MaskLayout, 1);
  EXPECT_EQ(t.Mask.Kind, kTexture);
  EXPECT_EQ(t.Mask.FrameCount, 1);
  EXPECT_EQ(DecodeMaskValue("~0327~0000~0565~0232~00")->Mask.MaskLayout, 0);
  const MaskText named = DecodeMaskValue("~0000~0000~0010~0010~00~0~WOOD.BMP").value();
  EXPECT_EQ(named.ImageName, "WOOD.BMP");
  EXPECT_FALSE(named.NeedsImage);
}

TEST(MaskValue, DecodesTheExternalImageForm) {
  const MaskText huge = DecodeMaskValue("!BUTTONHUGE.BMP!3!1!0!0031!0031!0032!0032!5").value();
  EXPECT_EQ(huge.ImageName, "BUTTONHUGE.BMP");
  EXPECT_TRUE(huge.WholeImage);
  EXPECT_EQ(huge.Mask.Kind, kBordersMask);
  EXPECT_EQ(huge.Mask.FrameCount, 3);
  EXPECT_EQ(huge.Mask.MaskLayout, 1);
  EXPECT_EQ(huge.Mask.LeftWidth, 31);
  EXPECT_EQ(huge.Mask.TopWidth, 31);
  EXPECT_EQ(huge.Mask.RightWidth, 32);
  EXPECT_EQ(huge.Mask.BottomWidth, 32);
  EXPECT_EQ(huge.Mask.DrawMode, 5);
  const MaskText border = DecodeMaskValue("!EXTBORD.PNG!2!0!3!0026!0049!0026!0026!1").value();
  EXPECT_EQ(border.Mask.Kind, 3);
  EXPECT_EQ(border.Mask.TopWidth, 49);
  EXPECT_EQ(border.Mask.DrawMode, 1);
  EXPECT_EQ(DecodeMaskValue("!!X.PNG!!2!x!9")->Mask.Kind, 4);
  EXPECT_EQ(DecodeMaskValue("!!X.PNG!!2!x!9")->Mask.MaskLayout, 0);
  EXPECT_EQ(DecodeMaskValue("!!X.PNG!!2!x!9")->ImageName, "X.PNG");
}

TEST(MaskValue, RecognisesPlainImageNamesButNotPng) {
  const MaskText t = DecodeMaskValue("GREEN_WOOD.JPG").value();
  EXPECT_EQ(t.ImageName, "GREEN_WOOD.JPG");
  EXPECT_EQ(t.Mask.Kind, kTexture);
  EXPECT_TRUE(t.NeedsImage);
  EXPECT_FALSE(DecodeMaskValue("PATTERN.PNG"));
  EXPECT_FALSE(DecodeMaskValue("12345"));
  EXPECT_FALSE(DecodeMaskValue(""));
}

TEST(MaskValue, AFixedFieldThatIsNotANumberAbortsWithAConversionError) {
  try {
    DecodeMaskValue("@00x0@0034@0072@0084@3@1");
    FAIL();
  } catch (const SkinError& e) {
    EXPECT_STREQ(e.what(), "\"00x0\" is not a valid integer value");
  }
  EXPECT_THROW(DecodeMaskValue("^0258^0014"), SkinError);
  EXPECT_THROW(DecodeMaskValue("@"), SkinError);
}

TEST(MaskValue, CornerFlagFindsAKeyPixelInACornerOfAnyFrameClippedToTheImage) {
  Image32 image = MakeImage(20, 10, 0xFF000000);
  TsMaskData m;
  m.Rect = {0, 0, 20, 10};
  m.FrameCount = 2;
  m.LeftWidth = m.TopWidth = m.RightWidth = m.BottomWidth = 2;
  EXPECT_EQ(ComputeCornerFlag(m, image), 0);
  image.At(5, 5) = kKeyColour;  // the middle of frame 0
  EXPECT_EQ(ComputeCornerFlag(m, image), 0);
  image.At(19, 9) = kKeyColour;  // bottom right of frame 1
  EXPECT_EQ(ComputeCornerFlag(m, image), 1);
  m.Rect = {-50, -50, 5000, 5000};
  m.FrameCount = 9;
  m.LeftWidth = m.TopWidth = m.RightWidth = m.BottomWidth = 32000;
  EXPECT_EQ(ComputeCornerFlag(m, image), 1);
}

TEST(MaskValue, CornerAreasReachBeyondTheirFrameWithinTheImage) {
  Image32 image = MakeImage(20, 10, 0xFF000000);
  TsMaskData m;
  m.Rect = {0, 0, 10, 10};
  m.FrameCount = 1;
  m.LeftWidth = 12;  // two columns wider than the frame
  m.TopWidth = m.RightWidth = m.BottomWidth = 2;
  image.At(11, 5) = kKeyColour;  // in the wide column but between the top and bottom bands
  EXPECT_EQ(ComputeCornerFlag(m, image), 0);
  image.At(11, 1) = kKeyColour;  // top left area, right of the frame
  EXPECT_EQ(ComputeCornerFlag(m, image), 1);
  image.At(11, 1) = 0xFF000000;
  m.LeftWidth = 2;
  m.BottomWidth = 14;  // the bottom band starts above the frame's top and the image's
  image.At(15, 0) = kKeyColour;  // outside every column band
  EXPECT_EQ(ComputeCornerFlag(m, image), 0);
  image.At(9, 0) = kKeyColour;  // bottom right area, inside the frame
  EXPECT_EQ(ComputeCornerFlag(m, image), 1);
}

TEST(MaskValue, FramesAreCompletedAfterDecoding) {
  TsMaskData m;
  m.Rect = {0, 0, 30, 40};
  m.FrameCount = 3;
  m.MaskLayout = 1;
  CompleteFrames(m);
  EXPECT_EQ(m.FrameWidth, 10);
  EXPECT_EQ(m.FrameHeight, 20);
  TsMaskData none;
  none.Rect = {0, 0, 30, 40};
  none.FrameCount = 0;
  none.MaskLayout = -1;
  none.TopWidth = 5;
  CompleteFrames(none);
  EXPECT_EQ(none.FrameWidth, 0);
  EXPECT_EQ(none.FrameHeight, 0);
  EXPECT_EQ(none.FrameCount, 1);
  EXPECT_EQ(none.TopWidth, 5);
  EXPECT_EQ(none.LeftWidth, 0);
  TsMaskData common = none;
  common.FrameCount = 0;
  common.LeftWidth = 0;
  common.BorderWidth = 6;
  CompleteFrames(common);
  EXPECT_EQ(common.LeftWidth, 6);
}

}  // namespace
}  // namespace velmora::skin
