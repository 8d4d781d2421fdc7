#include "skin/data/skin_package.h"

#include <gtest/gtest.h>

#include "tests/skin/package_builder.h"
#include "tests/skin/sample_skin.h"

namespace velmora::skin {
namespace {

using test::Bytes;
using test::PackageBuilder;
using test::ToBytes;

Bytes Filled(size_t size, uint8_t seed) {
  Bytes bytes(size);
  for (size_t i = 0; i < size; ++i) bytes[i] = uint8_t(seed + i * 7 + i / 13);
  return bytes;
}

TEST(SkinPackage, ReadsBackToBackMembersWithoutStoredLengths) {
  const Bytes master = Filled(393500, 1), wood = Filled(23560, 2);
  const Bytes package = PackageBuilder()
                            .Member("OPTIONS.DAT", "[GLOBALINFO]\r\nVERSION=10.25\r\n")
                            .Member("MASTER.BMP", master)
                            .Member("GREEN_WOOD.JPG", wood)
                            .Preview(Filled(5186, 3))
                            .Build();
  const TacSkinConvertor read = ReadSkinPackage(package);
  ASSERT_TRUE(read.Options);
  EXPECT_EQ(*read.Options, "[GLOBALINFO]\r\nVERSION=10.25\r\n");
  ASSERT_EQ(read.Images.size(), 2u);
  EXPECT_EQ(read.ImageCount, 2);
  EXPECT_EQ(read.Images[0].Name, "MASTER.BMP");
  EXPECT_TRUE(read.Images[0].IsBitmap);
  EXPECT_EQ(read.Images[0].Data, master);
  EXPECT_FALSE(read.Images[1].IsBitmap);
  EXPECT_EQ(read.Images[1].Data, wood);
  ASSERT_TRUE(FindPreview(package));
  EXPECT_EQ(FindPreview(package)->size(), 5186u);
}

TEST(SkinPackage, ReadsAPackageShapedLikeTheProgramsSkin) {
  const Bytes package = test::SamplePackage();
  const TacSkinConvertor read = ReadSkinPackage(package);
  ASSERT_TRUE(read.Options);
  EXPECT_EQ(*read.Options, test::SampleOptionsText());
  ASSERT_EQ(read.Images.size(), 5u);
  const char* names[] = {"BUTTONHUGE.BMP", "MASTER.BMP", "EXTBORD.PNG", "EXTBORD_200.PNG",
                         "GREEN_WOOD.JPG"};
  for (size_t i = 0; i < 5; ++i) EXPECT_EQ(read.Images[i].Name, names[i]);
  EXPECT_EQ(read.Images[1].Data.size(), 54 + 380 * 3 * 345u);
  EXPECT_TRUE(FindPreview(package));
}

TEST(SkinPackage, TakesTheOptionsMemberInAnyLetterCaseAndTheLastOneWins) {
  const TacSkinConvertor read = ReadSkinPackage(
      PackageBuilder().Member("options.dat", "first").Member("Options.Dat", "second").Build());
  EXPECT_EQ(read.Options.value_or(""), "second");
  EXPECT_TRUE(read.Images.empty());
}

TEST(SkinPackage, FindsImagesByTheirUpperCasedNameWithinTheImageCount) {
  const TacSkinConvertor read = ReadSkinPackage(
      PackageBuilder().Member("Options.dat", "x").Member("extbord.png", "p").Build());
  ASSERT_NE(FindImageMember(read, "EXTBORD.PNG"), nullptr);
  EXPECT_EQ(FindImageMember(read, "extbord.png"), nullptr);
  const TacSkinConvertor noOptions =
      ReadSkinPackage(PackageBuilder().Member("A.BMP", "a").Member("B.BMP", "b").Build());
  EXPECT_FALSE(noOptions.Options);
  EXPECT_NE(FindImageMember(noOptions, "A.BMP"), nullptr);
  EXPECT_EQ(FindImageMember(noOptions, "B.BMP"), nullptr);  // only N - 1 members are searched
}

TEST(SkinPackage, AGarbageByteBetweenMembersFailsTheRead) {
  const Bytes package =
      PackageBuilder().Member("OPTIONS.DAT", "abc").Raw({0x55}).Member("MASTER.BMP", "def").Build();
  EXPECT_THROW(ReadSkinPackage(package), SkinError);
}

TEST(SkinPackage, RejectsAWrongSignatureWithItsMessage) {
  try {
    ReadSkinPackage(ToBytes("PK\x03\x04 not a skin"));
    FAIL();
  } catch (const NotAPackageError& e) {
    EXPECT_STREQ(e.what(), "Loaded data is not a packed Corvanne file");
  }
  EXPECT_THROW(ReadSkinPackage(ToBytes("AS")), NotAPackageError);
}

TEST(SkinPackage, FailsCleanlyOnHostileMembers) {
  const auto fails = [](const Bytes& package, const char* why) {
    try {
      ReadSkinPackage(package);
      ADD_FAILURE() << "read succeeded";
    } catch (const SkinError& e) {
      EXPECT_NE(std::string(e.what()).find(why), std::string::npos) << e.what();
    }
  };
  fails(PackageBuilder().MemberClaiming("A.BMP", 0xFFFFFFF0u, ToBytes("tiny")).Build(),
        "size limit");
  fails(PackageBuilder().MemberClaiming("A.BMP", 3, ToBytes("four")).Build(), "more than");
  fails(PackageBuilder().MemberClaiming("A.BMP", 9, ToBytes("four")).Build(), "less than");
  fails(PackageBuilder().Member("A.BMP", Bytes{}).Build(), "size is 0");
  fails(PackageBuilder().Raw({0xFF, 0xFF, 0xFF, 0x7F, 'A'}).Count(1).Build(), "ends inside");
  fails(PackageBuilder().Count(1000000).Build(), "ends inside");
  Bytes truncated = PackageBuilder().Member("A.BMP", Filled(5000, 9)).Build();
  truncated.resize(truncated.size() - 10);
  fails(truncated, "ends inside");
  Bytes corrupt = PackageBuilder().Member("A.BMP", Filled(5000, 9)).Build();
  corrupt[30] ^= 0xFF;
  EXPECT_THROW(ReadSkinPackage(corrupt), SkinError);
}

TEST(SkinPackage, FindsThePreviewAnywhereOrNowhere) {
  Bytes package = PackageBuilder().Member("OPTIONS.DAT", "x").Build();
  EXPECT_FALSE(FindPreview(package));
  Bytes early = ToBytes("ASzf");
  for (uint8_t b : ToBytes("previewimg")) early.push_back(b);
  for (uint8_t b : Bytes{3, 0, 0, 0, 'p', 'n', 'g', 'x', 'y'}) early.push_back(b);
  ASSERT_TRUE(FindPreview(early));
  EXPECT_EQ(Bytes(FindPreview(early)->begin(), FindPreview(early)->end()), ToBytes("png"));
  early[14] = 200;  // longer than what follows
  EXPECT_FALSE(FindPreview(early));
}

}  // namespace
}  // namespace velmora::skin
