#include "skin/data/options_text.h"

#include <gtest/gtest.h>

#include "skin/data/number_text.h"
#include "skin/data/options_reader.h"
#include "skin/data/skin_error.h"
#include "tests/skin/sample_skin.h"

namespace velmora::skin {
namespace {

TEST(OptionsText, FollowsTheGrammar) {
  const OptionsText t = OptionsText::Parse(
      "IGNORED=1\r\n[GLOBALINFO]\nVERSION = 10.25 \r  ; comment\n\t[ FORM ]\t\r\n"
      "COLOR=1\nCOLOR=2\nno equals here\nEMPTY=\nKEY=a=b\n[FORM]\nCOLOR=3\n[form]\n");
  ASSERT_EQ(t.Sections().size(), 4u);
  EXPECT_EQ(t.Sections()[1].Name, "FORM");
  EXPECT_EQ(t.FindSection("FORM"), 1);
  EXPECT_EQ(t.FindSection("form"), 3);
  EXPECT_EQ(t.FindSection("IGNORED"), -1);
  EXPECT_EQ(t.ReadString("GLOBALINFO", "VERSION", ""), "10.25");
  EXPECT_DOUBLE_EQ(t.ReadReal("GLOBALINFO", "VERSION"), 10.25);
  EXPECT_EQ(t.ReadInteger("FORM", "COLOR", 0), 1);
  EXPECT_EQ(t.ReadString("FORM", "no equals here", "absent"), "absent");
  EXPECT_EQ(t.ReadString("FORM", "EMPTY", "absent"), "");
  EXPECT_EQ(t.ReadInteger("FORM", "EMPTY", 7), 7);
  EXPECT_EQ(t.ReadString("FORM", "KEY", ""), "a=b");
  EXPECT_EQ(t.ReadInteger("NOSECTION", "COLOR", -5), -5);
}

TEST(NumberText, ReadsTheIntegerForms) {
  EXPECT_EQ(ParseInt32("-42"), -42);
  EXPECT_EQ(ParseInt32("$FF00FF"), 0xFF00FF);
  EXPECT_EQ(ParseInt32("0x1F"), 0x1F);
  EXPECT_EQ(ParseInt32("$FFFFFFFF"), -1);
  EXPECT_EQ(ParseInt32("2147483647"), 2147483647);
  EXPECT_EQ(ParseInt32("-2147483648"), INT32_MIN);
  EXPECT_FALSE(ParseInt32("2147483648"));
  EXPECT_FALSE(ParseInt32("0x"));
  EXPECT_FALSE(ParseInt32("12a"));
  EXPECT_FALSE(ParseInt32(""));
  EXPECT_FALSE(ParseInt32("$123456789"));
  EXPECT_EQ(ParseInt64("-16777216"), -16777216);
  EXPECT_EQ(ParseReal("7.45"), 7.45);
  EXPECT_FALSE(ParseReal("7,45"));
}

class InheritedReaders : public ::testing::Test {
 protected:
  OptionsText text = OptionsText::Parse(
      "[BASE]\nCOLOR=255\nNAME=base\nFLAG=TRUE\nDESCRIPTION=\n"
      "[CHILD]\nPARENTCLASS=BASE\nCOLOR=-1\nFLAG=yes\n"
      "[GRANDCHILD]\nPARENTCLASS=CHILD\n"
      "[SELF]\nPARENTCLASS=SELF\n"
      "[A]\nPARENTCLASS=B\n[B]\nPARENTCLASS=C\n[C]\nPARENTCLASS=A\n"
      "[ORPHAN]\nPARENTCLASS=MISSING\n"
      "[ASK]\nPARENTCLASS=?\n");
  OptionsReader reader{text, {}};
};

TEST_F(InheritedReaders, WalkToTheParentWhenAKeyIsAbsentOrNegative) {
  EXPECT_EQ(reader.InheritedInteger("CHILD", "COLOR", 7), 255);
  EXPECT_EQ(reader.InheritedInteger("GRANDCHILD", "COLOR", 7), 255);
  EXPECT_EQ(reader.InheritedInteger("GRANDCHILD", "COLOR", 7, 100), 100);
  EXPECT_EQ(reader.InheritedString("GRANDCHILD", "NAME", "-"), "base");
  EXPECT_FALSE(reader.InheritedBoolean("GRANDCHILD", "FLAG", true));  // CHILD's "yes" is found
  EXPECT_TRUE(reader.InheritedBoolean("BASE", "FLAG", false));
  EXPECT_EQ(reader.InheritedString("CHILD", "DESCRIPTION", "-"), "");
  EXPECT_EQ(reader.InheritedInteger("ORPHAN", "COLOR", 9), 9);
  EXPECT_EQ(reader.InheritedInteger("ASK", "COLOR", 9), 9);
  EXPECT_EQ(reader.InheritedInteger("ORPHAN", "X", 9, INT32_MAX, true), -1);
}

TEST_F(InheritedReaders, StopAtASelfReferenceOrACycle) {
  EXPECT_EQ(reader.InheritedInteger("SELF", "COLOR", 3), 3);
  EXPECT_EQ(reader.InheritedInteger("A", "COLOR", 4), 4);
  EXPECT_EQ(reader.InheritedString("B", "NAME", "none"), "none");
  EXPECT_TRUE(reader.InheritedBoolean("C", "FLAG", true));
}

TEST(InheritedReadersDeep, FollowAChainAsDeepAsTheSkinIsLong) {
  const OptionsText text = OptionsText::Parse(test::ParentChain(39, "COLOR=77\nNAME=far\n"));
  const OptionsReader reader(text, {});
  EXPECT_EQ(reader.InheritedInteger("L0", "COLOR", 5), 77);
  EXPECT_EQ(reader.InheritedString("L0", "NAME", "-"), "far");
  const OptionsText cycle = OptionsText::Parse(test::ParentChain(39, "PARENTCLASS=L0\n"));
  EXPECT_EQ(OptionsReader(cycle, {}).InheritedInteger("L7", "COLOR", 5), 5);  // 40 links round
}

TEST(InheritedReadersDeep, RefuseASkinWhoseChainsTogetherPassTheCap) {
  // n sections chained end to end: the chains from all of them hold n (n + 1) / 2 links.
  EXPECT_NO_THROW(OptionsReader(OptionsText::Parse(test::ParentChain(699, "")), {}));  // 245350
  EXPECT_THROW(OptionsReader(OptionsText::Parse(test::ParentChain(799, "")), {}),
               SkinError);  // 320400
}

TEST(ScaledReaders, UseTheSuffixedKeyOrScaleTheBaseValue) {
  const OptionsText text =
      OptionsText::Parse("[GLOBALINFO]\nTITLEHEIGHT=24\nTITLEHEIGHT*200=50\nMAXHEIGHT=20\n");
  const OptionsReader at100(text, {0, false}), at200(text, {3, false}), at150(text, {2, false});
  EXPECT_EQ(at100.ScaledGlobalInteger("TITLEHEIGHT", 30), 24);
  EXPECT_EQ(at100.ScaledGlobalInteger("CENTEROFFSET", 0), -1);
  EXPECT_EQ(at200.ScaledGlobalInteger("TITLEHEIGHT", 30), 50);
  EXPECT_EQ(at150.ScaledGlobalInteger("TITLEHEIGHT", 30), 36);
  EXPECT_EQ(at150.ScaledGlobalInteger("MAXHEIGHT", 30), 30);
  EXPECT_EQ(at150.ScaledGlobalInteger("ABSENT", 10), 15);
  EXPECT_EQ(SkinScale({2, true}).ScaledValue(10), 10);
  EXPECT_EQ(SkinScale({1, false}).ScaledValue(10), 12);
}

}  // namespace
}  // namespace velmora::skin
