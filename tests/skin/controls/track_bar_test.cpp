// The slider's geometry and cache image, from a skin whose thumb frames, tick and channel are
// plain colours, so every pixel's origin can be told.
#include <gtest/gtest.h>

#include <vector>

#include "skin/controls/track_bar_events.h"
#include "skin/controls/track_bar_paint.h"
#include "tests/skin/controls/slider_skin.h"

namespace velmora::skin {
namespace {

using namespace test::slider;

// Channel (8, 8)-(30, 12), thumb 6 x 14 at (14, 3), three automatic ticks below.
TrackBarGeometry SmallBar() {
  TrackBarGeometry g;
  g.Channel = {8, 8, 30, 12};
  g.Thumb = {14, 3, 20, 17};
  g.TickCount = 3;
  return g;
}

struct Painted {
  Image32 cache = MakeImage(40, 24);
  Image32 parent = test::Filled(40, 24, kParent);
  uint32_t At(int x, int y) const { return cache.At(x, y) & 0xFFFFFF; }
};

Painted Paint(const SliderSkin& s, const char* section, int32_t state, int32_t thumbState,
              bool focusFrame = false) {
  Painted p;
  const int32_t index = s.skin.GetSkinIndex(section);
  const TrackBarLook look{index, state, thumbState, ResolveTrackBarMasks(s.skin, index), false,
                          focusFrame};
  PaintTrackBar(PixelRows(p.cache), s.skin, look, SmallBar(),
                ParentFromBitmap(PixelRows(p.parent), 0, 0));
  return p;
}

TEST(TrackBarTicks, ElevenAutomaticTicksRoundEachPlaceToEven) {
  // A -5..5 slider 118 pixels wide: channel 8..110, thumb 7 wide, 3-pixel tick glyphs.
  TrackBarGeometry g;
  g.Channel = {8, 8, 110, 12};
  g.Thumb = {0, 2, 7, 16};
  g.TickCount = 11;
  // Shift 3 / 2 + 1 = 2, half thumb 3, spacing (102 - 7) / 10 = 9.5: i * 9.5 + 13.
  const std::vector<int32_t> expected{13, 22, 32, 42, 51, 60, 70, 80, 89, 98, 108};
  EXPECT_EQ(TickPositions(g, 3), expected);
  // Without a tick glyph the shift is 2 as well here; with a 5-pixel glyph it is 3.
  EXPECT_EQ(TickPositions(g, -1), expected);
  EXPECT_EQ(TickPositions(g, 5).front(), 14);
}

TEST(TrackBarTicks, OneTickSitsAtTheStartAndNoneWithoutTicks) {
  TrackBarGeometry g = SmallBar();
  g.TickCount = 1;
  EXPECT_EQ(TickPositions(g, 3), std::vector<int32_t>{13});
  g.TickCount = 0;
  EXPECT_TRUE(TickPositions(g, 3).empty());
  g.TickCount = 3;
  g.Ticks = TickStyle::tsNone;
  EXPECT_TRUE(TickPositions(g, 3).empty());
}

TEST(TrackBarTicks, ManualTicksTakeThePlatformPlacesBetweenTheEnds) {
  TrackBarGeometry g = SmallBar();
  g.Ticks = TickStyle::tsManual;
  g.TickCount = 4;
  g.ManualTicks = {17, 23};
  // First at 8 + 2 + 3, last at 30 + 2 - 3.
  EXPECT_EQ(TickPositions(g, 3), (std::vector<int32_t>{13, 17, 23, 29}));
}

TEST(TrackBarTicks, RowsBelowAndAboveTheChannel) {
  TrackBarGeometry g = SmallBar();
  // (14 - 4) / 2 + 2 = 7 from the channel.
  EXPECT_EQ(TickRowsOf(g).Below, 19);
  EXPECT_EQ(TickRowsOf(g).Above, -1);
  g.Marks = TickMarks::tmBoth;
  EXPECT_EQ(TickRowsOf(g).Above, 8 - 7 - 4);
}

TEST(TrackBarChannel, ChannelAndThumbCentredAcrossTheControl) {
  TrackBarGeometry g;
  g.Channel = {9, 12, 109, 16};
  g.Thumb = {40, 2, 53, 28};
  CentreAcross(g, 21, 14);
  // (21 - 4) / 2 = 8; the thumb 14 high around the channel's middle row 10.
  EXPECT_EQ(g.Channel, (Rect{9, 8, 109, 12}));
  EXPECT_EQ(g.Thumb, (Rect{40, 3, 53, 17}));
  CentreAcross(g, 33, 24);
  EXPECT_EQ(g.Channel, (Rect{9, 14, 109, 18}));
  EXPECT_EQ(g.Thumb, (Rect{40, 4, 53, 28}));
}

TEST(TrackBarChannel, NarrowedToTheMaskHeightAndCentred) {
  EXPECT_EQ(SkinnedChannel({8, 8, 110, 20}, 6), (Rect{9, 11, 109, 16}));
  // A channel lower than the mask: (4 - 6 + 1) / 2 rounds toward zero, the top stays.
  EXPECT_EQ(SkinnedChannel({8, 8, 110, 12}, 6), (Rect{9, 8, 109, 13}));
}

TEST(TrackBarProgress, ScaledToTheChannelOrRawForAnEmptyRange) {
  EXPECT_EQ(ProgressSpan(100, {0, 20, 5, 0}).To, 25);
  // 10 * 1 / 4 = 2.5 rounds to even; a start below Min counts from Min.
  EXPECT_EQ(ProgressSpan(10, {0, 4, 1, -3}).To, 2);
  EXPECT_EQ(ProgressSpan(10, {0, 4, 1, -3}).From, 0);
  // Min = Max: the raw differences, no division.
  const Span empty = ProgressSpan(100, {5, 5, 7, 6});
  EXPECT_EQ(empty.From, 1);
  EXPECT_EQ(empty.To, 2);
}

TEST(TrackBarPaint, ThumbFrameFollowsTheStateAndSitsCentred) {
  SliderSkin s;
  // Thumb frame 4 x 4 centred in the 6 x 14 thumb: (15, 8).
  EXPECT_EQ(Paint(s, "TRACKBAR", 0, 0).At(15, 8), kRed & 0xFFFFFF);
  EXPECT_EQ(Paint(s, "TRACKBAR", 1, 1).At(18, 11), kGreen & 0xFFFFFF);
  EXPECT_EQ(Paint(s, "TRACKBAR", 1, 2).At(15, 8), kBlue & 0xFFFFFF);
  EXPECT_EQ(Paint(s, "TRACKBAR", 0, 0).At(14, 8), kYellow & 0xFFFFFF);
  EXPECT_EQ(Paint(s, "TRACKBAR", 0, 0).At(19, 3), kParent & 0xFFFFFF);
}

TEST(TrackBarPaint, ChannelTicksAndTheParentAround) {
  SliderSkin s;
  const Painted p = Paint(s, "TRACKBAR", 0, 0);
  // Channel (9, 8)-(29, 11): one pixel in at each end, the mask's 4 rows less one.
  EXPECT_EQ(p.At(9, 8), kYellow & 0xFFFFFF);
  EXPECT_EQ(p.At(28, 10), kYellow & 0xFFFFFF);
  EXPECT_EQ(p.At(8, 9), kParent & 0xFFFFFF);
  EXPECT_EQ(p.At(9, 11), kParent & 0xFFFFFF);
  // Ticks at 13, 21 and 29, drawn from x - 3 on row 19.
  for (int x : {10, 12, 18, 20, 26, 28}) EXPECT_EQ(p.At(x, 19), kWhite & 0xFFFFFF) << x;
  for (int x : {13, 17, 21, 25}) EXPECT_EQ(p.At(x, 19), kParent & 0xFFFFFF) << x;
  EXPECT_EQ(p.At(10, 18), kParent & 0xFFFFFF);
}

TEST(TrackBarPaint, TheFocusFrameRunsOnePixelInsideTheTopAndBottomInTheHotFontColour) {
  SliderSkin s;
  const uint32_t hotFont = test::Bgra(0, 255, 0, 0);  // HOTFONTCOLOR 0x00FF00
  EXPECT_EQ(Paint(s, "TRACKBAR", 1, 1).At(1, 1), kParent & 0xFFFFFF);
  const Painted p = Paint(s, "TRACKBAR", 1, 1, true);
  // The frame (0, 1)-(40, 23): dots at odd offsets from its corner along each edge.
  for (int x : {1, 3, 37, 39}) {
    EXPECT_EQ(p.At(x, 1), hotFont) << x;
    EXPECT_EQ(p.At(x, 22), hotFont) << x;
  }
  for (int y : {2, 12, 22}) {
    EXPECT_EQ(p.At(0, y), hotFont) << y;
    EXPECT_EQ(p.At(39, y), hotFont) << y;
  }
  EXPECT_EQ(p.At(2, 1), kParent & 0xFFFFFF);
  EXPECT_EQ(p.At(0, 1), kParent & 0xFFFFFF);
  EXPECT_EQ(p.At(1, 0), kParent & 0xFFFFFF);
  EXPECT_EQ(p.At(1, 23), kParent & 0xFFFFFF);
  EXPECT_EQ(p.At(15, 8), kGreen & 0xFFFFFF);  // the thumb inside stays
}

TEST(TrackBarPaint, WithoutAChannelMaskTheChannelIsNotDrawn) {
  SliderSkin s;
  const int32_t index = s.skin.GetSkinIndex("NOCHANNEL");
  EXPECT_EQ(ResolveTrackBarMasks(s.skin, index).Channel, -1);
  const Painted p = Paint(s, "NOCHANNEL", 0, 0);
  EXPECT_EQ(p.At(9, 8), kParent & 0xFFFFFF);
  EXPECT_EQ(p.At(15, 8), kRed & 0xFFFFFF);
  EXPECT_EQ(p.At(10, 19), kWhite & 0xFFFFFF);
}

TEST(TrackBarEvents, DragRaisesUserChangeEachTimeAndUserChangedAtTheEnd) {
  UserChangeEvents events;
  int change = 0, changed = 0;
  events.OnUserChange = [&] { ++change; };
  events.OnUserChanged = [&] { ++changed; };
  // Thumb track three times, thumb position, end of tracking.
  for (int code : {5, 5, 5, 4, 8}) events.Raise(uint16_t(code));
  EXPECT_EQ(change, 5);
  EXPECT_EQ(changed, 1);
  // Line and page steps are finished changes.
  for (int code : {0, 1, 2, 3}) events.Raise(uint16_t(code));
  EXPECT_EQ(changed, 5);
}

TEST(TrackBarEvents, AHandlerThatScrollsAgainIsNotReentered) {
  UserChangeEvents events;
  int change = 0;
  events.OnUserChange = [&] {
    ++change;
    events.Raise(1);
  };
  events.Raise(1);
  EXPECT_EQ(change, 1);
  events.Raise(1);
  EXPECT_EQ(change, 2);
}

}  // namespace
}  // namespace velmora::skin
