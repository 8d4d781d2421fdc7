#include "skin/controls/common_data.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "skin/controls/control_kinds.h"
#include "skin/controls/owner_messages.h"
#include "skin/controls/section_traits.h"
#include "skin/controls/state_fade.h"
#include "tests/skin/controls/fake_owner.h"
#include "tests/skin/controls/test_skin.h"

namespace velmora::skin {
namespace {

using test::FakeManager;
using test::Owned;
using ::testing::Contains;
using ::testing::ElementsAre;
using ::testing::IsEmpty;
using ::testing::Not;

struct SkinData : ::testing::Test {
  test::TestSkin skin;
  FakeManager manager{skin.loaded.registry.get()};
  Owned owned{manager};
  TsCommonData& data = owned.data;
  test::FakeOwner& owner = owned.owner;
  void SetUp() override { data.Initialize(false); }
};

TEST_F(SkinData, ALowerCaseSectionIsStoredUpperCasedAndFound) {
  data.SetSkinSection("panel");
  EXPECT_EQ(data.SkinSection(), "PANEL");
  EXPECT_EQ(data.SectionIndex, skin.Index("PANEL"));
  EXPECT_TRUE(data.IsSkinned());
  // The index became valid with the owner placed and loaded: it is repainted with the skin.
  EXPECT_THAT(owner.calls, Contains("self 3"));
}

TEST_F(SkinData, AnUnchangedSectionChangesAndRepaintsNothing) {
  data.SetSkinSection("PANEL");
  owner.calls.clear();
  data.CacheStale = false;
  data.SetSkinSection("Panel");
  EXPECT_THAT(owner.calls, IsEmpty());
  EXPECT_FALSE(data.CacheStale);
}

TEST_F(SkinData, AMissingSectionIsNotSkinnedAndAsksForTheStandardLook) {
  data.SetSkinSection("NOSUCH");
  EXPECT_EQ(data.SectionIndex, -1);
  EXPECT_FALSE(data.IsSkinned());
  EXPECT_THAT(owner.calls, Contains("self 2"));  // RemoveSkin: painted as a standard control
  const intptr_t manager_id = manager.Identity();
  owner.calls.clear();
  EXPECT_EQ(test::Handle(data, EngineCommand::RemoveSkin, manager_id), std::nullopt);
  EXPECT_THAT(owner.calls, IsEmpty());  // an unskinned owner has nothing to give back
}

TEST_F(SkinData, NoManagerAnInactiveSkinOrAFailingManagerMeanNotSkinned) {
  data.SetSkinSection("PANEL");
  manager.active = false;
  data.ResolveSectionIndex(true);
  EXPECT_EQ(data.SectionIndex, -1);
  manager.active = true;
  data.ResolveSectionIndex(true);
  manager.destroying = true;
  EXPECT_FALSE(data.IsSkinned());
  manager.destroying = false;
  owner.facts.Destroying = true;
  EXPECT_FALSE(data.IsSkinned());
}

TEST_F(SkinData, StatesAboveTheCountAreLimitedToTheLastAndToTwo) {
  data.SetSkinSection("TWO");
  EXPECT_EQ(data.StateBlock(5), &skin.Section("TWO").Props[1]);
  data.SetSkinSection("PANEL");  // STATES=3
  EXPECT_EQ(data.StateBlock(7), &skin.Section("PANEL").Props[2]);
  data.SetSkinSection("ONE");
  EXPECT_EQ(data.StateBlock(2), &skin.Section("ONE").Props[0]);
}

TEST_F(SkinData, CurrentStateFollowsFocusHoverAndKind) {
  data.SetSkinSection("PANEL");
  EXPECT_EQ(data.CurrentState(), 0);
  data.MouseOver = true;
  data.ControlKind = 93;
  EXPECT_EQ(data.CurrentState(), 1);
  data.ControlKind = 51;  // a panel: never hot by hover
  EXPECT_EQ(data.CurrentState(), 0);
  data.ControlKind = 231;  // edit-like: hot on focus only while edit hover is off
  EXPECT_EQ(data.CurrentState(), 0);
  data.HasFocus = true;
  EXPECT_EQ(data.CurrentState(), 1);
  owner.facts.Enabled = false;
  EXPECT_EQ(data.CurrentState(), 0);
  owner.facts.Enabled = true;
  data.HasFocus = false;
  data.ControlKind = 93;
  manager.options.NoMouseHover = true;
  EXPECT_EQ(data.CurrentState(), 0);
}

TEST_F(SkinData, ASectionTransparentInNormalAndHotIsKnownAsSuch) {
  data.SetSkinSection("CHECKBOX");
  EXPECT_TRUE(data.TransparentNormalAndHot());
  data.SetSkinSection("HALF");
  EXPECT_FALSE(data.TransparentNormalAndHot());
}

TEST_F(SkinData, InitializeWithoutAParentResolvesButAppliesNothing) {
  Owned orphan{manager};
  orphan.owner.facts.HasParent = false;
  orphan.data.ControlKind = 50;  // "CHECKBOX" by default
  orphan.data.Initialize(true);
  EXPECT_FALSE(orphan.data.Loading);
  EXPECT_EQ(orphan.data.SectionIndex, skin.Index("CHECKBOX"));
  EXPECT_THAT(orphan.owner.calls, Not(Contains("parent 25")));
  EXPECT_THAT(orphan.owner.calls, Not(Contains("skin brush")));

  Owned placed{manager};
  placed.data.ControlKind = 50;
  placed.data.Initialize(true);
  EXPECT_THAT(placed.owner.calls, ElementsAre("parent 25", "skin brush"));
}

TEST_F(SkinData, DefaultSectionsComeFromTheKindTheOwnerOrTheClassName) {
  Owned asked{manager};
  asked.data.ControlKind = 165;  // the track bar answers
  asked.owner.defaultSection = skin.Index("TWO");
  asked.data.Initialize(false);
  EXPECT_EQ(asked.data.SectionIndex, skin.Index("TWO"));
  Owned named{manager};
  named.data.ControlKind = 200;
  named.owner.className = "Half";
  named.data.Initialize(false);
  EXPECT_EQ(named.data.SectionIndex, skin.Index("HALF"));
}

TEST(ControlKinds, TagBit0x100RefusesSkinning) {
  EXPECT_TRUE(SkinningRefused(0x100));
  EXPECT_TRUE(SkinningRefused(0x1FF));
  EXPECT_FALSE(SkinningRefused(0xFF));
  EXPECT_FALSE(SkinningRefused(0x200));
}

TEST(ControlKinds, SetsHoldTheirRangesEndToEnd) {
  EXPECT_TRUE(InKindSet(KindSet::NoHover, 51));
  EXPECT_TRUE(InKindSet(KindSet::NoHover, 74));
  EXPECT_FALSE(InKindSet(KindSet::NoHover, 75));
  EXPECT_TRUE(InKindSet(KindSet::FocusColours, 84));
  EXPECT_FALSE(InKindSet(KindSet::FocusColours, 85));
  EXPECT_TRUE(InKindSet(KindSet::EditLike, 85));
  EXPECT_TRUE(InKindSet(KindSet::SteadyBackground, 226));
  EXPECT_FALSE(InKindSet(KindSet::SteadyBackground, 55));
  EXPECT_EQ(DefaultSectionFor(152).Name, "CHECKBOX");
  EXPECT_EQ(DefaultSectionFor(33).From, DefaultSection::AskOwner);
  EXPECT_EQ(DefaultSectionFor(11).From, DefaultSection::ClassName);
}

TEST_F(SkinData, TraitsComeFromTheNormalStatesGradientDirection) {
  EXPECT_EQ(ComputeSectionTraits(*skin.loaded.registry, skin.Index("VGRAD")), kTraitGradientHeight);
  EXPECT_EQ(ComputeSectionTraits(*skin.loaded.registry, skin.Index("HGRAD")), kTraitGradientWidth);
  EXPECT_EQ(ComputeSectionTraits(*skin.loaded.registry, skin.Index("PANEL")), 0);
  EXPECT_EQ(ComputeSectionTraits(*skin.loaded.registry, -1), 0);
}

TEST_F(SkinData, ControlColourMixesTheSectionOverItsParent) {
  data.SetSkinSection("HALF");  // colour 200 red, transparency 50
  owner.parentColour = 0x00000000;
  // w = 50 × 255 / 100 = 127; red (200 × 127 + 0) / 256 = 99.
  EXPECT_EQ(data.ControlColour(0), 99u);
  data.SetSkinSection("PANEL");
  EXPECT_EQ(data.ControlColour(0), 0x00336699u);
  data.CustomColor = true;
  owner.facts.Colour = 0x123456;
  EXPECT_EQ(data.ControlColour(0), 0x123456u);
}

TEST_F(SkinData, UpdatesNestAndNotifyTheOwnerAtTheEnds) {
  data.SetSkinSection("PANEL");
  owner.calls.clear();
  data.BeginUpdate();
  data.BeginUpdate();
  EXPECT_TRUE(data.Updating);
  EXPECT_EQ(data.StateFlags & kInUpdate, kInUpdate);
  data.EndUpdate(true);
  data.EndUpdate(true);
  EXPECT_THAT(owner.calls, ElementsAre("self 31", "self 31", "self 32", "redraw now"));
}

TEST_F(SkinData, WithoutAnimationAStateFadeRepaintsAtOnce) {
  data.SetSkinSection("PANEL");
  data.CacheStale = false;
  owner.calls.clear();
  StartStateFade(data, kFadeToHot, {}, true, false, true);
  EXPECT_TRUE(data.CacheStale);
  EXPECT_THAT(owner.calls, ElementsAre("redraw now"));
}

TEST_F(SkinData, RepaintRequestsWaitForLoadingAndAParent) {
  data.Loading = true;
  data.RequestRepaint(true);
  owner.facts.HasParent = false;
  data.Loading = false;
  data.RequestRepaint(true);
  EXPECT_THAT(owner.calls, Not(Contains("redraw now")));
  owner.facts.HasParent = true;
  data.RequestRepaint(false);
  EXPECT_THAT(owner.calls, Contains("redraw"));
}

TEST_F(SkinData, ASectionTransparentInNormalAndHotIgnoresFocusButTracksTheMouse) {
  data.SetSkinSection("CHECKBOX");
  data.ControlKind = 231;  // a focus-colours kind, so only the transparency keeps it quiet
  data.CacheStale = false;
  owner.calls.clear();
  OnFocusChanged(data, true);
  EXPECT_FALSE(data.HasFocus);
  EXPECT_FALSE(data.CacheStale);
  OnMouseEntered(data);
  EXPECT_TRUE(data.MouseOver);
  EXPECT_THAT(owner.calls, IsEmpty());
}

TEST_F(SkinData, ColoursComeFromASectionUnlessBothItsNormalAndHotStatesAreClear) {
  data.ControlKind = 231;
  data.SetSkinSection("CHECKBOX");  // both states fully transparent
  owner.facts.Colour = 0x00ABCDEF;
  owner.calls.clear();
  data.ApplyColours(false);
  EXPECT_THAT(owner.calls, Not(Contains("colours")));
  EXPECT_EQ(owner.facts.Colour, 0x00ABCDEFu);
  data.SetSkinSection("HOTCLEAR");  // only the hot state is clear: the normal colours apply
  owner.facts.Colour = 0x00ABCDEF;
  owner.calls.clear();
  data.ApplyColours(false);
  EXPECT_THAT(owner.calls, Contains("colours"));
  EXPECT_EQ(owner.facts.Colour, 4u);
  EXPECT_EQ(owner.facts.FontColour, 6u);
}

TEST_F(SkinData, FocusOnAnEditKindShowsTheHotColoursAndLosingItTheNormalOnes) {
  data.SetSkinSection("PANEL");
  data.ControlKind = 231;
  owner.calls.clear();
  OnFocusChanged(data, true);
  EXPECT_TRUE(data.HasFocus);
  EXPECT_EQ(owner.facts.FontColour, uint32_t(skin.Section("PANEL").Props[1].FontColor));
  OnFocusChanged(data, false);
  EXPECT_FALSE(data.HasFocus);
  EXPECT_EQ(owner.facts.Colour, 0x00336699u);
  EXPECT_EQ(owner.facts.FontColour, 255u);
  EXPECT_THAT(owner.calls, ElementsAre("colours", "invalidate", "frame paint", "colours",
                                       "invalidate", "frame paint"));
}

TEST_F(SkinData, AResizeMovesChildBackgroundsOnlyAlongTheDimensionTheSectionFollows) {
  data.SetSkinSection("VGRAD");  // a vertical gradient follows the height
  owner.calls.clear();
  OnSizeChanging(data, true, false);
  OnResized(data);
  EXPECT_THAT(owner.calls, IsEmpty());
  OnSizeChanging(data, false, true);
  OnResized(data);
  EXPECT_THAT(owner.calls, ElementsAre("children 20"));
  EXPECT_EQ(data.StateFlags & (kWidthChanging | kHeightChanging), 0u);
}

TEST_F(SkinData, AHiddenOwnerGivesItsCacheBackOnlyWhenMemoryComesFirst) {
  Owned cached{manager, true};
  cached.data.Initialize(false);
  cached.data.SetSkinSection("PANEL");
  cached.data.PrepareCacheImage();
  cached.owner.calls.clear();
  OnVisibilityChanged(cached.data, false);
  EXPECT_FALSE(cached.data.CacheEmpty());
  manager.options.OptimizingPriority = TacOptimizingPriority::opMemory;
  OnVisibilityChanged(cached.data, false);
  EXPECT_TRUE(cached.data.CacheEmpty());
  EXPECT_TRUE(cached.data.CacheStale);
  EXPECT_THAT(cached.owner.calls, ElementsAre("children 33"));
  cached.data.Updating = true;
  OnVisibilityChanged(cached.data, true);
  EXPECT_FALSE(cached.data.Updating);
}

}  // namespace
}  // namespace velmora::skin
