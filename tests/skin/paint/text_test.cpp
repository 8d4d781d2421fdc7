// The pixel side of text: coverage laid into 32-bit images, glow masks, and which colours at
// which offsets a caption is drawn in.
#include <gtest/gtest.h>

#include "skin/paint/text_coverage.h"
#include "skin/paint/text_glow.h"
#include "skin/paint/text_plan.h"
#include "tests/skin/paint/loaded_skin.h"
#include "tests/skin/paint/pixels.h"

namespace velmora::skin {
namespace {

using test::Bgra;
using test::Filled;

// Text colour value 0x00102030: red 48, green 32, blue 16. Destination blue 200, green 100,
// red 50, alpha 64.
constexpr uint32_t kText = 0x00102030u;
const uint32_t kDest = Bgra(200, 100, 50, 64);

uint32_t LaidOnce(uint32_t coverage, bool premultiplied) {
  Image32 dest = Filled(1, 1, kDest);
  const Image32 t = Filled(1, 1, coverage);
  BlendTextCoverage(PixelRows(dest), {0, 0, 1, 1}, PixelRows(t), kText, premultiplied);
  return dest.At(0, 0);
}

// Straight: (d * t + k * (256 - t)) >> 8 channel by channel. Coverage blue 128, green 64,
// red 0: blue (200*128 + 16*128) >> 8 = 108, green (100*64 + 32*192) >> 8 = 49, red 48.
TEST(BlendTextCoverage, KeepsSubPixelCoverageAndMakesGlyphPixelsOpaque) {
  EXPECT_EQ(LaidOnce(Bgra(128, 64, 0, 0), false), Bgra(108, 49, 48, 255));
  EXPECT_EQ(LaidOnce(0, false), Bgra(16, 32, 48, 255));
  EXPECT_EQ(LaidOnce(0x00FFFFFFu, false), kDest);
  EXPECT_EQ(LaidOnce(0xFFFFFFFFu, false), kDest);
}

// Premultiplied, grey coverage 128: g = 128, alpha max(64, 127) = 127, each channel
// ((d - k) * 128 + k * 256) * 127 >> 16: blue 27648 * 127 >> 16 = 53, green 16896 * 127 >> 16
// = 32, red 12544 * 127 >> 16 = 24. Full coverage: alpha 254, (d + k * 255) * 254 >> 16: blue
// 4280 * 254 >> 16 = 16, green 8260 * 254 >> 16 = 32, red 12290 * 254 >> 16 = 47.
TEST(BlendTextCoverage, PremultipliedWeighsByTheCoverageGrey) {
  EXPECT_EQ(LaidOnce(Bgra(128, 128, 128, 0), true), Bgra(53, 32, 24, 127));
  EXPECT_EQ(LaidOnce(0, true), Bgra(16, 32, 47, 254));
}

TEST(BlendTextCoverage, TheRectangleIsClippedToTheDestination) {
  Image32 dest = Filled(2, 2, kDest);
  const Image32 t =
      test::Picture(2, 2, [](int32_t x, int32_t y) { return x + y == 2 ? 0u : 0x00FFFFFFu; });
  BlendTextCoverage(PixelRows(dest), {-1, -1, 1, 1}, PixelRows(t), kText, false);
  EXPECT_EQ(dest.At(0, 0), Bgra(16, 32, 48, 255));
  EXPECT_EQ(dest.At(1, 1), kDest);
}

TEST(TextGlow, TheMaskCoversTheMovedRectangleWithAMargin) {
  // Radius 2: margin 6 around the rectangle moved by (1, 1).
  const Rect r = GlowMaskRect({10, 20, 30, 25}, 2);
  EXPECT_EQ(r.Left, 5);
  EXPECT_EQ(r.Top, 15);
  EXPECT_EQ(r.Right, 37);
  EXPECT_EQ(r.Bottom, 32);
}

TEST(TextGlow, EachDirectionBitAddsACopyMovedOnePixel) {
  const struct {
    uint32_t Bits;
    int32_t X, Y;
  } cases[] = {{kGlowLeft, 1, 2}, {kGlowUp, 2, 1}, {kGlowRight, 3, 2}, {kGlowDown, 2, 3}};
  for (const auto& c : cases) {
    Gray8 mask{5, 5, std::vector<uint8_t>(25, 255)};
    mask.At(2, 2) = 0;
    SpreadAndBlur(mask, c.Bits, 0);
    int zeros = 0;
    for (uint8_t v : mask.Pixels) zeros += v == 0;
    EXPECT_EQ(zeros, 2) << c.Bits;
    EXPECT_EQ(mask.At(c.X, c.Y), 0) << c.Bits;
  }
}

// Mask value 55 covers by 200 in red (colour value 0x0000FF) over grey 100, alpha 128:
// blue and green (100 * 55) >> 8 = 21, red (200 * 255 + 100 * 55) >> 8 = 220,
// alpha 128 + (127 * 200 >> 8) = 227.
TEST(TextGlow, ComposesByCoverageAndSkipsBackgroundAndOutsidePixels) {
  Image32 dest = Filled(2, 1, Bgra(100, 100, 100, 128));
  const Gray8 mask{3, 2, {55, 255, 0, 0, 0, 0}};
  ComposeGlow(PixelRows(dest), mask, 0, 0, 0x0000FFu, {0, 0, 2, 1});
  EXPECT_EQ(dest.At(0, 0), Bgra(21, 21, 220, 227));
  EXPECT_EQ(dest.At(1, 0), Bgra(100, 100, 100, 128));
}

// A caption's halo stays inside the caption's rectangle: a mask that covers fully everywhere
// (value 0) lays red 255 * 255 >> 8 = 254 and raises alpha 40 by (215 * 255) >> 8 = 214 to 254
// inside the clip, and nothing around it.
TEST(TextGlow, StaysInsideTheClipRectangle) {
  const uint32_t behind = Bgra(10, 20, 30, 40);
  Image32 dest = Filled(6, 5, behind);
  const Gray8 mask{6, 5, std::vector<uint8_t>(30, 0)};
  ComposeGlow(PixelRows(dest), mask, 0, 0, 0x0000FFu, {2, 1, 4, 3});
  for (int32_t y = 0; y < 5; ++y)
    for (int32_t x = 0; x < 6; ++x) {
      const bool inside = x >= 2 && x < 4 && y >= 1 && y < 3;
      EXPECT_EQ(dest.At(x, y), inside ? Bgra(0, 0, 254, 254) : behind) << x << "," << y;
    }
}

TEST(TextGlow, AHolderServesOnlyTheSameTextFontAndSize) {
  TextGlowHolder holder;
  const TextGlowKey key{L"Caption", "font A", 20, 10, 2, kGlowAll, 0};
  EXPECT_FALSE(holder.Holds(key));
  holder.Key = key;
  holder.Mask = {1, 1, {0}};
  EXPECT_TRUE(holder.Holds(key));
  TextGlowKey other = key;
  other.Font = "font B";
  EXPECT_FALSE(holder.Holds(other));
  other = key;
  other.Text = L"Other";
  EXPECT_FALSE(holder.Holds(other));
}

// --- Colour plans over a loaded skin.
const char* kSections =
    "[PLAIN]\r\nFONTCOLOR=7\r\nHOTFONTCOLOR=8\r\n"
    "[OUTLINED]\r\nFONTCOLOR=5\r\nTCLEFT=1\r\nTCBOTTOM=4\r\nHOTFONTCOLOR=5\r\n"
    "[CHECKBOX]\r\nFONTCOLOR=11\r\nHOTFONTCOLOR=12\r\nHOTTRANSPARENCY=0\r\n"
    "[WEBBUTTON]\r\nFONTCOLOR=9\r\nHOTFONTCOLOR=10\r\nHOTTRANSPARENCY=40\r\n"
    "[GLOWING]\r\nFONTCOLOR=3\r\nGSIZE=3\r\nGCOL=255\r\n"
    "[DIMMED]\r\nFONTCOLOR=1056816\r\nCOLOR=15786192\r\nHOTFONTCOLOR=0\r\n";

struct Plans : ::testing::Test {
  test::LoadedSkin skin{kSections, MakeImage(4, 4, 0xFF000000u)};
  ControlTextSource Control(const char* section) {
    ControlTextSource c;
    c.Skin = skin.registry.get();
    c.SkinIndex = skin.Index(section);
    return c;
  }
};

TEST_F(Plans, EnabledTextWithoutContoursIsDrawnOnceInTheFontColour) {
  EXPECT_EQ(PlanControlText(Control("PLAIN"), 0, true).Passes, (std::vector<TextPass>{{0, 0, 7}}));
  EXPECT_EQ(PlanSectionText(skin.registry.get(), 1, skin.Index("PLAIN"), true).Passes,
            (std::vector<TextPass>{{0, 0, 8}}));
}

TEST_F(Plans, ContoursComeFirstOnePixelOffAndOnlyWhenEnabled) {
  const std::vector<TextPass> outlined{{-1, 0, 1}, {0, 1, 4}, {0, 0, 5}};
  EXPECT_EQ(PlanControlText(Control("OUTLINED"), 0, true).Passes, outlined);
  EXPECT_EQ(PlanControlText(Control("OUTLINED"), 0, false).Passes,
            (std::vector<TextPass>{{0, 0, 5}}));
  const std::vector<TextPass> premultiplied{{-1, 0, 1, true}, {0, 1, 4, true}, {0, 0, 5, true}};
  EXPECT_EQ(PlanSectionText32(skin.registry.get(), 0, skin.Index("OUTLINED"), true).Passes,
            premultiplied);
  EXPECT_EQ(PlanSectionText32(skin.registry.get(), 0, skin.Index("OUTLINED"), false).Passes,
            (std::vector<TextPass>{{0, 0, 5}}));
}

// Without a skin section, or with a font of its own, a control's text is plain; disabled it is
// engraved: highlight one pixel right and down, then shadow in place.
TEST_F(Plans, UnskinnedTextIsPlainAndEngravedWhenDisabled) {
  ControlTextSource none = Control("PLAIN");
  none.SkinIndex = -1;
  EXPECT_EQ(PlanControlText(none, 0, true).Passes, (std::vector<TextPass>{{0, 0, kCanvasColour}}));
  ControlTextSource own = Control("PLAIN");
  own.CustomFont = true;
  EXPECT_EQ(PlanControlText(own, 0, false).Passes,
            (std::vector<TextPass>{{1, 1, 0xFF000014u}, {0, 0, 0xFF000010u}}));
}

TEST_F(Plans, TheParentDecidesUnderATransparentKindOfSection) {
  int asked = 0;
  int32_t answer = 0, reported = -1;
  ControlTextSource box = Control("CHECKBOX");
  box.ParentFontColour = 0x00ABCDEFu;
  box.SectionUnder = [&](int32_t, int32_t& index) {
    ++asked;
    index = reported;
    return answer;
  };
  EXPECT_EQ(PlanControlText(box, 0, true).Passes, (std::vector<TextPass>{{0, 0, 0x00ABCDEFu}}));
  answer = 1, reported = skin.Index("PLAIN");
  EXPECT_EQ(PlanControlText(box, 0, true).Passes, (std::vector<TextPass>{{0, 0, 7}}));
  answer = -1;
  EXPECT_EQ(PlanControlText(box, 0, true).Passes, (std::vector<TextPass>{{0, 0, 11}}));
  asked = 0;
  EXPECT_EQ(PlanControlText(box, 1, true).Passes, (std::vector<TextPass>{{0, 0, 12}}));
  EXPECT_EQ(asked, 0);  // hot and opaque: its own section
  ControlTextSource orphan = Control("CHECKBOX");
  EXPECT_EQ(PlanControlText(orphan, 0, true).Passes, (std::vector<TextPass>{{0, 0, 11}}));
}

TEST_F(Plans, WebButtonsUnderlineAboveStateZero) {
  EXPECT_FALSE(PlanControlText(Control("WEBBUTTON"), 0, true).Underline);
  const TextPlan hot = PlanControlText(Control("WEBBUTTON"), 1, true);
  EXPECT_TRUE(hot.Underline);
  EXPECT_EQ(hot.Passes, (std::vector<TextPass>{{0, 0, 10}}));
}

// A hue turn of 120 degrees makes pure red (colour value 0x0000FF) pure green (0x00FF00), and
// red 3 green 3.
TEST_F(Plans, GlowTakesTheStateSizeAndTheAdjustedGlowColour) {
  ControlTextSource glowing = Control("GLOWING");
  glowing.Adjust.HueOffset = 120;
  const TextPlan plan = PlanControlText(glowing, 0, true);
  EXPECT_EQ(plan.GlowSize, 3);
  EXPECT_EQ(plan.GlowColour, 0x00FF00u);
  EXPECT_EQ(plan.Passes, (std::vector<TextPass>{{0, 0, 0x000300u}}));
  EXPECT_EQ(PlanControlText(Control("PLAIN"), 0, true).GlowSize, 0);
}

// Disabled section text: WeighColors(FontColor, Color, 100) of state 0, whatever the state.
// FontColor 0x102030 and Color 0xF0E0D0: red (48*100 + 208*155) >> 8 = 144, green
// (32*100 + 224*155) >> 8 = 148, blue (16*100 + 240*155) >> 8 = 151.
TEST_F(Plans, DisabledSectionTextIsTheFontColourWeighedTowardsTheNormalColour) {
  EXPECT_EQ(PlanSectionText(skin.registry.get(), 1, skin.Index("DIMMED"), false).Passes,
            (std::vector<TextPass>{{0, 0, 0x979490u}}));
  EXPECT_EQ(PlanSectionText(skin.registry.get(), 0, 99, true).Passes,
            (std::vector<TextPass>{{0, 0, kCanvasColour}}));
}

// Tone: the caption takes the tone's hue at its own brightest byte. Red tone 0x0000FF over the
// dark red 0x000080: 0xFF * 0x80 >> 8 = 0x7F in the red byte; green tone 0x00FF00 over the
// blue 0x400000: 0x3F in the green byte. A system colour is resolved before any adjustment:
// button shadow 0x808080 turned by any hue stays grey.
TEST(AdjustTextColour, TonesTurnsAndSaturatesResolvedColours) {
  ControlColours tone;
  tone.ColorTone = 0x0000FFu;
  EXPECT_EQ(AdjustTextColour(0x000080u, tone), 0x00007Fu);
  tone.ColorTone = 0x00FF00u;
  EXPECT_EQ(AdjustTextColour(0x400000u, tone), 0x003F00u);
  ControlColours turn;
  turn.HueOffset = 90;
  EXPECT_EQ(AdjustTextColour(0xFF000010u, turn), 0x808080u);
  EXPECT_EQ(AdjustTextColour(0x123456u, {}), 0x123456u);
}

TEST(CutText, KeepsAtMost5460Characters) {
  const std::wstring longText(5461, L'x');
  EXPECT_EQ(CutText(longText).size(), 5460u);
  EXPECT_EQ(CutText(L"short"), L"short");
}

}  // namespace
}  // namespace velmora::skin
