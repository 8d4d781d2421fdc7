#include "skin/paint/control_frame.h"

#include <gtest/gtest.h>

#include "skin/paint/outer_effect.h"
#include "tests/skin/paint/loaded_skin.h"
#include "tests/skin/paint/pixels.h"

namespace velmora::skin {
namespace {

using test::Bgra;
using test::Filled;
using test::kUntouched;

// Master: a 3 x 3 borders picture at (0, 0), grey 50 with the key in its top-left corner.
Image32 BordersMaster() {
  return test::Picture(8, 8, [](int32_t x, int32_t y) {
    return x == 0 && y == 0 ? 0x00FF00FFu : Bgra(50, 50, 50, 255);
  });
}

struct ParentStub : BackgroundParent {
  uint8_t kind = kBgColour;
  PixelView bitmap;
  uint32_t colour = 0x000000AA;
  void GetBackground(TacBgQuery& q) override {
    q.Kind = kind;
    q.Bitmap = bitmap;
    q.Color = colour;
    q.OffsetX = 1;
  }
  void DrawBackground(const TacBgQuery&) override {}
  uint32_t GetColor() override { return 0; }
  uint32_t OwnColor() override { return 0; }
};

struct Frames : ::testing::Test {
  test::LoadedSkin skin{"[BOX]\r\nBORDERSMASK=^0000^0000^0003^0003^0001^0001^0001^0001^1^0^0^0\r\n"
                        "OUTERMASK=^0000^0000^0003^0003^0001^0001^0001^0001^1^0^0^0\r\nOUTOFFSL=1\r\n"
                        "OUTOFFST=1\r\nOUTOFFSR=1\r\nOUTOFFSB=1\r\n",
                        BordersMaster()};
  int32_t Mask() const { return skin.registry->GetMaskIndexByName("BOX", "BORDERSMASK"); }
  Image32 parentImage = test::Picture(20, 20, [](int32_t x, int32_t y) { return Bgra(x, y, 1, 255); });
};

// Widths 1, band 2: one column of colour inside each border; content inset by 2.
TEST_F(Frames, AControlFrameDrawsTheMaskAndABandInside) {
  ASSERT_GE(Mask(), 0);
  Image32 cache = Filled(6, 6, kUntouched);
  ParentStub parent;
  const ControlFrame frame = PaintControlFrame(PixelRows(cache), {0, 0, 6, 6}, 2, 0, skin.registry.get(),
                                               Mask(), &parent, 3, 4, 0x000000FF);
  EXPECT_TRUE(frame.FromMask);
  EXPECT_EQ(frame.Content, (Rect{2, 2, 4, 4}));
  EXPECT_EQ(cache.At(0, 3), Bgra(50, 50, 50, 255));  // the mask's left edge
  EXPECT_EQ(cache.At(1, 3), Bgra(0, 0, 255, 255));   // band: min(2, 6 - 1) - 1 = 1 wide
  EXPECT_EQ(cache.At(2, 3), kUntouched);
  EXPECT_EQ(cache.At(0, 0), Bgra(0, 0, 0xAA, 0x12));  // key over a colour answer: its fill colour
}

TEST_F(Frames, WithoutAMaskTheFrameIsTheCallers) {
  Image32 cache = Filled(6, 6, kUntouched);
  const ControlFrame frame =
      PaintControlFrame(PixelRows(cache), {0, 0, 6, 6}, 2, 0, skin.registry.get(), -1, nullptr, 0, 0, 0);
  EXPECT_FALSE(frame.FromMask);
  EXPECT_EQ(frame.Content, (Rect{0, 0, 6, 6}));
  EXPECT_EQ(cache.Pixels, Filled(6, 6, kUntouched).Pixels);
}

TEST_F(Frames, CornerKeysTakeTheParentOrItsColour) {
  TsMaskData mask = skin.registry->Masks()[size_t(Mask())];
  ASSERT_NE(mask.CornerFlag, 0);
  Image32 cache = Filled(6, 6, kUntouched);
  ParentStub parent;
  parent.kind = kBgBitmap;
  parent.bitmap = PixelRows(parentImage);
  FixBorderCorners(PixelRows(cache), 0, kTopLeft | kBottomRight, mask, parent, 3, 4);
  EXPECT_EQ(cache.At(0, 0), Bgra(1 + 3, 4, 1, 255));  // query offset 1 plus the control's place
  EXPECT_EQ(cache.At(5, 5), kUntouched);                // not a key pixel there
  parent.kind = kBgColour;
  cache = Filled(6, 6, kUntouched);
  FixBorderCorners(PixelRows(cache), 0, kTopRight, mask, parent, 0, 0);
  EXPECT_EQ(cache.At(0, 0), kUntouched);  // top-left not asked for
  FixBorderCorners(PixelRows(cache), 0, kTopLeft, mask, parent, 0, 0);
  EXPECT_EQ(cache.At(0, 0), Bgra(0, 0, 0xAA, 0));
}

// An upside-down mask rectangle puts the mask layer above the picture, outside the image: such
// corners are left as they are.
TEST_F(Frames, CornersWhoseMaskLayerLiesAboveTheImageAreLeft) {
  TsMaskData mask = skin.registry->Masks()[size_t(Mask())];
  mask.MaskLayout = 1;
  mask.Rect = {0, 2, 3, -6};  // mask layer 8 / 2 = 4 rows above the picture
  Image32 cache = Filled(6, 6, kUntouched);
  ParentStub parent;
  FixBorderCorners(PixelRows(cache), 0, kTopLeft, mask, parent, 0, 0);
  EXPECT_EQ(cache.Pixels, Filled(6, 6, kUntouched).Pixels);
}

TEST_F(Frames, TheOuterEffectKeepsWhatItCoversAndDrawsAroundTheChild) {
  TacBgQuery query;
  query.Kind = kBgBitmap;
  query.Bitmap = PixelRows(parentImage);
  query.OffsetX = 2;
  Image32 kept;
  PaintOuterEffect(query, {skin.registry.get(), skin.Index("BOX"), true, {4, 4, 8, 8}}, kept);
  // Bounds moved by (2, 0) and enlarged by 1: (5, 3) to (11, 9).
  ASSERT_EQ(kept.Width, 6);
  EXPECT_EQ(kept.At(1, 1), Bgra(6, 4, 1, 255));
  EXPECT_EQ(parentImage.At(5, 6), Bgra(50, 50, 50, 255));  // the ring's left edge
  EXPECT_EQ(parentImage.At(7, 6), Bgra(7, 6, 1, 255));     // inside: the child's place untouched
  Image32 none;
  PaintOuterEffect(query, {skin.registry.get(), skin.Index("BOX"), false, {4, 4, 8, 8}}, none);
  EXPECT_TRUE(none.Empty());
}

}  // namespace
}  // namespace velmora::skin
