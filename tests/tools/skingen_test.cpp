// The stored skin as the program reads it: the package format, what the later drawing needs
// from it (every section and key listed here from the window, controls, frame and menu the
// program draws), the facts it promises, its legibility, and that every build makes the same bytes.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "skin/data/options_text.h"
#include "skin/data/skin_images.h"
#include "skin/data/skin_package.h"
#include "skin/data/skin_registry.h"
#include "skingen/package.h"
#include "tests/skin/fake_platform.h"

namespace velmora::skin {
namespace {

struct Loaded {
  std::vector<uint8_t> bytes;
  TacSkinConvertor package;
  OptionsText options;
  std::unique_ptr<SkinRegistry> registry;
  test::FakePlatform platform;
};

// Built once: every test reads the same skin, as the program does.
const Loaded& Skin() {
  static Loaded* loaded = [] {
    auto* l = new Loaded;
    l->bytes = skingen::BuildStoredSkin().Package;
    l->package = ReadSkinPackage(l->bytes);
    l->options = OptionsText::Parse(l->package.Options.value_or(""));
    l->registry = SkinRegistry::Load(l->options, {&l->package, "", &l->platform}, {}, l->platform);
    return l;
  }();
  return *loaded;
}

const SkinRegistry& Registry() { return *Skin().registry; }

const TsGeneralData& Section(const std::string& name) {
  const int index = Registry().GetSkinIndex(name);
  EXPECT_GE(index, 0) << name;
  return Registry().Sections()[size_t(std::max(index, 0))];
}

const TsMaskData& Mask(const std::string& section, const std::string& key) {
  const int index = Registry().GetMaskIndex(Registry().GetSkinIndex(section), section, key);
  EXPECT_GE(index, 0) << section << " " << key;
  return Registry().Masks()[size_t(std::max(index, 0))];
}

uint32_t ReadU32(const std::vector<uint8_t>& b, size_t at) {
  return uint32_t(b[at]) | uint32_t(b[at + 1]) << 8 | uint32_t(b[at + 2]) << 16 |
         uint32_t(b[at + 3]) << 24;
}

// Relative luminance and contrast as the accessibility guidelines define them, from 0x00BBGGRR.
double Luminance(uint32_t bgr) {
  const auto linear = [](uint32_t v) {
    const double s = (v & 0xFF) / 255.0;
    return s <= 0.04045 ? s / 12.92 : std::pow((s + 0.055) / 1.055, 2.4);
  };
  return 0.2126 * linear(bgr) + 0.7152 * linear(bgr >> 8) + 0.0722 * linear(bgr >> 16);
}
double Contrast(uint32_t a, uint32_t b) {
  const double la = Luminance(a), lb = Luminance(b);
  return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}
uint32_t PixelToColour(uint32_t argb) {  // 0xAARRGGBB to 0x00BBGGRR
  return (argb & 0xFF) << 16 | (argb & 0xFF00) | (argb >> 16 & 0xFF);
}

TEST(StoredSkin, IsAPackageOfLevelNineMembersWithAPreviewAtTheEnd) {
  const std::vector<uint8_t>& b = Skin().bytes;
  ASSERT_GT(b.size(), 16u);
  EXPECT_EQ(std::string(b.begin(), b.begin() + 4), "ASzf");
  EXPECT_EQ(ReadU32(b, 4), 3u);
  const uint32_t nameLength = ReadU32(b, 8);
  EXPECT_EQ(std::string(b.begin() + 12, b.begin() + 12 + nameLength), "OPTIONS.DAT");
  EXPECT_EQ(b[12 + nameLength + 4], 0x78);
  EXPECT_EQ(b[12 + nameLength + 5], 0xDA);

  const auto preview = FindPreview(b);
  ASSERT_TRUE(preview.has_value());
  EXPECT_EQ(preview->data() + preview->size(), b.data() + b.size());
  const Image32 thumbnail = DecodeSkinImage("PREVIEW.PNG", *preview, false);
  EXPECT_EQ(thumbnail.Width, 140);
  EXPECT_EQ(thumbnail.Height, 100);

  ASSERT_TRUE(Skin().package.Options.has_value());
  ASSERT_EQ(Skin().package.Images.size(), 2u);
  EXPECT_NE(FindImageMember(Skin().package, "MASTER.BMP"), nullptr);
}

TEST(StoredSkin, EveryBuildMakesTheSameBytes) {
  EXPECT_EQ(skingen::BuildStoredSkin().Package, Skin().bytes);
}

TEST(StoredSkin, LoadsWithGlobalInfoFirstAndSixtyEightSections) {
  EXPECT_TRUE(Skin().platform.Messages.empty());
  EXPECT_EQ(Skin().options.Sections().front().Name, "GLOBALINFO");
  EXPECT_EQ(Skin().options.Sections().size(), 68u);
  EXPECT_EQ(Registry().GetSkinIndex("GLOBALINFO"), 0);
  EXPECT_EQ(Registry().GetSkinIndex("MAINCOLOR"), 68);
  EXPECT_EQ(Registry().CommonData().Version, 10.25);
  EXPECT_EQ(Skin().options.ReadString("GLOBALINFO", "MASTERBITMAP", ""), "MASTER.BMP");
  EXPECT_FALSE(Registry().MasterImage().Empty());
}

TEST(StoredSkin, HoldsTheSectionsTheWindowControlsFrameAndMenuDrawWith) {
  // Window and frame; title band; the form of messages and system dialogs; the controls the
  // window's own and adapted controls default to; drop-down lists; the popup menu.
  for (const char* name :
       {"FORM",        "FORMTITLE",   "FORMHEADER", "DIALOG",    "DIALOGTITLE",       "CHECKBOX",
        "TRANSPARENT", "TRACKBAR",    "BUTTON",     "PANEL",     "PANEL_LOW",         "GROUPBOX",
        "EDIT",        "COMBOBOX",    "COMBOBTN",   "SELECTION", "MAINMENU",          "MENUITEM",
        "DIVIDERV",    "MENUCAPTION", "ICOLINE",    "EXTRALINE", "SPEEDBUTTON_SMALL", "MENULINE",
        "HINT"}) {
    EXPECT_GE(Registry().GetSkinIndex(name), 0) << name;
  }
  EXPECT_GE(Section("FORM").BorderIndex, 0);
  EXPECT_GE(Section("FORMTITLE").BorderIndex, 0);
  EXPECT_GE(Section("BUTTON").BorderIndex, 0);
  EXPECT_GE(Section("EDIT").BorderIndex, 0);
  EXPECT_GE(Section("MAINMENU").BorderIndex, 0);
  EXPECT_GE(Registry().Indexes().ComboBtn.SkinIndex, 0);
  EXPECT_GE(Registry().Indexes().ComboBtn.GlyphIndex, 0);
  EXPECT_GE(Registry().Indexes().MenuItem.SkinIndex, 0);
}

TEST(StoredSkin, HoldsTheGlyphsOfChecksRadiosTitleButtonsAndMenuChecks) {
  const TConstantSkinData& indexes = Registry().Indexes();
  for (int glyph : indexes.CheckGlyphs) EXPECT_GE(glyph, 0);
  for (int glyph : indexes.SmallCheckGlyphs) EXPECT_GE(glyph, 0);
  for (int glyph : indexes.RadioGlyphs) EXPECT_GE(glyph, 0);
  for (int slot = 0; slot < 11; ++slot) EXPECT_GE(indexes.TitleButtons[size_t(slot)], 0) << slot;
  EXPECT_GE(Registry().GlobalMask("CHECK"), 0);
  for (const char* key : {"BOXCHECKED", "BOXUNCHECKED", "RADIOCHECKED", "RADIOUNCHECKED"}) {
    const TsMaskData& glyph = Registry().Masks()[size_t(Registry().GlobalMask(key))];
    EXPECT_EQ(glyph.Kind, kGlyph) << key;
    EXPECT_EQ(glyph.FrameCount, 3) << key;  // normal, hot, pressed
  }
}

TEST(StoredSkin, TitleButtonsAreTwentyFourByTwentyFiveBesideEachOther) {
  for (const char* key : {"BICONCLOSE", "BICONMIN"}) {
    const TsMaskData& button = Registry().Masks()[size_t(Registry().GlobalMask(key))];
    EXPECT_EQ(button.FrameWidth, 24) << key;
    EXPECT_EQ(button.FrameHeight, 25) << key;
    EXPECT_EQ(button.FrameCount, 3) << key;
  }
  EXPECT_EQ(Registry().CommonData().TitleButtonRight, 2);
  EXPECT_EQ(Registry().CommonData().TitleButtonSpace, -1);
}

TEST(StoredSkin, TrackBarIsClearWithItsChannelThumbAndTicks) {
  const TsGeneralData& bar = Section("TRACKBAR");
  EXPECT_EQ(bar.StateCount, 3);
  EXPECT_EQ(bar.Props[0].Transparency, 100);
  EXPECT_EQ(bar.Props[1].Transparency, 100);
  const TrackBarIndexes& horizontal = Registry().Indexes().TrackBars[1];
  ASSERT_GE(horizontal.ChannelMask, 0);
  const TsMaskData& channel = Registry().Masks()[size_t(horizontal.ChannelMask)];
  EXPECT_EQ(channel.Kind, kBordersMask);
  EXPECT_EQ(channel.FrameCount, 2);
  const TsMaskData& thumb = Registry().Masks()[size_t(horizontal.SliderMask)];
  EXPECT_EQ(thumb.FrameCount, 2);
  EXPECT_EQ(thumb.FrameWidth, 17);
  EXPECT_EQ(thumb.FrameHeight, 18);
  for (const char* key : {"TICKHORZ", "TICKVERT"}) {
    EXPECT_EQ(Mask("TRACKBAR", key).FrameWidth, 3) << key;
    EXPECT_EQ(Mask("TRACKBAR", key).FrameHeight, 3) << key;
  }
  EXPECT_EQ(horizontal.ProgressMask, -1);
  EXPECT_EQ(Registry().Indexes().TrackBars[0].ProgressMask, -1);
}

TEST(StoredSkin, CheckBoxIsClearInNormalAndHot) {
  const TsGeneralData& box = Section("CHECKBOX");
  EXPECT_EQ(box.Props[0].Transparency, 100);
  EXPECT_EQ(box.Props[1].Transparency, 100);
  EXPECT_EQ(box.BorderIndex, -1);
}

TEST(StoredSkin, WindowGroundIsAJpegTextureUnderRoundedKeyCutCorners) {
  const TsGeneralData& form = Section("FORM");
  for (int state : {0, 1}) {
    EXPECT_EQ(form.Props[size_t(state)].ImagePercent, 100);
    ASSERT_GE(form.Props[size_t(state)].TextureIndex, 0);
    const TsMaskData& texture = Registry().Masks()[size_t(form.Props[size_t(state)].TextureIndex)];
    EXPECT_EQ(texture.Kind, kTexture);
    ASSERT_NE(texture.Image, nullptr);
    EXPECT_GE(texture.Image->Width, 764);  // no repeat across the window's client area
    EXPECT_GE(texture.Image->Height, 537);
  }
  const TacImageItem* jpeg = FindImageMember(Skin().package, "GREEN_WOOD.JPG");
  ASSERT_NE(jpeg, nullptr);
  EXPECT_EQ(jpeg->Data[0], 0xFF);
  EXPECT_EQ(jpeg->Data[1], 0xD8);

  // The frame's top-left corner pixel is the key, its centre-left border pixel is not.
  for (const char* section : {"FORM", "FORMTITLE", "MAINMENU"}) {
    const TsMaskData& frame = Registry().Masks()[size_t(Section(section).BorderIndex)];
    EXPECT_NE(frame.CornerFlag, 0) << section;
    const Image32& master = Registry().MasterImage();
    EXPECT_EQ(master.At(frame.Rect.Left, frame.Rect.Top), kKeyColour) << section;
    EXPECT_NE(master.At(frame.Rect.Left, frame.Rect.Top + frame.FrameHeight / 2), kKeyColour);
  }
}

const Image32& Ground() {
  static const Image32 ground = DecodeSkinImage(
      "GREEN_WOOD.JPG", FindImageMember(Skin().package, "GREEN_WOOD.JPG")->Data, false);
  return ground;
}

TEST(StoredSkin, GroundTilesWithoutASeamAndStaysQuiet) {
  const Image32& g = Ground();
  const auto step = [&](int x0, int y0, int x1, int y1) {
    const uint32_t a = g.At(x0, y0), b = g.At(x1, y1);
    return std::abs(int(a >> 8 & 0xFF) - int(b >> 8 & 0xFF));
  };
  double across = 0, inside = 0, down = 0, within = 0;
  for (int y = 0; y < g.Height; ++y) {
    across += step(g.Width - 1, y, 0, y);
    inside += step(g.Width / 2, y, g.Width / 2 + 1, y);
  }
  for (int x = 0; x < g.Width; ++x) {
    down += step(x, g.Height - 1, x, 0);
    within += step(x, g.Height / 2, x, g.Height / 2 + 1);
  }
  EXPECT_LE(across, 1.5 * inside + g.Height);
  EXPECT_LE(down, 1.5 * within + g.Width);
  double lightest = 0, darkest = 1;
  for (uint32_t p : g.Pixels) {
    lightest = std::max(lightest, Luminance(PixelToColour(p)));
    darkest = std::min(darkest, Luminance(PixelToColour(p)));
  }
  EXPECT_LT((lightest + 0.05) / (darkest + 0.05), 1.6);  // texture, never pattern
}

// The lightest colour a light caption can stand on: the ground's lightest pixel, with the
// photograph laid over at 7 % as if it were white.
uint32_t LightestGround() {
  uint32_t best = 0;
  for (uint32_t p : Ground().Pixels)
    if (Luminance(PixelToColour(p)) > Luminance(best)) best = PixelToColour(p);
  uint32_t out = 0;
  for (int shift : {0, 8, 16}) {
    const double c = (best >> shift & 0xFF) * 0.93 + 255 * 0.07;
    out |= uint32_t(std::lround(c)) << shift;
  }
  return out;
}

TEST(StoredSkin, CaptionsAreLegibleOnWhatLiesUnderThem) {
  EXPECT_GE(Contrast(uint32_t(Section("FORM").Props[0].FontColor), LightestGround()), 7.0);
  EXPECT_GE(Contrast(uint32_t(Registry().LabelColor()), LightestGround()), 7.0);
  EXPECT_GE(Contrast(uint32_t(Section("CHECKBOX").Props[1].FontColor), LightestGround()), 7.0);
  for (const char* name : {"FORMTITLE", "BUTTON", "EDIT", "SELECTION", "MAINMENU"}) {
    const TsGeneralData& section = Section(name);
    for (int state = 0; state < std::min(section.StateCount, 3); ++state) {
      const TsGenState& look = section.Props[size_t(state)];
      std::vector<uint32_t> under{uint32_t(look.Color)};
      for (const auto& stop : look.Gradient) under.push_back(stop.Color & 0xFFFFFF);
      for (uint32_t back : under)
        EXPECT_GE(Contrast(uint32_t(look.FontColor), back), 4.5) << name << " " << state;
    }
  }
  const TsGenState& selected = Section("MENUITEM").Props[1];
  EXPECT_GE(Contrast(uint32_t(selected.FontColor), uint32_t(selected.Color)), 4.5);
}

}  // namespace
}  // namespace velmora::skin
