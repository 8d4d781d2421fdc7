// The skin-wide colour shifts as a load applies them; values from the transforms' formulas.
#include <gtest/gtest.h>

#include "skin/data/skin_registry.h"
#include "tests/skin/fake_platform.h"
#include "tests/skin/package_builder.h"

namespace velmora::skin {
namespace {

using test::FakePlatform;
using test::PackageBuilder;

// R 200, G 100, B 50 as a colour value and as a pixel.
constexpr int32_t kColour = 0x3264C8;
constexpr uint32_t kPixel = 0xFFC86432u;

struct Shifted {
  TacSkinConvertor package;
  OptionsText options;
  std::unique_ptr<SkinRegistry> registry;
};

// A 4 x 4 master with a key pixel at the origin, a layout-1 glyph over all of it and a close
// button over its top-left quarter.
Shifted Load(SkinLoadSettings settings, int keepHue = 0) {
  static FakePlatform platform;
  const Image32 master = test::Picture(4, 4, [](int32_t x, int32_t y) {
    return x == 0 && y == 0 ? 0xFF00FFu : kPixel;
  });
  const std::string options =
      "[GLOBALINFO]\nMASTERBITMAP=MASTER.BMP\nVERSION=10.25\nCOLOR=3302600\n"
      "SHADOW1COLOR=3302600\nBIKEEPHUE=" + std::to_string(keepHue) +
      "\nBICONCLOSE=@0000@0000@0002@0002@1@0\n"
      "[BUTTON]\nCOLOR=3302600\nGLYPHMASK=@0000@0000@0004@0004@1@1\n"
      "GRADIENTDATA=3302600;3302600;100;0;0\nTCLEFT=-1\n";
  Shifted s{ReadSkinPackage(PackageBuilder()
                                .Member("OPTIONS.DAT", options)
                                .Member("MASTER.BMP", test::EncodeBmp(master, 24))
                                .Build()),
            {}, nullptr};
  s.options = OptionsText::Parse(*s.package.Options);
  s.registry = SkinRegistry::Load(s.options, {&s.package, "", &platform}, settings, platform);
  return s;
}

const TsGenState& Button(const SkinRegistry& r) {
  return r.Sections()[size_t(r.GetSkinIndex("BUTTON"))].Props[0];
}

TEST(SkinColourShifts, NoneLeaveTheSkinAsWritten) {
  const Shifted s = Load({});
  EXPECT_EQ(s.registry->MasterImage().At(3, 3), kPixel);
  EXPECT_EQ(Button(*s.registry).Color, kColour);
  EXPECT_EQ(s.registry->MainColor(), kColour);
}

TEST(SkinColourShifts, HueTurnsImagesSectionsPaletteAndShadow) {
  // 20 degrees + 10: (200, 125, 50).
  const Shifted s = Load({.HueOffset = 10});
  const SkinRegistry& r = *s.registry;
  EXPECT_EQ(r.MasterImage().At(3, 3), 0xFFC87D32u);
  EXPECT_EQ(r.MasterImage().At(1, 1), 0xFFC87D32u);
  EXPECT_EQ(r.MasterImage().At(0, 0), 0x00FF00FFu);  // the key stays the key
  EXPECT_EQ(Button(r).Color, 0x327DC8);
  EXPECT_EQ(Button(r).TCLeft, -1);  // no colour stays none
  ASSERT_FALSE(Button(r).Gradient.empty());
  EXPECT_EQ(Button(r).Gradient[0].Color, 0xFF327DC8u);
  EXPECT_EQ(r.MainColor(), 0x327DC8);
  EXPECT_EQ(r.CommonData().ShadowColor, 0x327DC8);
}

TEST(SkinColourShifts, HueSparesTitleButtonsWhenTheSkinKeepsTheirHue) {
  const Shifted s = Load({.HueOffset = 10}, 1);
  EXPECT_EQ(s.registry->MasterImage().At(1, 1), kPixel);  // inside the close button
  EXPECT_EQ(s.registry->MasterImage().At(2, 1), 0xFFC87D32u);
}

TEST(SkinColourShifts, SaturationIsAPercentOf255) {
  // 40 % is 102: grey 124, (357 c - 102 * 124) >> 8 gives 229, 90, 20.
  const Shifted s = Load({.Saturation = 40});
  EXPECT_EQ(s.registry->MasterImage().At(3, 3), 0xFFE55A14u);
  EXPECT_EQ(Button(*s.registry).Color, 0x145AE5);
}

TEST(SkinColourShifts, BrightnessSparesTheMaskHalfOfLayoutOneImages) {
  // -50 takes c * 50 >> 8 away: 161, 81, 41.
  const Shifted s = Load({.Brightness = -50});
  EXPECT_EQ(s.registry->MasterImage().At(1, 1), 0xFFA15129u);
  EXPECT_EQ(s.registry->MasterImage().At(1, 2), kPixel);  // lower half: the glyph's mask
  EXPECT_EQ(Button(*s.registry).Color, 0x2951A1);
}

}  // namespace
}  // namespace velmora::skin
