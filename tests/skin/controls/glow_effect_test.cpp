// A control's glow on simulated time: where its window goes, the picture it shows (pixels worked
// out from the mask's cells), its alpha at each step of the fades it follows, the process-wide
// list, and everything that takes it away.
#include "skin/controls/glow_effect.h"

#include <gtest/gtest.h>

#include <vector>

#include "skin/controls/owner_messages.h"
#include "skin/controls/state_fade.h"
#include "tests/skin/animation/simulated_carriers.h"
#include "tests/skin/controls/fake_owner.h"
#include "tests/skin/paint/loaded_skin.h"
#include "tests/skin/paint/pixels.h"

namespace velmora::skin {
namespace {

using test::Bgra;
using Alphas = std::vector<uint8_t>;

// Master pixel (x, y): blue 20x + 10, green 40y + 10, red 100, opaque.
uint32_t MasterPixel(int32_t x, int32_t y) {
  return Bgra(uint32_t(20 * x + 10), uint32_t(40 * y + 10), 100, 255);
}

Image32 GlowMaster() {
  Image32 image = MakeImage(8, 4);
  for (int32_t y = 0; y < 4; ++y)
    for (int32_t x = 0; x < 8; ++x) image.At(x, y) = MasterPixel(x, y);
  return image;
}

// GLOW0: the master's 5 x 3 corner, one picture, borders 2, 1, 2, 1 (left, top, right, bottom),
// tiled, no centre.
const char* kSections =
    "[GLOWING]\r\nGLOW=2\r\nGLOWMARGIN=1\r\n"
    "GLOW0=^0000^0000^0005^0003^0002^0001^0002^0001^1^0^0^0\r\n"
    "[PLAIN]\r\nCOLOR=255\r\n"
    "[NOMASK]\r\nGLOW=1\r\n";

const uint32_t kNormalLook = Bgra(0, 0, 200, 255), kHotLook = Bgra(0, 100, 0, 255);

struct Glow : ::testing::Test {
  test::LoadedSkin skin{kSections, GlowMaster()};
  test::FakeManager manager{skin.registry.get()};
  test::SimulatedCarriers time;
  std::unique_ptr<test::Owned> owned = Make("GLOWING");
  TsCommonData& data = owned->data;
  test::FakeOwner& owner = owned->owner;

  std::unique_ptr<test::Owned> Make(const char* section) {
    auto made = std::make_unique<test::Owned>(manager, true);
    test::Owned& o = *made;
    o.owner.timers = time.Maker();
    o.owner.prepareCache = [&o, this] {
      o.data.PrepareCacheImage();
      const PixelView pixels = o.data.Cache()->Pixels();
      const uint32_t look = o.data.MouseOver ? kHotLook : kNormalLook;
      for (int32_t y = 0; y < pixels.Height; ++y)
        for (int32_t x = 0; x < pixels.Width; ++x) pixels.At(x, y) = look;
      o.data.CacheStale = false;
    };
    o.data.Initialize(false);
    o.data.SetSkinSection(section);
    o.owner.prepareCache();
    return made;
  }
  const test::FakeOwner::GlowRecord& Window(size_t n = 0) const { return *owner.glows.at(n); }
  // The pointer comes over the control, which fades to its hot look.
  void Hover(test::Owned& o) {
    OnMouseEntered(o.data);
    StartStateFade(o.data, kFadeToHot, nullptr, false, false, true);
  }
  void Hover() { Hover(*owned); }
  void Leave() {
    OnMouseLeft(data, false);
    StartStateFade(data, kFadeToNormal, nullptr, false, false, true);
  }
};

TEST_F(Glow, TheWindowSurroundsTheControlByTheMaskBordersLessTheMargin) {
  ASSERT_GE(ShowGlow(data, 255), 0);
  // Control 104, 206 - 120, 220 (16 x 14); margin 1: left 104 + 1 - 2, top 206 + 1 - 1, width
  // 16 + 2 + 2 - 2, height 14 + 1 + 1 - 2.
  EXPECT_EQ(Window().place, (Rect{103, 206, 121, 220}));
  EXPECT_EQ(GlowWindowRect({0, 0, 10, 10}, skin.registry->Masks()[0], 0), (Rect{-2, -1, 12, 11}));
}

TEST_F(Glow, ThePictureIsTheMaskCellsAroundATransparentCentre) {
  ASSERT_GE(ShowGlow(data, 255), 0);
  const Image32& image = Window().image;
  ASSERT_EQ(image.Width, 18);
  ASSERT_EQ(image.Height, 14);
  for (int32_t y = 0; y < 14; ++y) {
    for (int32_t x = 0; x < 18; ++x) {
      // Columns 0-1 and 16-17 are the side cells (picture columns 0-1, 3-4), the rest repeats
      // the middle column 2; row 0 and row 13 are picture rows 0 and 2, the rest row 1.
      const int32_t px = x < 2 ? x : x >= 16 ? x - 16 + 3 : 2;
      const int32_t py = y == 0 ? 0 : y == 13 ? 2 : 1;
      const uint32_t expected = px == 2 && py == 1 ? 0 : MasterPixel(px, py);
      EXPECT_EQ(image.At(x, y), expected) << x << ", " << y;
    }
  }
}

TEST_F(Glow, TheControlsColourAdjustmentsApplyToThePicture) {
  data.Saturation = -100;
  ASSERT_GE(ShowGlow(data, 255), 0);
  const Image32& image = Window().image;
  for (const auto& [x, y] : {std::pair{0, 0}, {5, 0}, {17, 7}, {16, 13}}) {
    const uint32_t p = image.At(x, y);
    EXPECT_EQ(p & 0xFF, p >> 8 & 0xFF) << x << ", " << y;
    EXPECT_EQ(p & 0xFF, p >> 16 & 0xFF) << x << ", " << y;
  }
  EXPECT_EQ(image.At(8, 7), 0u);
}

TEST_F(Glow, HoverRaisesTheGlowWithTheFadeAndLeavesItFullThenNothingTicks) {
  Hover();
  ASSERT_EQ(owner.glows.size(), 1u);
  EXPECT_EQ(data.GlowId, 0);
  time.Advance(1000);
  // Shown at 0, then c = round(42.5 m) for the six steps of the fade to hot.
  EXPECT_EQ(Window().alphas, (Alphas{0, 43, 85, 128, 170, 213, 255}));
  EXPECT_EQ(time.Running(), 0);
  EXPECT_FALSE(Window().released);
}

TEST_F(Glow, LeavingFadesTheGlowWithTheControlAndRemovesItBelowTen) {
  Hover();
  time.Advance(1000);
  const size_t before = Window().alphas.size();
  Leave();
  time.Advance(1000);
  const Alphas& alphas = Window().alphas;
  const Alphas after(alphas.begin() + long(before), alphas.end());
  // The glow's own first step down (255 - 42.5), then the fade to normal (v falls by 255 / 12
  // from 255), never raising it again, until c = 0 takes it away.
  EXPECT_EQ(after, (Alphas{213, 213, 213, 191, 170, 149, 128, 106, 85, 64, 43, 21}));
  EXPECT_TRUE(Window().released);
  EXPECT_EQ(data.GlowId, -1);
  EXPECT_EQ(data.FadeTimer->Value, 0);
  EXPECT_EQ(time.Running(), 0);
}

// With a fade timer made for the hide (v = 0), a step of v / n would be 0 and the glow would go
// at once; it steps down as it went up instead.
TEST_F(Glow, HidingWithAFadeStepsDownOverTheStepsOfTheShow) {
  ASSERT_GE(ShowGlow(data, 255), 0);
  ASSERT_EQ(data.FadeTimer, nullptr);
  HideGlow(data, true);
  EXPECT_EQ(Window().alphas, (Alphas{255, 213}));
  EXPECT_FALSE(Window().released);
  EXPECT_GE(data.GlowId, 0);
  time.Advance(1000);
  EXPECT_EQ(Window().alphas, (Alphas{255, 213, 170, 128, 85, 43, 0}));
  EXPECT_EQ(time.Ticks(), 5);
  EXPECT_TRUE(Window().released);
  EXPECT_EQ(data.GlowId, -1);
  EXPECT_EQ(time.Running(), 0);
}

TEST_F(Glow, HoveringAgainDuringTheFadeOutKeepsTheGlow) {
  Hover();
  time.Advance(1000);
  OnMouseLeft(data, false);
  time.Advance(24);
  Hover();
  time.Advance(1000);
  EXPECT_FALSE(Window().released);
  EXPECT_EQ(Window().alphas.back(), 255);
  EXPECT_GE(data.GlowId, 0);
}

TEST_F(Glow, WithoutAnimationTheGlowIsFullUnderThePointerAndGoneElsewhere) {
  manager.effects.AllowAnimation = false;
  data.MouseOver = true;
  StartStateFade(data, kFadeToHot, nullptr, true, false, true);
  EXPECT_EQ(Window().alphas, Alphas{255});
  data.MouseOver = false;
  StartStateFade(data, kFadeToNormal, nullptr, true, false, true);
  EXPECT_TRUE(Window().released);
  EXPECT_EQ(data.GlowId, -1);
}

TEST_F(Glow, AShowGlowFadeStartsItAtZeroAndAPressEndsIt) {
  StartStateFade(data, kFadeToHot, nullptr, true, false, true);
  EXPECT_EQ(Window().alphas.front(), 0);
  time.Advance(1000);
  StartStateFade(data, kFadeToPressed, nullptr, true, false, true);
  time.Advance(1000);
  EXPECT_TRUE(Window().released);
}

TEST_F(Glow, NoGlowWithoutGlowValuesAMaskOrLeave) {
  const auto none = [&](test::Owned& o) {
    Hover(o);
    time.Advance(1000);
    return o.owner.glows.empty() && o.data.GlowId == -1;
  };
  EXPECT_TRUE(none(*Make("PLAIN")));
  EXPECT_TRUE(none(*Make("NOMASK")));
  manager.effects.AllowGlowing = false;
  EXPECT_TRUE(none(*Make("GLOWING")));
  manager.effects.AllowGlowing = true;
  manager.options.NoMouseHover = true;
  EXPECT_TRUE(none(*Make("GLOWING")));
  manager.options.NoMouseHover = false;
  auto captured = Make("GLOWING");
  captured->owner.glowPossible = false;
  EXPECT_TRUE(none(*captured));
}

TEST_F(Glow, IndexesStayWhileTheirGlowsLiveAndFreeingAllEmptiesTheList) {
  auto second = Make("GLOWING");
  auto third = Make("GLOWING");
  EXPECT_EQ(ShowGlow(data, 255), 0);
  EXPECT_EQ(ShowGlow(second->data, 255), 1);
  HideGlow(data, false);
  EXPECT_EQ(GlowAt(0), nullptr);
  EXPECT_EQ(GlowAt(1)->Data, &second->data);
  EXPECT_EQ(ShowGlow(third->data, 255), 0);
  FreeAllGlows();
  EXPECT_EQ(second->data.GlowId, -1);
  EXPECT_EQ(third->data.GlowId, -1);
  EXPECT_TRUE(second->owner.glows[0]->released);
  EXPECT_TRUE(third->owner.glows[0]->released);
  EXPECT_EQ(GlowAt(0), nullptr);
}

TEST_F(Glow, MovingHidingDisablingAndANewSectionRemoveIt) {
  const auto removedBy = [&](auto change) {
    ShowGlow(data, 255);
    const size_t made = owner.glows.size();
    change();
    return owner.glows.size() == made && owner.glows.back()->released && data.GlowId == -1;
  };
  EXPECT_TRUE(removedBy([&] { OnMoved(data); }));
  EXPECT_TRUE(removedBy([&] { OnResized(data); }));
  EXPECT_TRUE(removedBy([&] { OnVisibilityChanged(data, false); }));
  EXPECT_TRUE(removedBy([&] {
    owner.facts.Enabled = false;
    OnEnabledChanged(data);
    owner.facts.Enabled = true;
  }));
  EXPECT_TRUE(removedBy([&] { data.SetSkinSection("PLAIN"); }));
}

TEST_F(Glow, AResizeDuringAFadeKeepsItAndDestructionRemovesIt) {
  Hover();
  OnResized(data);
  EXPECT_FALSE(Window().released);
  time.Advance(1000);
  const auto window = owner.glows.at(0);
  owned.reset();
  EXPECT_TRUE(window->released);
  EXPECT_EQ(GlowAt(0), nullptr);
}

}  // namespace
}  // namespace velmora::skin
