#include "skin/controls/owner_messages.h"

#include "skin/controls/control_kinds.h"
#include "skin/controls/engine_answers.h"
#include "skin/controls/glow_effect.h"
#include "skin/controls/section_traits.h"
#include "skin/controls/state_fade.h"

namespace velmora::skin {
namespace {

// Kinds whose look does not follow the pointer in a way a glow would show.
bool GlowsOnHover(const TsCommonData& data) {
  return !InKindSet(KindSet::SteadyBackground, data.ControlKind) &&
         !InKindSet(KindSet::SpecialRepaint, data.ControlKind);
}

bool FocusColours(const TsCommonData& data) {
  return InKindSet(KindSet::FocusColours, data.ControlKind) && data.StateCount() > 1;
}

bool TakesFocus(const TsCommonData& data) {
  const OwnerFacts facts = data.Owner().Facts();
  return data.IsSkinned() && facts.IsWindowControl && facts.CanFocus &&
         !data.TransparentNormalAndHot();
}

// Colours of a state, then a redraw when they changed and a repainted frame.
void ShowStateColours(TsCommonData& data, int32_t state) {
  const OwnerFacts before = data.Owner().Facts();
  data.ApplySectionColours(state);
  const OwnerFacts after = data.Owner().Facts();
  if (after.Colour != before.Colour || after.FontColour != before.FontColour)
    data.Owner().InvalidateAll();
  data.Owner().RepaintFrame();
}

}  // namespace

void OnFocusChanged(TsCommonData& data, bool focused) {
  if (!TakesFocus(data)) return;
  if (focused && !data.Owner().Facts().Visible) return;
  data.CacheStale = true;
  data.HasFocus = focused;
  if (!FocusColours(data)) return;
  if (focused) return ShowStateColours(data, 1);
  if (data.CurrentState() == 0 && data.Owner().Facts().Visible) ShowStateColours(data, 0);
}

void OnEnabledChanged(TsCommonData& data) {
  data.MouseOver = data.HasFocus = false;
  data.CacheStale = true;
  if (!data.Owner().Facts().Enabled) HideGlow(data, false);
}

void OnMoved(TsCommonData& data) {
  if (!data.IsSkinned()) return;
  if (data.OuterVisibility == TacOuterVisibility::ovAlways) data.NotifyParentResized();
  if (DependsOnParent(data)) {
    data.CacheStale = true;
    data.Owner().SendToSelf(Message(EngineCommand::BackgroundMoved, 0, 1));
  }
  HideGlow(data, false);
}

void OnSizeChanging(TsCommonData& data, bool widthChanges, bool heightChanges) {
  if (widthChanges) data.StateFlags |= kWidthChanging;
  if (heightChanges) data.StateFlags |= kHeightChanging;
}

void OnResized(TsCommonData& data) {
  if (!data.IsSkinned()) return;
  data.CacheStale = true;
  if (data.OuterVisibility == TacOuterVisibility::ovAlways) data.NotifyParentResized();
  const bool width = (data.StateFlags & kWidthChanging) && (data.SectionTraits & kWidthTraits);
  const bool height = (data.StateFlags & kHeightChanging) && (data.SectionTraits & kHeightTraits);
  if (width || height) data.Owner().SendToChildren(Message(EngineCommand::BackgroundMoved, 0, 1));
  data.StateFlags &= ~uint32_t(kWidthChanging | kHeightChanging);
  if (!data.FadeRunning()) HideGlow(data, false);
}

void OnVisibilityChanged(TsCommonData& data, bool visible) {
  if (!visible) HideGlow(data, false);
  const ManagerLink* manager = data.SkinManager();
  if (!manager || manager->Options().OptimizingPriority != TacOptimizingPriority::opMemory) return;
  if (data.Owner().Facts().Destroying || !data.Cache()) return;
  if (visible) {
    data.Updating = false;
  } else {
    data.EmptyCache();
    data.Owner().SendToChildren(Message(EngineCommand::ReleaseCache));
  }
  data.CacheStale = true;
}

void OnMouseEntered(TsCommonData& data) {
  if (!data.IsSkinned() || data.MouseOver) return;
  if (!InKindSet(KindSet::NoHover, data.ControlKind)) data.MouseOver = true;
  const ManagerLink* manager = data.SkinManager();
  const bool quiet = (manager && manager->Options().NoMouseHover) ||
                     data.TransparentNormalAndHot() || !data.Owner().Facts().HasWindow;
  if (quiet) return;
  // The fade to the hot look that follows raises it.
  if (GlowsOnHover(data) && data.GlowId < 0) ShowGlow(data, StateFadePossible(data) ? 0 : 255);
  const bool editHoverOff = InKindSet(KindSet::EditLike, data.ControlKind) && !kEditHover;
  if (FocusColours(data) && !editHoverOff) ShowStateColours(data, 1);
}

void OnMouseLeft(TsCommonData& data, bool insideOwner) {
  const ManagerLink* manager = data.SkinManager();
  if (!data.IsSkinned() || !data.Owner().Facts().IsControl || insideOwner) return;
  if (manager && manager->Options().NoMouseHover) return;
  if (!InKindSet(KindSet::NoHover, data.ControlKind)) data.MouseOver = false;
  if (GlowsOnHover(data)) HideGlow(data, true);
  if (!FocusColours(data) || data.TransparentNormalAndHot() || data.CurrentState() != 0) return;
  if (!data.Owner().Facts().Visible) return;
  data.CacheStale = true;
  ShowStateColours(data, 0);
}

}  // namespace velmora::skin
