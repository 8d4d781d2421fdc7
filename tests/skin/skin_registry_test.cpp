#include "skin/data/skin_registry.h"

#include <gtest/gtest.h>

#include "skin/data/skin_error.h"
#include "tests/skin/fake_platform.h"
#include "tests/skin/sample_skin.h"

namespace velmora::skin {
namespace {

using test::Bytes;
using test::FakePlatform;
using test::PackageBuilder;

struct LoadedSkin {
  TacSkinConvertor package;
  OptionsText options;
  std::unique_ptr<SkinRegistry> registry;
};

LoadedSkin LoadPackage(const Bytes& bytes, FakePlatform& platform, SkinLoadSettings settings = {}) {
  LoadedSkin skin{ReadSkinPackage(bytes), {}, nullptr};
  skin.options = OptionsText::Parse(skin.package.Options.value_or(""));
  skin.registry =
      SkinRegistry::Load(skin.options, {&skin.package, "", &platform}, settings, platform);
  return skin;
}

LoadedSkin LoadText(const std::string& options, FakePlatform& platform,
                    SkinLoadSettings settings = {}) {
  return LoadPackage(PackageBuilder().Member("OPTIONS.DAT", options).Build(), platform, settings);
}

Image32 Grey(int32_t w, int32_t h) {
  return test::Picture(w, h, [](int32_t, int32_t) { return 0xFF808080u; });
}

TEST(SkinRegistry, LoadsARealisticSkin) {
  FakePlatform platform;
  const LoadedSkin skin = LoadPackage(test::SamplePackage(), platform);
  const SkinRegistry& r = *skin.registry;
  const size_t ownSections = skin.options.Sections().size();
  EXPECT_EQ(r.GetSkinIndex("GLOBALINFO"), 0);
  EXPECT_EQ(r.GetSkinIndex("MAINCOLOR"), int(ownSections));
  EXPECT_EQ(r.GetSkinIndex("SLIDER_ON"), int(ownSections) + 1);
  EXPECT_EQ(r.MasterImage().Width, 380);
  EXPECT_EQ(r.CommonData().Version, 10.25);
  EXPECT_EQ(r.CommonData().Author, "Velmora");
  EXPECT_EQ(r.MainColor(), 2972986);
  const int huge = r.GetMaskIndexByName("BUTTON_HUGE2", "BORDERSMASK");
  ASSERT_GE(huge, 0);
  EXPECT_EQ(r.Masks()[size_t(huge)].Rect, (MaskRect{0, 0, 96, 96}));
  EXPECT_EQ(r.Masks()[size_t(huge)].FrameWidth, 32);
  EXPECT_EQ(r.Masks()[size_t(huge)].FrameHeight, 48);
  const int wood = r.GetMaskIndexByName("MENUITEM", "PATTERN2");
  ASSERT_GE(wood, 0);
  EXPECT_NE(r.Masks()[size_t(wood)].Image, nullptr);
  EXPECT_EQ(r.Indexes().TitleButtons[0], r.GlobalMask("BICONCLOSE"));
  EXPECT_GE(r.Indexes().CheckGlyphs[1], 0);
  EXPECT_GE(r.Indexes().ExBorder, 0);
  EXPECT_EQ(r.Palette()[27], -16777216);
  EXPECT_TRUE(platform.Messages.empty());
}

TEST(SkinRegistry, ResolvesMasksThroughParentsWithGuards) {
  FakePlatform platform;
  const LoadedSkin skin = LoadText(
      "[GLOBALINFO]\nONLYHERE=@0000@0000@0010@0010@1@0\n"
      "[BASE]\nBORDERSMASK=^0000^0000^0010^0010^0001^0001^0001^0001^1^0^0^0\n"
      "PATTERN=~0000~0000~0004~0004~00~0\n"
      "[CHILD]\nPARENTCLASS=BASE\n"
      "[SELF]\nPARENTCLASS=SELF\n"
      "[A]\nPARENTCLASS=B\n[B]\nPARENTCLASS=A\n"
      "[ORPHAN]\nPARENTCLASS=NOWHERE\n",
      platform);
  const SkinRegistry& r = *skin.registry;
  const int base = r.GetSkinIndex("BASE"), child = r.GetSkinIndex("CHILD");
  EXPECT_EQ(r.Sections()[size_t(child)].BorderIndex, r.Sections()[size_t(base)].BorderIndex);
  EXPECT_GE(r.Sections()[size_t(child)].BorderIndex, 0);
  EXPECT_EQ(r.Sections()[size_t(child)].Props[0].TextureIndex,
            r.Sections()[size_t(base)].Props[0].TextureIndex);
  EXPECT_EQ(r.GetMaskIndex(child, "CHILD", "ONLYHERE"), -1);
  EXPECT_EQ(r.GetMaskIndex(r.GetSkinIndex("ORPHAN"), "ONLYHERE"), -1);
  EXPECT_EQ(r.GetMaskIndex(r.GetSkinIndex("SELF"), "BORDERSMASK"), -1);
  EXPECT_EQ(r.GetMaskIndex(r.GetSkinIndex("A"), "BORDERSMASK"), -1);
  EXPECT_EQ(r.GetTextureIndex(r.GetSkinIndex("B"), "B", "PATTERN"), -1);
  EXPECT_EQ(r.GetMaskIndex(-1, "BORDERSMASK"), -1);
  EXPECT_EQ(r.GetMaskIndex(99999, "X", "BORDERSMASK"), -1);
  EXPECT_EQ(r.GetMaskIndex(child, "BASE", "BORDERSMASK"),
            -1);  // the walk stops at the named section
  EXPECT_EQ(r.Sections()[size_t(base)].EditBorderFlag, 0);
  EXPECT_EQ(r.Sections()[size_t(r.GetSkinIndex("A"))].EditBorderFlag, -2);
}

TEST(SkinRegistry, MarksThinEditBordersAndKeepsSectionOrder) {
  FakePlatform platform;
  const LoadedSkin skin = LoadText(
      "[EDIT]\nBORDERSMASK=^0000^0000^0010^0010^0001^0001^0001^0001^1^0^0^0\n[TRANSPARENT]\n",
      platform);
  const SkinRegistry& r = *skin.registry;
  EXPECT_EQ(r.Sections()[0].EditBorderFlag, -1);
  EXPECT_EQ(r.GetSkinIndex("MAINCOLOR"), 2);
}

TEST(SkinRegistry, RegistersScaledVariantsByForm) {
  FakePlatform platform;
  const std::string options =
      "[GLOBALINFO]\nBOXCHECKED=@0000@0000@0010@0010@1@0\nBOXCHECKED*200=@0000@0000@0020@0020@1@0\n"
      "[FORM]\nBORDERSMASK=^0000^0000^0010^0010^0001^0001^0001^0001^1^0^0^0\n"
      "BORDERSMASK*200=^0000^0000^0020^0020^0002^0002^0002^0002^1^0^0^0\n"
      "TITLE=!T.BMP!1\nTITLE*200=!T2.BMP!1\n";
  const Bytes package = PackageBuilder()
                            .Member("OPTIONS.DAT", options)
                            .Member("T.BMP", test::EncodeBmp(Grey(4, 4), 24))
                            .Member("T2.BMP", test::EncodeBmp(Grey(8, 8), 24))
                            .Build();
  const LoadedSkin normal = LoadPackage(package, platform);
  const SkinRegistry& r1 = *normal.registry;
  const int form1 = r1.GetSkinIndex("FORM");
  EXPECT_EQ(r1.Masks()[size_t(r1.GetMaskIndex(form1, "BORDERSMASK"))].Rect.Right, 10);
  EXPECT_EQ(r1.GetMaskIndex(form1, "BORDERSMASK*200"), -1);
  EXPECT_EQ(r1.Masks()[size_t(r1.GlobalMask("BOXCHECKED"))].Rect.Right, 10);
  EXPECT_EQ(r1.Masks()[size_t(r1.GetMaskIndexByName("FORM", "TITLE"))].Rect.Right, 4);

  SkinLoadSettings at200;
  at200.Scale = {3, false};
  const LoadedSkin big = LoadPackage(package, platform, at200);
  const SkinRegistry& r2 = *big.registry;
  const int form2 = r2.GetSkinIndex("FORM");
  EXPECT_EQ(r2.Masks()[size_t(r2.GetMaskIndex(form2, "BORDERSMASK"))].Rect.Right, 20);
  EXPECT_EQ(r2.Masks()[size_t(r2.GlobalMask("BOXCHECKED"))].Rect.Right, 20);
  EXPECT_EQ(r2.GetMaskIndexByName("FORM", "TITLE"), -1);
  const int title = r2.GetMaskIndexByName("FORM", "TITLE*200");
  ASSERT_GE(title, 0);
  EXPECT_EQ(r2.Masks()[size_t(title)].Rect.Right, 8);
}

TEST(SkinRegistry, ExternalImagesAreSharedAndMissingOnesAreSkippedOrKept) {
  FakePlatform platform;
  Image32 png =
      test::Picture(6, 2, [](int32_t x, int32_t) { return x < 3 ? 0x80FF8040u : 0xFFFF00FFu; });
  const std::string options =
      "[GLOBALINFO]\nVERSION=8.0\n[S]\nA=!PIC.PNG!2!0!1\nB=!pic.png!1\nC=!NOPE.PNG!1\n"
      "D=~0000~0000~0004~0004~00~0~NOPE.BMP\nE=NOPE.JPG\nF=!BAD.BMP!1\nG=!!!\n";
  const LoadedSkin skin = LoadPackage(PackageBuilder()
                                          .Member("OPTIONS.DAT", options)
                                          .Member("PIC.PNG", test::EncodePng(png, true))
                                          .Member("BAD.BMP", test::ToBytes("BMnonsense"))
                                          .Build(),
                                      platform);
  const SkinRegistry& r = *skin.registry;
  const int a = r.GetMaskIndexByName("S", "A"), b = r.GetMaskIndexByName("S", "B");
  ASSERT_GE(a, 0);
  ASSERT_GE(b, 0);
  EXPECT_EQ(r.Masks()[size_t(a)].Image, r.Masks()[size_t(b)].Image);
  EXPECT_EQ(r.Masks()[size_t(a)].FrameWidth, 3);
  EXPECT_EQ(r.Masks()[size_t(a)].Image->At(0, 0), 0x807F4020u);  // premultiplied above 7.45
  EXPECT_EQ(r.Masks()[size_t(a)].Image->At(5, 1), 0xFFFE00FEu);
  EXPECT_EQ(r.GetMaskIndexByName("S", "C"), -1);
  EXPECT_EQ(r.GetMaskIndexByName("S", "E"), -1);
  EXPECT_EQ(r.GetMaskIndexByName("S", "F"), -1);
  EXPECT_EQ(r.GetMaskIndexByName("S", "G"), -1);  // no name: not the master image either
  const int d = r.GetMaskIndexByName("S", "D");
  ASSERT_GE(d, 0);
  EXPECT_EQ(r.Masks()[size_t(d)].Image, nullptr);
  EXPECT_EQ(r.ExternalImages().size(), 3u);  // PIC.PNG and the two generated outer effects
}

TEST(SkinRegistry, ResolvesMasksThroughAChainAsDeepAsTheSkinIsLong) {
  FakePlatform platform;
  const LoadedSkin skin = LoadText(
      "[GLOBALINFO]\n" +
          test::ParentChain(39,
                            "BORDERSMASK=^0000^0000^0010^0010^0001^0001^0001^0001^1^0^0^0\n"
                            "PATTERN=~0000~0000~0004~0004~00~0\n"),
      platform);
  const SkinRegistry& r = *skin.registry;
  const int first = r.GetSkinIndex("L0"), last = r.GetSkinIndex("L39");
  ASSERT_GE(r.Sections()[size_t(last)].BorderIndex, 0);
  EXPECT_EQ(r.Sections()[size_t(first)].BorderIndex, r.Sections()[size_t(last)].BorderIndex);
  EXPECT_EQ(r.GetMaskIndex(first, "L0", "BORDERSMASK"), r.Sections()[size_t(last)].BorderIndex);
  EXPECT_GE(r.Sections()[size_t(first)].Props[0].TextureIndex, 0);
  EXPECT_EQ(r.Sections()[size_t(first)].Props[0].TextureIndex,
            r.Sections()[size_t(last)].Props[0].TextureIndex);
}

TEST(SkinRegistry, KeyColourBecomesTransparentInImagesWithoutAlpha) {
  FakePlatform platform;
  const Image32 master =
      test::Picture(4, 4, [](int32_t x, int32_t) { return x == 0 ? 0xFF00FFu : 0x123456u; });
  const LoadedSkin skin =
      LoadPackage(PackageBuilder()
                      .Member("OPTIONS.DAT",
                              "[GLOBALINFO]\nMASTERBITMAP=MASTER.BMP\n"
                              "[S]\nBORDERSMASK=^0000^0000^0004^0004^0001^0001^0001^0001^1^0^0^0\n"
                              "[T]\nBORDERSMASK=^0001^0000^0004^0004^0001^0001^0001^0001^1^0^0^0\n"
                              "[U]\nBORDERSMASK=^0100^0100^9999^9999^0001^0001^0001^0001^9^0^0^0\n")
                      .Member("MASTER.BMP", test::EncodeBmp(master, 24))
                      .Build(),
                  platform);
  const SkinRegistry& r = *skin.registry;
  EXPECT_EQ(r.MasterImage().At(0, 0), 0x00FF00FFu);
  EXPECT_EQ(r.MasterImage().At(1, 0), 0xFF123456u);
  EXPECT_EQ(r.Masks()[size_t(r.GetMaskIndexByName("S", "BORDERSMASK"))].CornerFlag, 1);
  EXPECT_EQ(r.Masks()[size_t(r.GetMaskIndexByName("T", "BORDERSMASK"))].CornerFlag, 0);
  EXPECT_EQ(r.Masks()[size_t(r.GetMaskIndexByName("U", "BORDERSMASK"))].CornerFlag, 0);
}

TEST(SkinRegistry, MasterBitmapNameIsMatchedAsWritten) {
  FakePlatform platform;
  const auto load = [&](const char* name) {
    return LoadPackage(PackageBuilder()
                           .Member("OPTIONS.DAT", std::string("[GLOBALINFO]\nMASTERBITMAP=") + name)
                           .Member("Master.bmp", test::EncodeBmp(Grey(2, 2), 24))
                           .Build(),
                       platform);
  };
  EXPECT_EQ(load("MASTER.BMP").registry->MasterImage().Width, 2);
  EXPECT_TRUE(load("Master.bmp").registry->MasterImage().Empty());
}

TEST(SkinRegistry, PaletteDefaultsMixesAndTheRepeatedAlertKeys) {
  FakePlatform platform;
  const LoadedSkin plain = LoadText("[GLOBALINFO]\n", platform);
  const SkinPalette& p = plain.registry->Palette();
  const int32_t face = int32_t(0x100000u + 15), window = int32_t(0x100000u + 5);
  EXPECT_EQ(p[0], face);
  EXPECT_EQ(p[5], window);
  EXPECT_EQ(p[6], int32_t(0x100000u + 13));  // no SELECTION, no MENUITEM: system highlight
  EXPECT_EQ(p[7], int32_t(0x100000u + 14));
  EXPECT_EQ(p[8], p[6]);
  EXPECT_EQ(p[9], p[7]);
  EXPECT_EQ(p[13], MixColours(p[4], p[5], 13));
  EXPECT_EQ(p[17], 0x8597D9);
  EXPECT_EQ(p[23], 0x4AB28F);
  EXPECT_EQ(uint32_t(p[28]), 0xFF000000u | uint32_t(face));
  EXPECT_EQ(p[29], p[39]);
  EXPECT_EQ(p[40], MixColours(p[4], p[5], 30));
  EXPECT_EQ(p[41], int32_t(0x100000u + 24));
  EXPECT_EQ(MixColours(0x01FF0000, 0x0000FF00, 128), 0x017F7E00);

  const LoadedSkin alert = LoadText(
      "[GLOBALINFO]\nEDITTEXT_ALERT=111\nEDITBG_ALERT=222\nBORDERCOLOR=333\nGRIDLINE=-1\n"
      "[MENUITEM]\nHOTCOLOR=444\nHOTFONTCOLOR=16711935\n[SELECTION]\nSTATES=1\nFONTCOLOR="
      "16711935\n",
      platform);
  const SkinPalette& q = alert.registry->Palette();
  EXPECT_EQ(q[16], 111);
  EXPECT_EQ(q[17], 111);
  EXPECT_EQ(q[18], 111);
  EXPECT_EQ(q[21], 222);
  EXPECT_EQ(q[22], 222);
  EXPECT_EQ(q[23], 222);
  EXPECT_EQ(q[33], 333);
  EXPECT_EQ(q[6], 444);  // magenta selection text: taken from MENUITEM's hot state
  EXPECT_EQ(q[7], int32_t(0x100000u + 14));
}

TEST(SkinRegistry, TitleButtonsAndSlotsFallBack) {
  FakePlatform platform;
  const LoadedSkin skin = LoadText(
      "[GLOBALINFO]\nBICONCLOSE=@0000@0000@0010@0010@1@0\nBICONCLOSEGLOW=2\n"
      "BICONCLOSEGLOW0=@0000@0000@0001@0001@1@0\nBICONCLOSEGLOWMARGIN=3\n"
      "[BUTTON]\nCOLOR=5\n[PANEL_LOW]\nCOLOR=6\nPARENTCLASS=BUTTON\n",
      platform);
  const SkinRegistry& r = *skin.registry;
  const TConstantSkinData& c = r.Indexes();
  EXPECT_GE(c.TitleButtons[1], 0);
  EXPECT_EQ(c.TitleButtons[0], c.TitleButtons[1]);
  EXPECT_EQ(c.TitleButtons[6], c.TitleButtons[1]);  // SICONCLOSE
  EXPECT_EQ(c.GlowMargins[0], 3);
  ASSERT_EQ(c.GlowMasks[0].size(), 2u);
  EXPECT_GE(c.GlowMasks[0][0], 0);
  EXPECT_EQ(c.GlowMasks[0][1], -1);
  const int button = r.GetSkinIndex("BUTTON");
  EXPECT_EQ(c.Sections[47], button);  // COLHEADER
  EXPECT_EQ(c.Sections[48], button);  // COLHEADERA through COLHEADER
  const int colHeaderA = r.GetSkinIndex("COLHEADERA");
  ASSERT_GE(colHeaderA, 0);
  EXPECT_EQ(r.Sections()[size_t(colHeaderA)].Props[0].Color, 5);
  const int sliderOn = r.GetSkinIndex("SLIDER_ON");
  ASSERT_GE(sliderOn, 0);
  EXPECT_TRUE(r.Sections()[size_t(sliderOn)].ParentName.empty());
  EXPECT_EQ(c.Sections[42], -1);  // MENULINE has no stand-in
  EXPECT_EQ(r.GetSkinIndex("MENULINE"), -1);
  EXPECT_EQ(c.UpDownButtons[0].SkinIndex, button);
  EXPECT_EQ(c.UpDownButtons[0].SectionName, "BUTTON");
}

TEST(SkinRegistry, OuterEffectsBySource) {
  FakePlatform platform;
  const LoadedSkin skin = LoadText(
      "[GLOBALINFO]\nLO_SOURCE=0\nSH_SOURCE=1\n"
      "SH_MASK=^0001^0002^0030^0040^0005^0006^0007^0008^2^1^3^4\nLO_WIDTHL=7\n",
      platform);
  const auto& effects = skin.registry->OuterEffects();
  EXPECT_EQ(effects[kLightOutline].MaskIndex, -1);
  const TsMaskData& shadow = skin.registry->Masks()[size_t(effects[kShadow].MaskIndex)];
  EXPECT_EQ(shadow.Rect, (MaskRect{1, 2, 30, 40}));
  EXPECT_EQ(shadow.RightWidth, 7);
  EXPECT_EQ(shadow.BorderWidth, 4);
  EXPECT_EQ(effects[kShadow].Offsets[3], 5);
  EXPECT_EQ(effects[kShadow].Opacity, 60);

  const LoadedSkin generated = LoadText("[GLOBALINFO]\nSH_COLORT=255\nSH_WIDTHL=3\n", platform);
  const OuterEffectData& e = generated.registry->OuterEffects()[kShadow];
  EXPECT_EQ(e.Widths[0], 3);
  EXPECT_EQ(e.Widths[1], 9);
  const TsMaskData& m = generated.registry->Masks()[size_t(e.MaskIndex)];
  ASSERT_NE(m.Image, nullptr);
  EXPECT_EQ(m.Image->Width, 19);
  EXPECT_EQ(m.Image->Height, 38);
  EXPECT_EQ(m.MaskLayout, 1);
  EXPECT_EQ(m.FrameHeight, 19);
  EXPECT_EQ(m.Image->At(9, 0), 0xFFFF0000u);  // the top colour, red, as a pixel
  EXPECT_EQ(m.Image->At(0, 9), 0xFF000000u);  // the left triangle, black
}

TEST(SkinRegistry, BadFixedFieldsAndArgbColoursAbortTheLoad) {
  FakePlatform platform;
  EXPECT_THROW(LoadText("[S]\nGLYPH=@00x0@0000@0010@0010@1@0\n", platform), SkinError);
  EXPECT_THROW(LoadText("[GLOBALINFO]\nBTNCOLOR1NORMAL=red\n", platform), SkinError);
  EXPECT_THROW(LoadText("[S]\nGRADIENTDATA=1;2;3;x;0\n", platform), SkinError);
}

TEST(SkinRegistry, CutsExtendedBorderImagesFromTheExborderMask) {
  FakePlatform platform;
  const Image32 frames =
      test::Picture(8, 3, [](int32_t x, int32_t) { return x < 4 ? 0xFF111111u : 0xFF222222u; });
  SkinLoadSettings settings;
  settings.ExtendedBorders = true;
  const LoadedSkin skin = LoadPackage(
      PackageBuilder()
          .Member("OPTIONS.DAT",
                  "[GLOBALINFO]\nFORMOFFSET=1\nEXBORDER=!EB.BMP!2!0!3!0003!0001!0000!0002!1\n")
          .Member("EB.BMP", test::EncodeBmp(frames, 24))
          .Build(),
      platform, settings);
  const ExtendedBorderData& e = skin.registry->ExtendedBorders();
  EXPECT_EQ(e.Active.Width, 4);
  EXPECT_EQ(e.Active.At(0, 0), 0xFF111111u);
  EXPECT_EQ(e.Inactive.At(0, 0), 0xFF222222u);
  EXPECT_EQ(e.Widths, (std::array<int32_t, 4>{2, 0, 0, 1}));
}

}  // namespace
}  // namespace velmora::skin

namespace velmora::skin {
namespace {

TEST(SkinRegistry, CommonSectionsOverrideAndExtendTheSkinsSections) {
  FakePlatform platform;
  platform.Files["E:\\WOOD.BMP"] = test::EncodeBmp(Grey(3, 2), 24);
  SkinLoadSettings settings;
  settings.CommonSections =
      "[GLOBALINFO]\nCOLOR=1\n[BUTTON]\nCOLOR=7\nTILE=e:\\wood.bmp\n[EXTRA]\nPARENTCLASS=BUTTON\n";
  const LoadedSkin skin = LoadText(
      "[GLOBALINFO]\nCOLOR=9\n[BUTTON]\nCOLOR=3\nHOTCOLOR=4\n[PANEL]\n", platform, settings);
  const SkinRegistry& r = *skin.registry;
  const int button = r.GetSkinIndex("BUTTON");
  EXPECT_EQ(button, 1);
  EXPECT_EQ(r.Sections()[size_t(button)].Props[0].Color, 7);
  EXPECT_EQ(r.Sections()[size_t(button)].Props[1].Color, 4);
  EXPECT_EQ(r.GetSkinIndex("EXTRA"), 3);
  EXPECT_EQ(r.Sections()[3].Props[1].Color, 4);
  EXPECT_EQ(r.MainColor(), 9);
  const int tile = r.GetMaskIndex(button, "TILE");
  ASSERT_GE(tile, 0);
  EXPECT_EQ(r.Masks()[size_t(tile)].Rect, (MaskRect{0, 0, 3, 2}));
}

TEST(SkinRegistry, ScrollWidthTakesTheConfiguredSizeAndTheSecondQueryAtLeastTheSystems) {
  FakePlatform platform;  // its system scroll bar is 17 wide
  EXPECT_EQ(ScrollWidth(-1, platform), 17);
  EXPECT_EQ(ScrollWidth(0, platform), 0);
  EXPECT_EQ(ScrollWidth(30, platform), 30);
  EXPECT_EQ(ScrollWidthAtLeastSystem(-1, platform), 17);
  EXPECT_EQ(ScrollWidthAtLeastSystem(0, platform), 17);
  EXPECT_EQ(ScrollWidthAtLeastSystem(12, platform), 17);
  EXPECT_EQ(ScrollWidthAtLeastSystem(30, platform), 30);
}

}  // namespace
}  // namespace velmora::skin
