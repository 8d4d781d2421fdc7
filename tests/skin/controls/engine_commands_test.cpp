#include "skin/controls/engine_commands.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "skin/controls/cache_image.h"
#include "skin/controls/engine_answers.h"
#include "skin/paint/text_plan.h"
#include "tests/skin/controls/fake_owner.h"
#include "tests/skin/controls/test_skin.h"

namespace velmora::skin {
namespace {

using test::FakeManager;
using test::Handle;
using test::Owned;
using ::testing::ElementsAre;
using ::testing::IsEmpty;
using C = EngineCommand;

std::optional<intptr_t> Answer(intptr_t value) { return value; }

struct Commands : ::testing::Test {
  test::TestSkin skin;
  FakeManager manager{skin.loaded.registry.get()};
  Owned owned{manager, true};
  TsCommonData& data = owned.data;
  test::FakeOwner& owner = owned.owner;
  intptr_t id = manager.Identity();
  void Bind(const char* section) {
    data.Initialize(false);
    data.SetSkinSection(section);
    owner.calls.clear();
  }
};

TEST_F(Commands, SkinChangesActOnlyForTheReceiversOwnManager) {
  Bind("PANEL");
  FakeManager other{skin.loaded.registry.get()};
  EXPECT_EQ(Handle(data, C::RemoveSkin, other.Identity()), std::nullopt);
  EXPECT_EQ(Handle(data, C::NewSkin, other.Identity()), Answer(0));
  EXPECT_EQ(Handle(data, C::Refresh, other.Identity()), Answer(0));
  EXPECT_EQ(data.SectionIndex, skin.Index("PANEL"));
  EXPECT_THAT(owner.calls, IsEmpty());

  data.CacheStale = false;
  EXPECT_EQ(Handle(data, C::Refresh, id), Answer(0));
  EXPECT_TRUE(data.CacheStale);
  EXPECT_THAT(owner.calls, ElementsAre("skin brush", "redraw now"));

  data.Cache()->Resize(3, 3);
  test::StartAnyFade(data);
  owner.calls.clear();
  EXPECT_EQ(Handle(data, C::RemoveSkin, id), std::nullopt);  // continues to normal processing
  EXPECT_EQ(data.SectionIndex, -1);
  EXPECT_EQ(data.BorderMaskIndex, -1);
  EXPECT_TRUE(data.Updating);
  EXPECT_TRUE(data.CacheEmpty());
  EXPECT_FALSE(data.FadeRunning());
  EXPECT_THAT(owner.calls, ElementsAre("face brush"));

  EXPECT_EQ(Handle(data, C::NewSkin, id), Answer(0));
  EXPECT_EQ(data.SectionIndex, skin.Index("PANEL"));
}

TEST_F(Commands, AnOwnerWithoutSectionAnswersAndPaintsLikeAStandardControl) {
  Bind("NOSUCH");
  owner.facts.Colour = 0x00112233;
  TacBgQuery query;
  AnswerGetBackground(data, query);
  EXPECT_EQ(query.Kind, kBgColour);
  EXPECT_EQ(query.Color, 0x00112233u);
  EXPECT_EQ(Handle(data, C::GetColor), Answer(0x00112233));
  EXPECT_EQ(data.ParentBackground().FillColor, 0x00112233u);
  EXPECT_FALSE(data.ParentBackground().HasBitmap());
  EXPECT_TRUE(DependsOnParent(data));
  EXPECT_FALSE(RebuildCache(data, {}));  // the standard control paints itself
}

TEST_F(Commands, StateCommandsSetAndAnswerTheirFields) {
  Bind("PANEL");
  EXPECT_EQ(Handle(data, C::IsHandled), Answer(1));
  EXPECT_EQ(Handle(data, C::SetUpdating, 0, 1), Answer(0));
  EXPECT_TRUE(data.Updating);
  EXPECT_EQ(Handle(data, C::SetUpdating, 0, 0), Answer(0));
  EXPECT_FALSE(data.Updating);
  EXPECT_EQ(Handle(data, C::DefaultSectionIndex), Answer(0));
  EXPECT_EQ(Handle(data, C::GetPartlyVisible), Answer(0));
  EXPECT_EQ(Handle(data, C::SetPartlyVisible), Answer(0));
  EXPECT_EQ(Handle(data, C::GetPartlyVisible), Answer(1));
  data.CacheStale = false;
  EXPECT_EQ(Handle(data, C::MarkStale), Answer(0));
  EXPECT_TRUE(data.CacheStale);
  EXPECT_EQ(Handle(data, C::PrepareCache), Answer(0));
  EXPECT_FALSE(data.CacheStale);
  test::StartAnyFade(data);
  EXPECT_EQ(Handle(data, C::StopAnimation), Answer(0));
  EXPECT_FALSE(data.FadeRunning());
  EXPECT_EQ(Handle(data, C::HasOwnSurface), Answer(1));
  EXPECT_EQ(Handle(data, C::GetSkinData), Answer(reinterpret_cast<intptr_t>(&data)));
  int32_t record[2] = {7, 7};
  EXPECT_EQ(Handle(data, C::ReportSectionIndex, reinterpret_cast<intptr_t>(record)), Answer(0));
  EXPECT_EQ(record[1], skin.Index("PANEL"));
  EXPECT_EQ(record[0], 7);
  EXPECT_EQ(Handle(data, C::SetAllowedDC, 0x1234), Answer(0));
  EXPECT_EQ(data.AllowedDC, 0x1234);
  EXPECT_EQ(data.StateFlags & kAllowedDcSet, kAllowedDcSet);
  EXPECT_EQ(Handle(data, C::SetAllowedDC, 0), Answer(0));
  EXPECT_EQ(data.StateFlags & kAllowedDcSet, 0u);
  Rect bounds{};
  EXPECT_EQ(Handle(data, C::GetBounds, reinterpret_cast<intptr_t>(&bounds)), Answer(0));
  EXPECT_EQ(bounds, (Rect{4, 6, 20, 20}));
}

TEST_F(Commands, ScaleIsStoredPassedToChildrenAndContinues) {
  Bind("PANEL");
  EXPECT_EQ(Handle(data, C::SetScale, 150), std::nullopt);
  EXPECT_EQ(Handle(data, C::GetScale), Answer(150));
  EXPECT_THAT(owner.calls, ElementsAre("children 68"));
}

TEST_F(Commands, SectionCommandsSetOrRepaintByName) {
  Bind("PANEL");
  const std::string empty, two = "two", panel = "PANEL", other = "TWO";
  EXPECT_EQ(Handle(data, C::SetSection, reinterpret_cast<intptr_t>(&empty)), Answer(0));
  EXPECT_EQ(Handle(data, C::SetSection, reinterpret_cast<intptr_t>(&two)), Answer(1));
  EXPECT_EQ(data.SectionIndex, skin.Index("TWO"));
  owner.calls.clear();
  EXPECT_EQ(Handle(data, C::RepaintIfSection, reinterpret_cast<intptr_t>(&panel)), Answer(0));
  EXPECT_THAT(owner.calls, IsEmpty());
  EXPECT_EQ(Handle(data, C::RepaintIfSection, reinterpret_cast<intptr_t>(&other)), Answer(0));
  EXPECT_THAT(owner.calls, ElementsAre("redraw"));
  owner.calls.clear();
  EXPECT_EQ(Handle(data, C::Repaint), Answer(0));
  EXPECT_THAT(owner.calls, ElementsAre("redraw"));
}

TEST_F(Commands, CacheCommandsReleaseRebuildAndReportPreparation) {
  Bind("PANEL");
  owner.prepareCache = [&] {
    data.PrepareCacheImage();
    data.CacheStale = false;
  };
  EXPECT_EQ(Handle(data, C::IsPreparing), Answer(0));  // built at once: 16 x 14
  EXPECT_EQ(data.Cache()->Pixels().Width, 16);
  owner.facts.Bounds.Right = 30;
  EXPECT_EQ(Handle(data, C::IsPreparing), Answer(1));  // the control grew
  owner.calls.clear();
  EXPECT_EQ(Handle(data, C::ReleaseCache), Answer(0));
  EXPECT_TRUE(data.CacheEmpty());
  EXPECT_TRUE(data.CacheStale);
  EXPECT_THAT(owner.calls, ElementsAre("children 33"));
  data.CustomColor = true;
  EXPECT_EQ(Handle(data, C::IsPreparing), Answer(0));
  data.Updating = true;
  EXPECT_EQ(Handle(data, C::IsPreparing), Answer(1));
}

TEST_F(Commands, AParentUpdateRedrawsAnUpdatingReceiverAndItsChildren) {
  Bind("PANEL");
  EXPECT_EQ(Handle(data, C::ParentUpdated), Answer(0));
  EXPECT_THAT(owner.calls, IsEmpty());
  data.Updating = true;
  EXPECT_EQ(Handle(data, C::ParentUpdated), Answer(0));
  EXPECT_FALSE(data.Updating);
  EXPECT_THAT(owner.calls, ElementsAre("parent 10", "redraw now", "children 6"));
}

TEST_F(Commands, AMovedBackgroundReachesChildrenOnlyOfADependentReceiver) {
  Bind("PANEL");  // opaque: does not depend on its parent
  data.CacheStale = false;
  EXPECT_EQ(Handle(data, C::BackgroundMoved, 0, 1), Answer(0));
  EXPECT_FALSE(data.CacheStale);
  EXPECT_THAT(owner.calls, ElementsAre("invalidate"));
  Bind("HALF");
  data.CacheStale = false;
  EXPECT_EQ(Handle(data, C::BackgroundMoved, 0, 1), Answer(0));
  EXPECT_TRUE(data.CacheStale);
  EXPECT_THAT(owner.calls, ElementsAre("parent 19", "invalidate", "children 20"));
}

TEST_F(Commands, UnknownAndUnansweredCommandsContinueToNormalProcessing) {
  Bind("PANEL");
  for (C command : {C::GetProvider, C::PaintPending, C::GetAdapter, C::MenuQuery, C::ShowImage,
                    C::AdaptChildren, C::CaptionQuery, C::MouseEntered, C::MouseLeft,
                    C::BeginUpdateNotify, C::EndUpdateNotify, C::PaintOuterEffect,
                    C::RedrawLockOn, C::RedrawLockOff, C::GetApplication, C::GetClientOffset,
                    C::LoadSharedSkin, C::SkinListActivated, C::SkinListChanged, C{28}, C{99}})
    EXPECT_EQ(Handle(data, command), std::nullopt) << int(command);
  EXPECT_EQ(Handle(data, C::ScrollOptionsChanged), Answer(0));
  EXPECT_THAT(owner.calls, ElementsAre("frame", "children 53"));
}

TEST_F(Commands, AnOpaquePanelGivesItsColourWithTheBorderStripsOfItsCache) {
  Bind("PANEL");
  data.PrepareCacheImage();
  TacBgQuery query;
  EXPECT_EQ(Handle(data, C::GetBackground, reinterpret_cast<intptr_t>(&query)), Answer(0));
  EXPECT_EQ(query.Kind, kBgColour);
  EXPECT_EQ(query.Color, 0x00336699u);
  EXPECT_EQ(query.ReadyLeft, 1);
  EXPECT_EQ(query.ReadyTop, 1);
  EXPECT_EQ(query.ReadyRight, 1);
  EXPECT_EQ(query.ReadyBottom, 1);
  EXPECT_EQ(query.Bitmap.Row0, data.Cache()->Pixels().Row0);
  EXPECT_EQ(query.OffsetX, 0);
}

TEST_F(Commands, ATransparentReceiverWithoutCacheAsksItsParentAndShiftsTheAnswer) {
  test::FakeOwner parentOwner;
  TsCommonData parent(parentOwner, true);
  parentOwner.data = &parent;
  parent.SetSkinManager(&manager);
  parent.Initialize(false);
  parent.SetSkinSection("VGRAD");  // opaque with a gradient: answers its cache
  parentOwner.prepareCache = [&] {
    parent.PrepareCacheImage();
    parent.CacheStale = false;
  };
  Owned child{manager, false};
  child.owner.parentData = &parent;
  child.data.Initialize(false);
  child.data.SetSkinSection("CHECKBOX");
  TacBgQuery query;
  AnswerGetBackground(child.data, query);
  EXPECT_EQ(query.Kind, kBgBitmap);
  EXPECT_EQ(query.OffsetX, 4);
  EXPECT_EQ(query.OffsetY, 6);
  EXPECT_EQ(query.Bitmap.Row0, parent.Cache()->Pixels().Row0);
}

TEST_F(Commands, AHalfTransparentReceiverWithoutCacheAnswersNoFill) {
  Owned noCache{manager, false};
  noCache.data.Initialize(false);
  noCache.data.SetSkinSection("HALF");
  TacBgQuery query;
  AnswerGetBackground(noCache.data, query);
  EXPECT_EQ(query.Kind, kBgColour);
  EXPECT_EQ(query.Color, 0xFF00FFu);
  Bind("HALF");  // with an empty cache that cannot be built: not yet
  AnswerGetBackground(data, query);
  EXPECT_EQ(query.Kind, kBgDoNotPaint);
  EXPECT_TRUE(data.Updating);
}

TEST_F(Commands, GetColorMixesTheParentColourInByTheUnscaledTransparency) {
  Bind("HALF");  // red 200, transparency 50
  owner.parentHandled = true;
  owner.parentAnswer = 0x00000000;
  // Red ((0 − 200) × 50 + 200 × 256) / 256 = 41200 / 256 = 160.
  EXPECT_EQ(Handle(data, C::GetColor), Answer(0x000000A0));
  owner.parentAnswer = 0x0000FF00;  // green ((255 − 0) × 50 + 0) / 256 = 12750 / 256 = 49
  EXPECT_EQ(Handle(data, C::GetColor), Answer(0x000031A0));
  owner.parentAnswer = 0x00FFFFFF;  // red (55 × 50 + 51200) / 256 = 210, the rest 49
  EXPECT_EQ(Handle(data, C::GetColor), Answer(0x003131D2));
  Bind("PANEL");
  EXPECT_EQ(Handle(data, C::GetColor), Answer(0x00336699));
  Bind("CHECKBOX");
  EXPECT_EQ(Handle(data, C::GetColor), Answer(0x00FFFFFF));
}

TEST_F(Commands, SectionUnderBeyondTheStateCountIsNone) {
  Bind("TWO");
  SectionUnderRecord query{2, 5, {}};
  EXPECT_EQ(Handle(data, C::GetSectionUnder, reinterpret_cast<intptr_t>(&query)), Answer(-1));
  EXPECT_EQ(query.Index, -1);
  query = {1, 5, {}};
  EXPECT_EQ(Handle(data, C::GetSectionUnder, reinterpret_cast<intptr_t>(&query)), Answer(1));
  EXPECT_EQ(query.Index, skin.Index("TWO"));
}

TEST_F(Commands, ATransparentReceiverForwardsTheSectionQuestionShifted) {
  Owned parent{manager};
  parent.data.Initialize(false);
  parent.data.SetSkinSection("PANEL");
  owner.parentData = &parent.data;
  Bind("CHECKBOX");
  SectionUnderRecord query{1, -1, {0, 0, 2, 2}};
  EXPECT_EQ(Handle(data, C::GetSectionUnder, reinterpret_cast<intptr_t>(&query)), Answer(1));
  EXPECT_EQ(query.Index, skin.Index("PANEL"));
  EXPECT_EQ(query.R, (Rect{4, 6, 6, 8}));
}

TEST_F(Commands, TheMaskPixelOfAStateBeyondTheFramesIsReadInTheLastFrame) {
  Bind("SEE");  // three states over a mask of two frames, bit 7 in frame 1's middle
  EXPECT_FALSE(StateShowsParent(data, 0));  // draw mode 4 without 2
  EXPECT_TRUE(StateShowsParent(data, 1));
  EXPECT_TRUE(StateShowsParent(data, 2));
  owner.facts.HasParent = false;
  EXPECT_FALSE(StateShowsParent(data, 1));
}

TEST_F(Commands, CaptionColourFollowsTheSectionUnderTheAdapter) {
  const CaptionSkin captionSkin{skin.loaded.registry.get(), 0xFF000012};
  const int32_t panel = skin.Index("PANEL");
  auto reportPanel = [&](SectionUnderRecord& q) { return q.Index = panel, intptr_t(1); };
  EXPECT_EQ(CaptionColour(captionSkin, -1, 0, reportPanel), 255u);
  EXPECT_EQ(CaptionColour(captionSkin, -1, 0, [](SectionUnderRecord&) { return intptr_t(0); }),
            0xFF000012u);
  EXPECT_EQ(CaptionColour({nullptr}, panel, 1, reportPanel), 0xFF000012u);
}

TEST_F(Commands, ACacheRebuildPaintsTheSectionAndCaption) {
  Bind("PANEL");
  int captions = 0;
  CacheLayers layers{.Caption = [&](CacheSurface& cache, int32_t) {
    ++captions;
    EXPECT_EQ(cache.Pixels().Width, 16);
  }};
  ASSERT_TRUE(RebuildCache(data, layers));
  const PixelView pixels = data.Cache()->Pixels();
  EXPECT_EQ(pixels.Height, 14);
  EXPECT_EQ(pixels.At(8, 7) & 0xFFFFFF, 0x996633u);  // colour 0x336699 as a pixel
  EXPECT_TRUE(RebuildCache(data, layers));  // current: not painted again
  EXPECT_EQ(captions, 1);
  data.CacheStale = true;
  EXPECT_TRUE(RebuildCache(data, layers));
  EXPECT_EQ(captions, 2);
}

TEST_F(Commands, ARebuiltCacheTakesTheOwnersAdjustments) {
  Bind("PANEL");
  data.Saturation = -100;  // all the way to grey
  ASSERT_TRUE(RebuildCache(data, {}));
  const uint32_t pixel = data.Cache()->Pixels().At(8, 7);
  EXPECT_EQ(pixel & 0xFF, pixel >> 8 & 0xFF);
  EXPECT_EQ(pixel & 0xFF, pixel >> 16 & 0xFF);
  EXPECT_NE(pixel & 0xFFFFFF, 0x996633u);
}

// One control, one hue: a red tone over the face 0x336699 (brightest byte 0x99) makes the image
// pixel red 0xFF * 0x99 >> 8 = 0x98, and a caption colour of the same value the same red.
TEST_F(Commands, ImageAndCaptionTakeTheSameTone) {
  Bind("PANEL");
  data.ColorTone = 0x0000FFu;
  ASSERT_TRUE(RebuildCache(data, {}));
  EXPECT_EQ(data.Cache()->Pixels().At(8, 7) & 0xFFFFFF, 0x980000u);
  EXPECT_EQ(AdjustTextColour(0x336699u, {.ColorTone = data.ColorTone}), 0x000098u);
}

}  // namespace
}  // namespace velmora::skin
