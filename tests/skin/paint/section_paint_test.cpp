#include "skin/paint/section_paint.h"

#include <gtest/gtest.h>

#include "skin/paint/texture.h"
#include "tests/skin/paint/loaded_skin.h"
#include "tests/skin/paint/pixels.h"

namespace velmora::skin {
namespace {

using test::Bgra;
using test::Filled;
using test::kUntouched;
using test::LoadedSkin;

// Master image: a 2 x 2 texture at (0, 0) numbered blue 10, 20 / 30, 40 (green 100, red 0); at
// (0, 2) a 2 x 4 texture with a mask layer: picture blue 200 over mask 0, but its top-left pixel
// is the key.
Image32 TexturesMaster() {
  return test::Picture(8, 8, [](int32_t x, int32_t y) -> uint32_t {
    if (x < 2 && y < 2) return Bgra(10 + 10 * x + 20 * y, 100, 0, 255);
    if (x < 2 && y < 4) return x == 0 && y == 2 ? 0x00FF00FFu : Bgra(200, 0, 0, 255);
    if (x < 2 && y < 6) return Bgra(0, 0, 0, 255);
    return Bgra(5, 5, 5, 255);
  });
}

std::string Sections() {
  return "[THREE]\r\nSTATES=3\r\nUSESTATE2=1\r\nCOLOR=1\r\nHOTCOLOR=2\r\nCOLOR2=3\r\n"
         "[CLEAR]\r\nCOLOR=255\r\nTRANSPARENCY=100\r\nHOTTRANSPARENCY=100\r\n"
         "[HALF]\r\nCOLOR=200\r\nTRANSPARENCY=50\r\n"
         "[ONEPASS]\r\nCOLOR=0\r\nIMAGEPERCENT=85\r\nGRADIENTPERCENT=15\r\nPATTERN=~0000~0000~0002~0002~00\r\n"
         "GRADIENTDATA=6579300;6579300;97;0;0;6579300;6579300;0;0;0\r\n"
         "[LAYERED]\r\nCOLOR=0\r\nIMAGEPERCENT=50\r\nGRADIENTPERCENT=30\r\nPATTERN=~0000~0000~0002~0002~00\r\n"
         "GRADIENTDATA=6579300;6579300;97;0;0;6579300;6579300;0;0;0\r\nHOTCOLOR=8421504\r\n"
         "[LAST]\r\nCOLOR=0\r\nTRANSPARENCY=100\r\nGRADIENTPERCENT=50\r\nGRADIENTDATA=0;0;16;100;100;16;B\r\n";
}

struct SectionPaint : ::testing::Test {
  LoadedSkin skin{Sections(), TexturesMaster()};
  Image32 dest = Filled(4, 4, kUntouched);
  Image32 parentImage = test::Picture(10, 10, [](int32_t x, int32_t y) { return Bgra(x, y, 9, 255); });
  PaintTarget Target(int32_t state, TacParentBg parent = {}) {
    return {PixelRows(dest), {0, 0, 4, 4}, state, parent, 0, 0};
  }
};

TEST_F(SectionPaint, AStateBeyondTheCountPaintsTheLastBlock) {
  PaintSection(Target(5), skin.registry.get(), skin.Index("THREE"));
  EXPECT_EQ(dest.At(2, 2), Bgra(0, 0, 3, 255));  // COLOR2 = 3: red 3
  PaintSection(Target(1), skin.registry.get(), skin.Index("THREE"));
  EXPECT_EQ(dest.At(2, 2), Bgra(0, 0, 2, 255));
}

TEST_F(SectionPaint, InvalidIndexesAndEmptyAreasPaintNothing) {
  PaintSection(Target(0), skin.registry.get(), 999);
  PaintSection(Target(0), nullptr, skin.Index("THREE"));
  PaintTarget outside = Target(0);
  outside.Area = {4, 4, 9, 9};
  PaintSection(outside, skin.registry.get(), skin.Index("THREE"));
  EXPECT_EQ(dest.Pixels, Filled(4, 4, kUntouched).Pixels);
}

TEST_F(SectionPaint, FullTransparencyShowsExactlyTheReadyParent) {
  PaintTarget t = Target(0, ParentFromBitmap(PixelRows(parentImage), 3, 1));
  t.Px = 1;
  PaintSection(t, skin.registry.get(), skin.Index("CLEAR"));
  // The area's origin is the parent's (3 + 1, 1 + 0).
  for (int32_t y = 0; y < 4; ++y)
    for (int32_t x = 0; x < 4; ++x) EXPECT_EQ(dest.At(x, y), Bgra(4 + x, 1 + y, 9, 255));
}

// Transparency 50 over a plain parent: WeighColors(F, C, 127) with F red 100 and C red 200:
// red (100*127 + 200*128) >> 8 = (12700 + 25600) >> 8 = 149.
TEST_F(SectionPaint, HalfTransparencyOverAPlainParentMixesTheColours) {
  TacParentBg plain;
  plain.FillColor = 100;
  PaintSection(Target(0, plain), skin.registry.get(), skin.Index("HALF"));
  EXPECT_EQ(dest.At(1, 1), Bgra(0, 0, 149, 255));
}

// Transparency 50 over a Ready parent: the colour layer (red 200) in a temporary, the parent's
// pixels in the area, then the layer weighed in with the parent keeping 50*255/100 = 127:
// red (9*127 + 200*129) >> 8 = 26943 >> 8 = 105; blue and green (1*127) >> 8 = 0; alpha 255.
TEST_F(SectionPaint, HalfTransparencyOverAReadyParentKeepsHalfOfIt) {
  PaintSection(Target(0, ParentFromBitmap(PixelRows(parentImage), 0, 0)), skin.registry.get(),
               skin.Index("HALF"));
  EXPECT_EQ(dest.At(1, 1), Bgra(0, 0, 105, 255));
}

// A parent that painted only its left strip (2 wide): those columns come from its bitmap, the
// rest is its fill colour.
TEST_F(SectionPaint, ANotReadyParentShowsItsPaintedEdgesAndFillColour) {
  TacParentBg edges;
  edges.Bitmap = PixelRows(parentImage);
  edges.FillColor = 0x00000040u;
  edges.ReadyLeft = 2;
  PaintSection(Target(0, edges), skin.registry.get(), skin.Index("CLEAR"));
  EXPECT_EQ(dest.At(1, 3), Bgra(1, 3, 9, 255));
  EXPECT_EQ(dest.At(2, 3), Bgra(0, 0, 0x40, 255));
}

// Image 85 and gradient 15 with a tiled texture: one pass, texture weight 85*255/100 = 216 over
// grey 100 (6579300 = 0x646464): blue (t*216 + 100*40) >> 8; texture blue 10 at (0,0): 2160 +
// 4000 = 6160 -> 24; green (100*216 + 100*40) >> 8 = 100; red 100*40 >> 8 = 15.
TEST_F(SectionPaint, ImageAndGradientAddingToAHundredPaintInOnePass) {
  PaintSection(Target(0), skin.registry.get(), skin.Index("ONEPASS"));
  EXPECT_EQ(dest.At(0, 0), Bgra(24, 100, 15, 255));
  // (3, 1) uses texture (1, 1), blue 40: (40*216 + 4000) >> 8 = 12640 >> 8 = 49.
  EXPECT_EQ(dest.At(3, 1), Bgra(49, 100, 15, 255));
}

// Image 50, gradient 30: the texture; the grey gradient blended with the texture keeping
// 50*255/100 = 127: blue (10*127 + 100*129) >> 8 = 14170 >> 8 = 55, green 100, red
// (100*129) >> 8 = 50, alpha 255; then colour black keeping 20 %: weight 80*255/100 = 204:
// blue 55*204 >> 8 = 43, green 100*204 >> 8 = 79, red 50*204 >> 8 = 39.
TEST_F(SectionPaint, TextureThenGradientThenColour) {
  PaintSection(Target(0), skin.registry.get(), skin.Index("LAYERED"));
  EXPECT_EQ(dest.At(0, 0), Bgra(43, 79, 39, 255));
}

TEST_F(SectionPaint, AdjustmentsNeverRecolourAParentThatShowsThrough) {
  int adjusted = 0;
  const Adjustments adjust = [&](const PixelView&) { ++adjusted; };
  ControlLook clear{skin.Index("CLEAR")};
  PaintControlSection(Target(0, ParentFromBitmap(PixelRows(parentImage), 0, 0)), skin.registry.get(), clear,
                      true, adjust);
  EXPECT_EQ(adjusted, 0);
  EXPECT_EQ(dest.At(3, 3), Bgra(3, 3, 9, 255));
  ControlLook opaque{skin.Index("THREE")};
  PaintControlSection(Target(0), skin.registry.get(), opaque, true, adjust);
  EXPECT_EQ(adjusted, 1);
}

TEST_F(SectionPaint, ACustomColourReplacesTheLayers) {
  ControlLook own{skin.Index("LAYERED"), true, 0x00332211u};
  PaintControlSection(Target(0), skin.registry.get(), own, true);
  EXPECT_EQ(dest.At(2, 2), Bgra(0x33, 0x22, 0x11, 255));
}

// A stop asking for smoothing (old format) paints the gradient last, over the parent that shows
// through. The smooth brush starts on the row above the segment: over rows 0..3 red 0 -> 100
// gives 25, 50, 75, 100.
TEST_F(SectionPaint, AnOldFormatSmoothGradientIsPaintedLast) {
  PaintSection(Target(0, ParentFromBitmap(PixelRows(parentImage), 0, 0)), skin.registry.get(),
               skin.Index("LAST"));
  for (int32_t y = 0; y < 4; ++y) EXPECT_EQ(dest.At(1, y), Bgra(0, 0, 25u * (y + 1), 255)) << y;
}

TEST_F(SectionPaint, TheFastPainterFillsAClearSectionWithTheParentsColour) {
  TacParentBg plain;
  plain.FillColor = 0x40;
  PaintSectionFast(Target(0, plain), skin.registry.get(), skin.Index("CLEAR"), -1);
  EXPECT_EQ(dest.At(3, 3), Bgra(0, 0, 0x40, 255));
  PaintSectionFast(Target(0, ParentFromBitmap(PixelRows(parentImage), 1, 1)), skin.registry.get(),
                   skin.Index("CLEAR"), -1);
  EXPECT_EQ(dest.At(3, 3), Bgra(4, 4, 9, 255));
}

// A parent of our own: answers with a kind, a bitmap or nothing, and records what it was asked.
struct FakeParent : BackgroundParent {
  uint8_t kind = kBgNoAnswer;
  PixelView bitmap;
  uint32_t answeredColour = 0, ownColour = 0xFF00000F;
  int drawn = 0;
  void GetBackground(TacBgQuery& q) override {
    q.Kind = kind;
    q.Bitmap = bitmap;
    q.OffsetX = 2;
  }
  void DrawBackground(const TacBgQuery&) override { ++drawn; }
  uint32_t GetColor() override { return answeredColour; }
  uint32_t OwnColor() override { return ownColour; }
};

TEST_F(SectionPaint, AParentThatForbidsPaintingGetsNothing) {
  FakeParent parent;
  parent.kind = kBgDoNotPaint;
  EXPECT_FALSE(PaintControlOverParent(Target(0), skin.registry.get(), {skin.Index("THREE")}, parent));
  EXPECT_EQ(dest.Pixels, Filled(4, 4, kUntouched).Pixels);
}

TEST_F(SectionPaint, PaintingOverAParentBitmapUsesItsAnswer) {
  FakeParent parent;
  parent.kind = kBgBitmap;
  parent.bitmap = PixelRows(parentImage);
  EXPECT_TRUE(PaintControlOverParent(Target(0), skin.registry.get(), {skin.Index("CLEAR")}, parent));
  EXPECT_EQ(dest.At(0, 0), Bgra(2, 0, 9, 255));  // offset (2, 0) in the parent's bitmap
}

TEST(QueryParentBg, WithoutAnAnswerTheParentsColourAnswers) {
  SetSystemColourSource([](int n) { return n == 15 ? 0x00C8D0D4u : 0u; });
  FakeParent parent;
  TacBgQuery q;
  q.Kind = 9;
  q.ReadyLeft = 7;
  QueryParentBg(q, parent, false);
  EXPECT_EQ(q.Kind, kBgColour);
  EXPECT_EQ(q.Color, 0x00C8D0D4u);  // own colour, resolved: the engine answered 0
  EXPECT_EQ(q.ReadyLeft, 0);
  parent.answeredColour = 0x123456;
  QueryParentBg(q, parent, false);
  EXPECT_EQ(q.Color, 0x123456u);
  const TacParentBg record = ParentFromQuery(q);
  EXPECT_FALSE(record.Ready);
  EXPECT_EQ(record.FillColor, 0x123456u);
  SetSystemColourSource(nullptr);
}

TEST(QueryParentBg, PleaseDrawAsksTheParentToDraw) {
  FakeParent parent;
  TacBgQuery q;
  QueryParentBg(q, parent, true);
  EXPECT_EQ(parent.drawn, 1);
  EXPECT_EQ(q.Kind, kBgNoAnswer);
}

// --- Texture draw modes: the 2 x 2 numbered texture over a 5 x 5 rectangle.
struct TextureModes : SectionPaint {
  Image32 master = TexturesMaster();
  Image32 area = Filled(5, 5, kUntouched);
  uint32_t T(int32_t x, int32_t y) { return master.At(x, y); }
  std::optional<Rect> Draw(int16_t mode, TacParentBg parent = {}) {
    area = Filled(5, 5, kUntouched);
    TsMaskData m = test::MaskOver(master, 1, 0, {0, 0, 0, 0});
    m.Rect = {0, 0, 2, 2};
    m.DrawMode = mode;
    return DrawTexture(PixelRows(area), {0, 0, 5, 5}, m, parent);
  }
};

TEST_F(TextureModes, TilesAndStretchesAsTheModeSays) {
  EXPECT_EQ(Draw(0), std::nullopt);
  EXPECT_EQ(area.At(4, 3), T(0, 1));
  EXPECT_EQ(Draw(1), std::nullopt);
  EXPECT_EQ(area.At(2, 3), T(0, 1));  // 5 columns from 2: 0, 0, 0, 1, 1
  EXPECT_EQ(area.At(3, 0), T(1, 0));
  EXPECT_EQ(Draw(2), (Rect{0, 2, 5, 5}));
  EXPECT_EQ(area.At(4, 1), T(0, 1));
  EXPECT_EQ(area.At(0, 2), kUntouched);
  EXPECT_EQ(Draw(3), (Rect{2, 0, 5, 5}));
  EXPECT_EQ(area.At(1, 4), T(1, 0));
  EXPECT_EQ(Draw(4), (Rect{0, 2, 5, 5}));
  EXPECT_EQ(area.At(3, 1), T(1, 1));
  EXPECT_EQ(Draw(5), (Rect{2, 0, 5, 5}));
  EXPECT_EQ(area.At(0, 3), T(0, 1));
  EXPECT_EQ(Draw(6), (Rect{0, 0, 5, 3}));
  EXPECT_EQ(area.At(0, 3), T(0, 0));  // the row of tiles starts at the bottom edge less 2
  EXPECT_EQ(Draw(7), (Rect{0, 0, 3, 5}));
  EXPECT_EQ(area.At(3, 0), T(0, 0));
  EXPECT_EQ(Draw(8), (Rect{0, 0, 5, 3}));
  EXPECT_EQ(area.At(4, 4), T(1, 1));
  EXPECT_EQ(Draw(9), (Rect{0, 0, 3, 5}));
  EXPECT_EQ(area.At(4, 4), T(1, 1));
  EXPECT_EQ(Draw(11), std::nullopt);
  EXPECT_EQ(area.At(3, 2), T(1, 0));  // second copy, stretched across
  EXPECT_EQ(area.At(3, 4), T(1, 0));  // third copy, cut at the rectangle
  EXPECT_EQ(Draw(12), std::nullopt);
  EXPECT_EQ(area.At(2, 3), T(0, 1));
  EXPECT_EQ(Draw(13), std::nullopt);
  EXPECT_EQ(area.At(4, 4), T(1, 1));  // anchored at the bottom-right corner
  EXPECT_EQ(area.At(0, 0), T(1, 1));  // the cut first piece shows the texture's right part
}

// The masked texture (picture blue 200 over mask 0, top-left pixel the key): mode 10 places
// whole tiles (4 x 4) and gives the uncovered strips the parent's fill colour; the key pixel
// takes the fill colour as well.
TEST_F(TextureModes, AMaskLayerTextureInModeTenLeavesStripsToTheParent) {
  TsMaskData m = test::MaskOver(master, 1, 1, {0, 0, 0, 0});
  m.Rect = {0, 2, 2, 6};
  m.DrawMode = 10;
  TacParentBg plain;
  plain.FillColor = 0x00000077u;
  Image32 out = Filled(5, 5, kUntouched);
  EXPECT_EQ(DrawTexture(PixelRows(out), {0, 0, 5, 5}, m, plain), std::nullopt);
  EXPECT_EQ(out.At(1, 0), Bgra(200, 0, 0, 0x12));  // mask 0: the picture, alpha kept
  EXPECT_EQ(out.At(0, 0), Bgra(0, 0, 0x77, 0));    // key: swap(fill colour), its high byte
  EXPECT_EQ(out.At(4, 1), Bgra(0, 0, 0x77, 255));
  EXPECT_EQ(out.At(1, 4), Bgra(0, 0, 0x77, 255));
  m.DrawMode = 3;
  EXPECT_EQ(DrawTexture(PixelRows(out), {0, 0, 5, 5}, m, plain), (Rect{0, 0, 5, 5}));
}

}  // namespace
}  // namespace velmora::skin
