#include "skin/data/section_data.h"

#include <gtest/gtest.h>

#include "skin/data/skin_error.h"

namespace velmora::skin {
namespace {

TEST(GradientText, DecodesTheFiveWordFormOfTheSkin) {
  const TsGradArray g = DecodeGradientText("8454016;8454016;97;0;0;8454016;8454016;0;0;0");
  ASSERT_EQ(g.size(), 2u);
  EXPECT_EQ(g[0].Color, 0xFF000000u | 8454016u);
  EXPECT_EQ(g[1].Color, 0xFF000000u | 8454016u);
  EXPECT_EQ(g[0].Mode, 0u);
  EXPECT_EQ(g[0].Position, 0);
  EXPECT_EQ(g[1].Position, 100);
  EXPECT_EQ(g[1].Index, 1);
}

TEST(GradientText, ExtendsShapeTwoToFiveStopsAndClearsBitFour) {
  const TsGradArray g = DecodeGradientText("255;0;40;18;0;65280;0;70;0;0");
  ASSERT_EQ(g.size(), 5u);
  EXPECT_EQ(g[0].Mode, 2u);
  EXPECT_EQ(g[1].Position, 40);
  EXPECT_EQ(g[2].Color, g[1].Color);
  EXPECT_EQ(g[4].Index, 4);
  EXPECT_EQ(g[4].Position, 100);
}

TEST(GradientText, DecodesTheThreeWordFormCountedByItsLastLetter) {
  const TsGradArray g = DecodeGradientText("-16777216;30;16;-1;80;0;B");
  ASSERT_EQ(g.size(), 2u);
  EXPECT_EQ(g[0].Color, 0xFF000000u);
  EXPECT_EQ(g[0].Position, 30);
  EXPECT_EQ(g[0].Mode, 0x30u);
  EXPECT_EQ(g[1].Color, 0xFFFFFFFFu);
  EXPECT_EQ(g[1].Position, 100);
}

TEST(GradientText, ShortTextIsEmptyAndAbsurdCountsFailCleanly) {
  EXPECT_TRUE(DecodeGradientText("1;2A").empty());
  EXPECT_TRUE(DecodeGradientText("1;2;!").empty());  // a count below zero
  EXPECT_THROW(DecodeGradientText("1;2;3;\xFF"), SkinError);
  EXPECT_THROW(DecodeGradientText("x;1;2;3;0"), SkinError);
}

class Sections : public ::testing::Test {
 protected:
  OptionsText text = OptionsText::Parse(
      "[BASE]\nCOLOR=100\nHOTCOLOR=200\nCOLOR2=300\nGLOW=999\nOUTOFFSL=7\nGRADIENTDATA=abcd\n"
      "GRADIENTPERCENT=50\n"
      "[ONE]\nPARENTCLASS=BASE\nSTATES=1\nHOTCOLOR=5\n"
      "[THREE]\nPARENTCLASS=BASE\nUSESTATE2=1\nCOLOR=-1\nGIVEOWNFONT=TRUE\n"
      "[SELF]\nPARENTCLASS=SELF\nCOLOR=9\n");
  OptionsReader reader{text, {}};
};

TEST_F(Sections, ReadStatesWithInheritanceAndCopies) {
  const TsGeneralData one = DecodeSection(reader, "ONE");
  EXPECT_EQ(one.ParentName, "BASE");
  EXPECT_EQ(one.StateCount, 1);
  EXPECT_EQ(one.Props[1].Color, 100);  // STATES=1 copies state 0 despite HOTCOLOR
  EXPECT_EQ(one.Props[2].Color, 100);
  EXPECT_EQ(one.GlowSize, 255);
  EXPECT_EQ(one.OutOffsL, 7);
  EXPECT_EQ(one.OutOffsT, -1);
  EXPECT_EQ(one.Props[0].GradientPercent, 50);  // four characters: no stops, percent kept
  EXPECT_TRUE(one.Props[0].Gradient.empty());
  const TsGeneralData three = DecodeSection(reader, "THREE");
  EXPECT_EQ(three.Props[0].Color, 100);  // -1 counts as none
  EXPECT_EQ(three.Props[1].Color, 200);
  EXPECT_EQ(three.Props[2].Color, 300);
  EXPECT_TRUE(three.GiveOwnFont);
  const TsGeneralData self = DecodeSection(reader, "SELF");
  EXPECT_EQ(self.Props[0].Color, 9);
  EXPECT_EQ(self.Props[1].Color, 0xFFFFFF);
  EXPECT_EQ(self.Props[0].TCLeft, -1);
  EXPECT_EQ(self.StateCount, 3);
  EXPECT_EQ(self.OuterMode, 2);
  EXPECT_EQ(self.OuterOpacity, 200);
}

TEST_F(Sections, AMissingParentKeepsTheDefaults) {
  const OptionsText orphanText = OptionsText::Parse("[X]\nPARENTCLASS=NOWHERE\n");
  const TsGeneralData x = DecodeSection(OptionsReader(orphanText, {}), "X");
  EXPECT_EQ(x.Props[0].Color, 0xFFFFFF);
  EXPECT_EQ(x.Props[0].GradientPercent, 0);
}

}  // namespace
}  // namespace velmora::skin
