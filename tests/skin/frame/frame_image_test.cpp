#include <gtest/gtest.h>

#include "skin/frame/frame_geometry.h"
#include "skin/frame/frame_image.h"
#include "tests/skin/paint/loaded_skin.h"
#include "tests/skin/paint/pixels.h"

namespace velmora::skin {
namespace {

// A fixed single border of 3 and a caption: 300 - 271 = 29 rows above the client, of which the
// bottom border's 3 are not part of the top band.
FrameGeometry Fixed() { return {400, 300, 394, 271, 3, 23, true}; }

TEST(FrameGeometry, TheStripsSurroundTheClientArea) {
  const FrameGeometry g = Fixed();
  EXPECT_EQ(TopBandHeight(g), 26);
  const auto strips = NonClientStrips(g);
  EXPECT_EQ(strips[0], (Rect{0, 0, 400, 26}));
  EXPECT_EQ(strips[1], (Rect{0, 26, 3, 300}));
  EXPECT_EQ(strips[2], (Rect{0, 297, 400, 300}));
  EXPECT_EQ(strips[3], (Rect{397, 26, 400, 300}));
  const FramePoint offset = ClientOffset(g);
  EXPECT_EQ(offset.X, 3);
  EXPECT_EQ(offset.Y, 26);
}

TEST(FrameGeometry, WithoutCaptionTheTopBandIsTheBorder) {
  FrameGeometry g{200, 100, 194, 94, 3, 0, true};
  EXPECT_EQ(TopBandHeight(g), 3);
  EXPECT_EQ(ClientOffset(g).Y, 3);
  g.HasBorderStyle = false, g.Border = 0, g.ClientWidth = 200, g.ClientHeight = 100;
  EXPECT_EQ(ClientOffset(g).X, 0);
  EXPECT_EQ(ClientOffset(g).Y, 0);
}

// FORM red, green when active; TITLE blue, grey when active; ONESTATE has a single state.
struct FrameImage : ::testing::Test {
  test::LoadedSkin skin{"[FORM]\r\nSTATES=2\r\nCOLOR=255\r\nHOTCOLOR=65280\r\n"
                        "[TITLE]\r\nSTATES=2\r\nCOLOR=16711680\r\nHOTCOLOR=8421504\r\n"
                        "[ONESTATE]\r\nSTATES=1\r\nCOLOR=16711680\r\nHOTCOLOR=8421504\r\n",
                        test::Filled(4, 4, 0xFF000000u)};
  Image32 image = test::Filled(20, 14, 0);
  FrameSections Sections(const char* title) { return {skin.Index("FORM"), skin.Index(title)}; }
};

TEST_F(FrameImage, TheTitleBandLiesOverTheFormAboveTheTitleBottom) {
  ComposeFrameImage(PixelRows(image), *skin.registry, Sections("TITLE"), true, 5);
  EXPECT_EQ(image.At(10, 0), test::Bgra(128, 128, 128, 255));
  EXPECT_EQ(image.At(10, 4), test::Bgra(128, 128, 128, 255));
  EXPECT_EQ(image.At(10, 5), test::Bgra(0, 255, 0, 255));
  EXPECT_EQ(image.At(0, 13), test::Bgra(0, 255, 0, 255));
}

TEST_F(FrameImage, AnInactiveFrameUsesTheNormalStates) {
  ComposeFrameImage(PixelRows(image), *skin.registry, Sections("TITLE"), false, 5);
  EXPECT_EQ(image.At(10, 2), test::Bgra(255, 0, 0, 255));
  EXPECT_EQ(image.At(10, 9), test::Bgra(0, 0, 255, 255));
}

TEST_F(FrameImage, ASingleStateTitleStaysInItsStateWhenActive) {
  ComposeFrameImage(PixelRows(image), *skin.registry, Sections("ONESTATE"), true, 5);
  EXPECT_EQ(image.At(10, 2), test::Bgra(255, 0, 0, 255));
  EXPECT_EQ(image.At(10, 9), test::Bgra(0, 255, 0, 255));
}

TEST_F(FrameImage, WithoutATitleSectionTheFormCoversEverything) {
  ComposeFrameImage(PixelRows(image), *skin.registry, {skin.Index("FORM"), -1}, true, 5);
  EXPECT_EQ(image.At(10, 2), test::Bgra(0, 255, 0, 255));
}

// The form's mask (0, 0)-(6, 6) has a key at its top-left and bottom-right pixels; the title's
// mask (6, 0)-(12, 6) one at its top-right pixel. Borders 2 wide.
Image32 CornerMaster() {
  Image32 master = test::Filled(12, 6, 0xFF203040u);
  master.At(0, 0) = kKeyColour;
  master.At(5, 5) = kKeyColour;
  master.At(11, 0) = kKeyColour;
  return master;
}

TEST(FrameCorners, KeyPixelsOfFormAndTitleMasksAreCutAtTheWindowCorners) {
  test::LoadedSkin skin{"[FORM]\r\nBORDERSMASK=^0000^0000^0006^0006^0002^0002^0002^0002^1^0^0^0\r\n"
                        "[TITLE]\r\nBORDERSMASK=^0006^0000^0012^0006^0002^0002^0002^0002^1^0^0^0\r\n",
                        CornerMaster()};
  const auto rects =
      FrameCornerRects(*skin.registry, {skin.Index("FORM"), skin.Index("TITLE")}, 100, 50);
  // Bottom rows 4 and 5 become window rows 48 and 49; mask column 5 is window column 99.
  EXPECT_EQ(rects, (std::vector<Rect>{{0, 0, 1, 1}, {99, 49, 100, 50}, {99, 0, 100, 1}}));
}

TEST(FrameCorners, NoMasksCutNothing) {
  test::LoadedSkin skin{"[FORM]\r\nCOLOR=1\r\n", test::Filled(4, 4, 0xFF000000u)};
  EXPECT_TRUE(FrameCornerRects(*skin.registry, {skin.Index("FORM"), -1}, 100, 50).empty());
}

}  // namespace
}  // namespace velmora::skin
