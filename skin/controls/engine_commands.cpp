#include "skin/controls/engine_commands.h"

#include <string>

#include "skin/controls/control_kinds.h"
#include "skin/controls/engine_answers.h"
#include "skin/manager/skin_manager.h"

namespace velmora::skin {
namespace {

using C = EngineCommand;

bool OwnManager(const TsCommonData& data, intptr_t argument) {
  const ManagerLink* manager = data.SkinManager();
  return manager && manager->Identity() == argument;
}

void NewSkin(TsCommonData& data, intptr_t manager) {
  if (!OwnManager(data, manager)) return;
  data.StopFade();
  data.ResolveSectionIndex(true);
  data.EmptyCache();
  TsSkinManager::SkinChangeReceived();
}

void RemoveSkin(TsCommonData& data, intptr_t manager) {
  if (!OwnManager(data, manager) || data.SectionIndex < 0) return;
  data.StopFade();
  data.BorderMaskIndex = data.SectionIndex = -1;
  data.Updating = true;
  data.EmptyCache();
  data.Owner().UseSkinBrush(false);
}

void Refresh(TsCommonData& data, intptr_t manager) {
  if (!OwnManager(data, manager)) return;
  data.StopFade();
  data.CacheStale = true;
  data.Updating = false;
  data.ApplyColours(true);
  if (InKindSet(KindSet::FrameRefresh, data.ControlKind)) data.Owner().RecomputeFrame();
}

void ParentUpdated(TsCommonData& data) {
  if (!data.Updating || data.RefreshUpdating(true)) return;
  data.Owner().Redraw(true);
  data.Owner().SendToChildren(Message(C::ParentUpdated));
}

intptr_t IsPreparing(TsCommonData& data) {
  if (data.IsUpdating()) return 1;
  if (data.CustomColor) return 0;
  const OwnerFacts facts = data.Owner().Facts();
  if (!facts.IsWindowControl) return 0;
  if (data.CacheEmpty() || data.CacheStale) {
    data.Owner().SendToSelf(Message(C::PrepareCache));
    return data.CacheEmpty() ? 1 : 0;
  }
  const PixelView pixels = data.Cache()->Pixels();
  return pixels.Width != facts.Bounds.Right - facts.Bounds.Left ||
         pixels.Height != facts.Bounds.Bottom - facts.Bounds.Top;
}

void BackgroundMoved(TsCommonData& data, uint16_t redraw) {
  const bool depends = DependsOnParent(data);
  if (depends) data.CacheStale = true;
  if (redraw != 1 || !data.Owner().Facts().IsWindowControl) return;
  data.Owner().InvalidateAll();
  if (depends) data.Owner().SendToChildren(Message(C::BackgroundMoved, 0, 1));
}

void ReleaseCache(TsCommonData& data) {
  if (!data.Cache()) return;
  data.Owner().SendToChildren(Message(C::ReleaseCache));
  data.EmptyCache();
  data.CacheStale = true;
}

intptr_t SetSection(TsCommonData& data, intptr_t argument) {
  const auto* name = reinterpret_cast<const std::string*>(argument);
  if (!name || name->empty()) return 0;
  data.SetSkinSection(*name);
  return 1;
}

void RepaintIfSection(TsCommonData& data, intptr_t argument) {
  const auto* name = reinterpret_cast<const std::string*>(argument);
  if (!name || *name != data.SkinSection()) return;
  TsSkinManager::SkinChangeReceived();
  data.RequestRepaint(false);
}

void SetScale(TsCommonData& data, const EngineMessage& message) {
  data.ScalePercent = int32_t(message.Argument);
  data.Owner().SendToChildren(message);
}

void WriteBounds(const TsCommonData& data, intptr_t argument) {
  auto* out = reinterpret_cast<Rect*>(argument);
  if (!out) return;
  const OwnerFacts facts = data.Owner().Facts();
  *out = facts.IsControl ? facts.Bounds : Rect{};
}

}  // namespace

std::optional<intptr_t> HandleEngineCommand(TsCommonData& data, const EngineMessage& message) {
  const intptr_t arg = message.Argument;
  switch (message.Command) {
    case C::NewSkin:
      return NewSkin(data, arg), 0;
    case C::RemoveSkin:
      return RemoveSkin(data, arg), std::nullopt;
    case C::Refresh:
      return Refresh(data, arg), 0;
    case C::ParentUpdated:
      return ParentUpdated(data), 0;
    case C::IsHandled:
      return 1;
    case C::SetUpdating:
      return data.Updating = message.Flag == 1, 0;
    case C::DefaultSectionIndex:
      return 0;
    case C::IsPreparing:
      return IsPreparing(data);
    case C::GetPartlyVisible:
      return data.PartlyVisible ? 1 : 0;
    case C::RepaintIfSection:
      return RepaintIfSection(data, arg), 0;
    case C::SetSection:
      return SetSection(data, arg);
    case C::StopAnimation:
      return data.StopFade(), 0;
    case C::MarkStale:
      return data.CacheStale = true, 0;
    case C::Repaint:
      return data.RequestRepaint(false), 0;
    case C::HasOwnSurface:
      return 1;
    case C::BackgroundMoved:
      return BackgroundMoved(data, message.Flag), 0;
    case C::GetColor:
      return intptr_t(AnswerGetColor(data));
    case C::SetPartlyVisible:
      return data.PartlyVisible = true, 0;
    case C::PrepareCache:
      return data.CacheStale = false, 0;
    case C::ReportSectionIndex:
      if (arg) reinterpret_cast<int32_t*>(arg)[1] = data.SectionIndex;
      return 0;
    case C::ReleaseCache:
      return ReleaseCache(data), 0;
    case C::GetBackground:
      if (arg) AnswerGetBackground(data, *reinterpret_cast<TacBgQuery*>(arg));
      return 0;
    case C::GetSkinData:
      return reinterpret_cast<intptr_t>(&data);
    case C::SetAllowedDC:
      data.AllowedDC = arg;
      data.StateFlags =
          arg ? data.StateFlags | kAllowedDcSet : data.StateFlags & ~uint32_t(kAllowedDcSet);
      return 0;
    case C::ScrollOptionsChanged:
      if (!data.Owner().Facts().IsWindowControl) return 0;
      data.Owner().RecomputeFrame();
      data.Owner().SendToChildren(message);
      return 0;
    case C::GetSectionUnder:
      return arg ? AnswerGetSectionUnder(data, *reinterpret_cast<SectionUnderRecord*>(arg)) : -1;
    case C::SetScale:
      return SetScale(data, message), std::nullopt;
    case C::GetScale:
      return data.ScalePercent;
    case C::GetBounds:
      return WriteBounds(data, arg), 0;
    default:
      return std::nullopt;
  }
}

}  // namespace velmora::skin
