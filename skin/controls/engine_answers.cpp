#include "skin/controls/engine_answers.h"

#include <algorithm>

#include "skin/controls/control_kinds.h"
#include "skin/data/skin_registry.h"

namespace velmora::skin {
namespace {

constexpr uint32_t kNoFill = 0xFF00FF;

int32_t Width(const Rect& r) { return r.Right - r.Left; }
int32_t Height(const Rect& r) { return r.Bottom - r.Top; }

void BuildCache(TsCommonData& data) {
  data.Owner().SendToSelf(Message(EngineCommand::PrepareCache));
}

bool CacheFits(const TsCommonData& data, const OwnerFacts& facts) {
  if (data.CacheEmpty()) return false;
  const PixelView pixels = data.Cache()->Pixels();
  return pixels.Width == Width(facts.Bounds) && pixels.Height == Height(facts.Bounds);
}

// The cache as a Kind 2 answer at offset (0, 0), or drawn into the asker's context.
void GiveCache(TsCommonData& data, TacBgQuery& query) {
  query.Kind = kBgBitmap;
  if (query.PleaseDraw) {
    data.Owner().DrawCacheInto(query);
    return;
  }
  query.Bitmap = data.Cache()->Pixels();
  query.OffsetX = query.OffsetY = 0;
}

bool DrawnOnRequest(TsCommonData& data, TacBgQuery& query) {
  if (!query.PleaseDraw) return false;
  const OwnerFacts facts = data.Owner().Facts();
  if (data.CacheStale && facts.IsControl) BuildCache(data);
  if (!data.CacheStale && !data.CacheEmpty()) data.Owner().DrawCacheInto(query);
  query.Kind = kBgBitmap;
  return true;
}

void AskParent(TsCommonData& data, TacBgQuery& query) {
  const OwnerFacts facts = data.Owner().Facts();
  if (!facts.HasParent) {
    const SkinRegistry* skin = data.Skin();
    query.Kind = kBgColour;
    query.Color = skin ? uint32_t(skin->Palette()[kMainColor]) : 0xFF00000F;
    return;
  }
  data.Owner().QueryParent(query, query.PleaseDraw);
  if (query.Kind != kBgBitmap || query.PleaseDraw) return;
  query.OffsetX += facts.Bounds.Left, query.OffsetY += facts.Bounds.Top;
  query.ReadyLeft -= facts.Bounds.Left, query.ReadyTop -= facts.Bounds.Top;
}

bool PlainOpaque(const TsCommonData& data, const TsGenState& block) {
  const TsGeneralData* section = data.Section();
  return block.GradientPercent < 1 && block.ImagePercent < 1 && section->ImgTopLeft < 0 &&
         section->ImgTopRight < 0 && section->ImgBtmLeft < 0 && section->ImgBtmRight < 0 &&
         data.OuterVisibility != TacOuterVisibility::ovAlways;
}

void AnswerPlainOpaque(TsCommonData& data, TacBgQuery& query, int32_t state) {
  query.Kind = kBgColour;
  query.Color = data.ControlColour(state);
  const SkinRegistry* skin = data.Skin();
  if (skin->IsValidMaskIndex(data.BorderMaskIndex)) {
    const TsMaskData& mask = skin->Masks()[size_t(data.BorderMaskIndex)];
    if (!(mask.DrawMode & 2) && data.Cache()) {
      query.ReadyLeft = mask.LeftWidth, query.ReadyTop = mask.TopWidth;
      query.ReadyRight = mask.RightWidth, query.ReadyBottom = mask.BottomWidth;
      query.Bitmap = data.Cache()->Pixels();
      query.OffsetX = query.OffsetY = 0;
    }
  }
  if (query.PleaseDraw) data.Owner().FillQueryDc(query, query.Color);
}

void AnswerTextured(TsCommonData& data, TacBgQuery& query) {
  const OwnerFacts facts = data.Owner().Facts();
  const SkinRegistry* skin = data.Skin();
  query.Color = uint32_t(skin->Palette()[kMainColor]);
  if (data.CacheStale || !CacheFits(data, facts)) {
    data.CacheStale = true;
    data.EmptyCache();
    BuildCache(data);
  }
  if (data.CacheEmpty()) {
    query.Kind = kBgDoNotPaint;
    return;
  }
  GiveCache(data, query);
}

uint32_t ParentColourFor(TsCommonData& data) {
  SkinOwner& owner = data.Owner();
  if (!owner.Facts().HasParent) return owner.Facts().Colour;
  return owner.ParentEngineHandled()
             ? uint32_t(owner.SendToParent(Message(EngineCommand::GetColor)))
             : owner.ParentColour();
}

}  // namespace

uint32_t MixWithParent(uint32_t c, uint32_t p, int32_t transparency) {
  const uint32_t w = uint32_t(std::clamp(transparency, 0, 100)) * 255 / 100;
  uint32_t out = 0;
  for (int shift = 0; shift < 24; shift += 8) {
    const uint32_t channel = ((c >> shift & 0xFF) * w + (p >> shift & 0xFF) * (255 - w)) / 256;
    out |= channel << shift;
  }
  return out;
}

uint32_t LayOverParent(uint32_t c, uint32_t p, int32_t transparency) {
  const int32_t t = std::clamp(transparency, 0, 100);
  uint32_t out = 0;
  for (int shift = 0; shift < 24; shift += 8) {
    const int32_t pc = int32_t(p >> shift & 0xFF), cc = int32_t(c >> shift & 0xFF);
    out |= uint32_t(((pc - cc) * t + cc * 256) / 256 & 0xFF) << shift;
  }
  return out;
}

void AnswerGetBackground(TsCommonData& data, TacBgQuery& query) {
  for (int round = 0; round < 2; ++round) {
    if (DrawnOnRequest(data, query)) return;
    query.Bitmap = {};
    const OwnerFacts facts = data.Owner().Facts();
    if (!data.IsSkinned() || data.CustomColor) {
      query.Kind = kBgColour;
      query.Color = facts.Colour;
      return;
    }
    const bool steady = InKindSet(KindSet::SteadyBackground, data.ControlKind);
    const int32_t state = data.HasFocus || (data.MouseOver && !steady) ? 1 : 0;
    const TsGenState& block = *data.StateBlock(state);
    const int32_t t = block.Transparency;
    if (t >= 100 && !data.Cache()) return AskParent(data, query);
    if (t >= 100) {
      if (data.CacheStale) BuildCache(data);
      if (data.CacheStale) {
        query.Kind = kBgColour;
        query.OffsetX = query.OffsetY = 0;
        query.Color = data.ControlColour(0);
        return;
      }
      return GiveCache(data, query);
    }
    if (t > 0) {
      if (!data.Cache()) {
        query.Kind = kBgColour;
        query.Color = kNoFill;
        return;
      }
      if (data.CacheEmpty()) {
        if (data.CacheStale) BuildCache(data);
        if (data.CacheEmpty()) {
          data.Updating = true;
          query.Kind = kBgDoNotPaint;
          return;
        }
        continue;  // the cache is there now: answer from the top
      }
      return GiveCache(data, query);
    }
    if (PlainOpaque(data, block)) return AnswerPlainOpaque(data, query, state);
    return AnswerTextured(data, query);
  }
}

uint32_t AnswerGetColor(TsCommonData& data) {
  const OwnerFacts facts = data.Owner().Facts();
  if (!data.IsSkinned()) return facts.Colour;
  const TsGenState& normal = *data.StateBlock(0);
  if (normal.Transparency == 0) return uint32_t(normal.Color);
  const uint32_t parent = ParentColourFor(data);
  if (normal.Transparency >= 100) return parent;
  return LayOverParent(ResolveColour(uint32_t(normal.Color)), ResolveColour(parent),
                       normal.Transparency);
}

bool StateShowsParent(const TsCommonData& data, int32_t state) {
  const OwnerFacts facts = data.Owner().Facts();
  if (!facts.HasParent || data.SectionIndex < 0 || !data.Section()) return false;
  state = std::clamp(std::min(state, data.StateCount() - 1), 0, 2);
  if (data.StateBlock(state)->Transparency <= 50) return false;
  const SkinRegistry& skin = *data.Skin();
  if (!skin.IsValidMaskIndex(data.BorderMaskIndex)) return true;
  const TsMaskData& mask = skin.Masks()[size_t(data.BorderMaskIndex)];
  if (!(mask.DrawMode & 4)) return true;
  if (state == 0) return (mask.DrawMode & 2) != 0;
  if (mask.MaskLayout == 0) return false;  // no mask part under the pictures
  // The state is limited to the frames the mask has, so the pixel read stays in the mask.
  const int32_t frame = std::min(state, std::max<int32_t>(mask.FrameCount, 1) - 1);
  const Image32& image = mask.Image ? *mask.Image : skin.MasterImage();
  const int32_t x = mask.Rect.Left + frame * mask.FrameWidth + mask.FrameWidth / 2;
  const int32_t y = mask.Rect.Bottom - mask.FrameHeight / 2;
  if (x < 0 || y < 0 || x >= image.Width || y >= image.Height) return false;
  return (image.At(x, y) & 0x80) != 0;
}

intptr_t AnswerGetSectionUnder(TsCommonData& data, SectionUnderRecord& query) {
  if (StateShowsParent(data, query.State)) {
    const Rect bounds = data.Owner().Facts().Bounds;
    query.R = Offset(query.R, bounds.Left, bounds.Top);
    return data.Owner().SendToParent(
        Message(EngineCommand::GetSectionUnder, reinterpret_cast<intptr_t>(&query)));
  }
  if (query.State >= data.StateCount()) {
    query.Index = -1;
    return -1;
  }
  query.Index = data.SectionIndex;
  return 1;
}

bool DependsOnParent(TsCommonData& data) {
  const OwnerFacts facts = data.Owner().Facts();
  if (!data.IsSkinned() || !facts.IsControl || !facts.Enabled) return true;
  if (data.StateBlock(0)->Transparency <= 0 || !facts.HasParent) return false;
  return data.Owner().SendToParent(Message(EngineCommand::HasOwnSurface)) == 1;
}

uint32_t CaptionColour(const CaptionSkin& skin, int32_t sectionIndex, int32_t state,
                       const std::function<intptr_t(SectionUnderRecord&)>& askParent) {
  const SkinRegistry* registry = skin.Skin;
  const auto stateCount = [&](int32_t k) {
    return registry && registry->IsValidSkinIndex(k) ? registry->Sections()[size_t(k)].StateCount
                                                     : 0;
  };
  const auto block = [&](int32_t k) -> const TsGenState& {
    return registry->Sections()[size_t(k)].Props[size_t(std::clamp(state, 0, 2))];
  };
  const bool askUnder = state == 0 || sectionIndex < 0 || state >= stateCount(sectionIndex) ||
                        block(sectionIndex).Transparency > 39;
  if (askUnder) {
    SectionUnderRecord query{state, sectionIndex, {}};
    const intptr_t answer = askParent(query);
    if (answer == 0) return skin.ButtonText;
    if (answer != -1 && query.Index >= 0) sectionIndex = query.Index;
  }
  if (!registry) return skin.ButtonText;
  if (registry->IsValidSkinIndex(sectionIndex)) return uint32_t(block(sectionIndex).FontColor);
  return uint32_t(registry->Palette()[kLabelText]);
}

}  // namespace velmora::skin
