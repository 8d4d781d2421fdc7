#include "skin/data/skin_source.h"

#include <gtest/gtest.h>

#include "skin/data/skin_error.h"
#include "skin/data/skin_list.h"
#include "tests/skin/fake_platform.h"
#include "tests/skin/package_builder.h"

namespace velmora::skin {
namespace {

using test::Bytes;
using test::FakePlatform;
using test::PackageBuilder;

TEST(SkinDirectory, ResolvesRelativeFormsFromTheApplicationDirectory) {
  const std::string app = "D:\\Apps\\Forest\\";
  EXPECT_EQ(ResolveSkinDirectory("..\\Skins", app), "D:\\Apps\\Skins");
  EXPECT_EQ(ResolveSkinDirectory(".\\Skins", app), "D:\\Apps\\Forest\\Skins");
  EXPECT_EQ(ResolveSkinDirectory("./Skins", app), "D:\\Apps\\Forest\\Skins");
  EXPECT_EQ(ResolveSkinDirectory(".", app), app);
  EXPECT_EQ(ResolveSkinDirectory("Skins", app), "D:\\Apps\\Forest\\Skins");
  EXPECT_EQ(ResolveSkinDirectory("c:\\Skins", app), "c:\\Skins");
  EXPECT_EQ(ResolveSkinDirectory("sub\\Skins", app), "sub\\Skins");
}

TEST(SkinDirectory, NormalisesForAFileName) {
  EXPECT_EQ(NormaliseDirectory(""), "");
  EXPECT_EQ(NormaliseDirectory("c:\\Skins\\"), "c:\\Skins\\");
  EXPECT_EQ(NormaliseDirectory("c:/Skins/"), "c:/Skins\\");
  EXPECT_EQ(NormaliseDirectory("c:\\Skins"), "c:\\Skins\\");
  EXPECT_EQ(NormaliseDirectory("d"), "d:\\");
}

TEST(SkinName, LosesItsPackageExtensionOnlyAfterAName) {
  EXPECT_EQ(StripPackageExtension("Emerald.asz"), "Emerald");
  EXPECT_EQ(StripPackageExtension("Emerald.ASZ"), "Emerald");
  EXPECT_EQ(StripPackageExtension("a.asz"), "a");
  EXPECT_EQ(StripPackageExtension(".asz"), ".asz");
  EXPECT_EQ(StripPackageExtension("Emerald (internal)"), "Emerald (internal)");
}

class SkinSources : public ::testing::Test {
 protected:
  FakePlatform platform;
  TsStoredSkins stored;
  Bytes Package(const char* options = "[GLOBALINFO]\nVERSION=10.25\n") {
    return PackageBuilder().Member("OPTIONS.DAT", options).Build();
  }
  void Store(const char* name, Bytes data) {
    TsStoredSkin& skin = stored.Add();
    skin.Name = name;
    skin.Data = std::move(data);
  }
};

TEST_F(SkinSources, PrefersAPackedFileThenAFolderThenAStoredSkin) {
  Store("Emerald (internal)", Package());
  platform.Files["c:\\Skins\\Night.asz"] = Package();
  platform.Files["c:\\Skins\\Dusk\\Options.dat"] = test::ToBytes("[GLOBALINFO]\n");
  const SkinSourceChoice packed = ChooseSkinSource("Night.asz", "c:\\Skins", stored, platform);
  EXPECT_EQ(packed.Source, SkinSourceChoice::Kind::PackedFile);
  EXPECT_EQ(packed.FilePath, "c:\\Skins\\Night.asz");
  EXPECT_EQ(packed.SkinPath, "c:\\Skins\\");
  const SkinSourceChoice folder = ChooseSkinSource("Dusk", "c:\\Skins", stored, platform);
  EXPECT_EQ(folder.Source, SkinSourceChoice::Kind::Folder);
  EXPECT_EQ(folder.SkinPath, "c:\\Skins\\Dusk\\");
  const SkinSourceChoice own =
      ChooseSkinSource("Emerald (internal)", "c:\\Skins", stored, platform);
  EXPECT_EQ(own.Source, SkinSourceChoice::Kind::Stored);
  EXPECT_EQ(own.SkinPath, "");
  const LoadedSkinSource loaded = ReadSkinSource(own, stored, platform);
  EXPECT_EQ(loaded.Options.ReadString("GLOBALINFO", "VERSION", ""), "10.25");
  ASSERT_TRUE(loaded.Package);
}

TEST_F(SkinSources, FallsBackToTheFirstStoredSkinOrToNone) {
  EXPECT_EQ(ChooseSkinSource("Anything", "c:\\Skins", stored, platform).Source,
            SkinSourceChoice::Kind::None);
  Store("Emerald (internal)", Package());
  Store("Second", Package());
  const SkinSourceChoice choice = ChooseSkinSource("Missing", "c:\\Skins", stored, platform);
  EXPECT_EQ(choice.Source, SkinSourceChoice::Kind::Stored);
  EXPECT_EQ(choice.StoredIndex, 0);
  EXPECT_EQ(choice.SkinName, "Emerald (internal)");
  EXPECT_EQ(ChooseSkinSource("Second", "c:\\Skins", stored, platform).StoredIndex, 1);
  EXPECT_EQ(ChooseSkinSource("second", "c:\\Skins", stored, platform).StoredIndex, 0);
}

TEST_F(SkinSources, APackedFileWithoutOptionsShowsTheFormatMessage) {
  platform.Files["c:\\Skins\\Old.asz"] = PackageBuilder().Member("MASTER.BMP", "x").Build();
  const SkinSourceChoice choice = ChooseSkinSource("Old", "c:\\Skins", stored, platform);
  try {
    ReadSkinSource(choice, stored, platform);
    FAIL();
  } catch (const SkinError& e) {
    EXPECT_TRUE(e.AlreadyReported());
  }
  ASSERT_EQ(platform.Messages.size(), 1u);
  EXPECT_EQ(
      platform.Messages[0].first,
      "Internal format error in the \"Old\" skin. Please, update this skin to latest version.");
  EXPECT_EQ(platform.Messages[0].second, MessageKind::Information);
}

TEST_F(SkinSources, DataThatIsNotAPackageShowsTheSignatureMessage) {
  Store("Broken", test::ToBytes("PK\x03\x04 zip"));
  const SkinSourceChoice choice = ChooseSkinSource("Broken", "c:\\Skins", stored, platform);
  EXPECT_THROW(ReadSkinSource(choice, stored, platform), SkinError);
  ASSERT_EQ(platform.Messages.size(), 1u);
  EXPECT_EQ(platform.Messages[0].first, "Loaded data is not a packed Corvanne file");
  EXPECT_EQ(platform.Messages[0].second, MessageKind::Error);
}

TEST_F(SkinSources, AStoredSkinWithoutOptionsFailsCleanly) {
  Store("Empty", {});
  Store("Images", PackageBuilder().Member("A.BMP", "a").Build());
  for (const char* name : {"Empty", "Images"}) {
    const SkinSourceChoice choice = ChooseSkinSource(name, "c:\\Skins", stored, platform);
    try {
      ReadSkinSource(choice, stored, platform);
      FAIL();
    } catch (const SkinError& e) {
      EXPECT_FALSE(e.AlreadyReported());
      EXPECT_EQ(std::string(e.what()),
                "The \"" + std::string(name) + "\" skin holds no options text");
    }
  }
  EXPECT_TRUE(platform.Messages.empty());
}

TEST_F(SkinSources, FolderImagesComeFromTheSkinPathOrAnAbsolutePath) {
  platform.Files["c:\\Skins\\Dusk\\Options.dat"] =
      test::ToBytes("[GLOBALINFO]\nMASTERBITMAP=m.bmp\n");
  const Image32 pixel = test::Picture(1, 1, [](int32_t, int32_t) { return 0x123456u; });
  platform.Files["c:\\Skins\\Dusk\\m.bmp"] = test::EncodeBmp(pixel, 24);
  platform.Files["E:\\ABS.BMP"] = test::EncodeBmp(pixel, 24);
  const SkinSourceChoice choice = ChooseSkinSource("Dusk", "c:\\Skins", stored, platform);
  const LoadedSkinSource loaded = ReadSkinSource(choice, stored, platform);
  SkinImages images(ImagesOf(loaded, platform), false);
  EXPECT_EQ(images.LoadMaster("m.bmp").At(0, 0), 0xFF123456u);
  EXPECT_NE(images.External("E:\\ABS.BMP"), nullptr);
  EXPECT_EQ(images.External("NONE.BMP"), nullptr);
}

TEST_F(SkinSources, ListsStoredSkinsAndPackedFilesWithTheirPreviews) {
  Store("Zeta (internal)",
        PackageBuilder().Member("OPTIONS.DAT", "x").Preview(test::ToBytes("png1")).Build());
  Store("Alpha (internal)", Package());
  platform.Files["D:\\Apps\\Skins\\Moss.asz"] =
      PackageBuilder().Member("OPTIONS.DAT", "x").Preview(test::ToBytes("png2")).Build();
  platform.Files["D:\\Apps\\Skins\\Loud.ASZ"] = Package();
  platform.Files["D:\\Apps\\Skins\\.hidden.asz"] = Package();
  platform.Files["D:\\Apps\\Skins\\notes.txt"] = Package();
  const SkinList list = BuildSkinList(stored, "D:\\Apps\\Skins", true, true, platform);
  ASSERT_EQ(list.Entries.size(), 3u);
  EXPECT_EQ(list.Entries[0].ImageIndex, 0);
  EXPECT_EQ(list.Entries[1].ImageIndex, -1);
  EXPECT_EQ(list.Entries[2].Name, "Moss");
  EXPECT_TRUE(list.Entries[2].External);
  EXPECT_EQ(list.Previews[size_t(list.Entries[2].ImageIndex)], test::ToBytes("png2"));
  std::vector<std::string> names;
  EXPECT_EQ(GetSkinNames(list, 2, names), "Zeta (internal)");
  EXPECT_EQ(names, (std::vector<std::string>{"Alpha (internal)", "Moss", "Zeta (internal)"}));
  EXPECT_EQ(GetSkinNames(list, 0, names), "Moss");
  EXPECT_EQ(GetSkinNames(list, 1, names), "Zeta (internal)");
  EXPECT_EQ(names.size(), 2u);
  EXPECT_TRUE(BuildSkinList(stored, "D:\\Nowhere", false, true, platform).Entries.empty());
}

}  // namespace
}  // namespace velmora::skin
