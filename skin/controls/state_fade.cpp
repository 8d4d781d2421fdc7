#include "skin/controls/state_fade.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "skin/controls/glow_effect.h"
#include "skin/manager/skin_manager.h"
#include "skin/paint/blend.h"

namespace velmora::skin {
namespace {

Image32 CopyOfCache(const TsCommonData& data) {
  const PixelView cache = data.Cache()->Pixels();
  Image32 copy = MakeImage(cache.Width, cache.Height);
  BlockCopy(PixelRows(copy), 0, 0, cache, cache.Bounds());
  return copy;
}

int32_t Rounded(double value) { return int32_t(std::lround(value)); }

void RepaintAtOnce(TsCommonData& data) {
  data.StopFade();
  data.CacheStale = true;
  data.RequestRepaint(true);
}

// Without a fade the glow is there or not at once: full while the pointer is over the control.
void GlowAtOnce(TsCommonData& data, int32_t targetKind) {
  if (!data.MouseOver) return HideGlow(data, false);
  if (targetKind >= 100) return;
  if (data.GlowId < 0) ShowGlow(data, 255);
  else SetGlowAlpha(data.GlowId, 255);
}

// The glow follows the fade's progress; one that has all but faded with the control goes. A fade
// to normal only ever lowers it: it may take over from the glow's own fade out, a step further on.
void FollowWithGlow(TsCommonData& data, int32_t c) {
  const TacGlowEffect* glow = GlowAt(data.GlowId);
  if (!glow) return;
  TacFadeTimer& fade = *data.FadeTimer;
  if (fade.Kind != kFadeToNormal) return SetGlowAlpha(data.GlowId, uint8_t(c));
  if (c >= 10) return SetGlowAlpha(data.GlowId, uint8_t(std::min<int32_t>(c, glow->Alpha)));
  HideGlow(data, false);
  fade.Value = 0;
}

// One step of the cross-fade. A fade goes on past its planned steps until its image is the new
// one whole, so that a reversed fade never stops part-way.
bool DefaultStep(TsCommonData& data, int32_t step) {
  TacFadeTimer& fade = *data.FadeTimer;
  const bool toHot = fade.Kind == kFadeToHot;
  fade.Value = std::clamp(fade.Value + (toHot ? fade.Delta : -fade.Delta), 0.0, 255.0);
  const int32_t c = Rounded(fade.Value);
  MixFadeImages(fade.Work, fade.Old, fade.New, uint8_t(toHot ? 255 - c : c));
  data.Owner().ShowImage(PixelRows(std::as_const(fade.Work)));
  if (step < fade.StepCount) {
    FollowWithGlow(data, c);
    return true;
  }
  if (toHot ? c < 255 : c > 0) {
    fade.StepCount = step + 1;
    return true;
  }
  if (!toHot) HideGlow(data, false);
  if (fade.Kind == kFadeToNormal) {
    fade.Old = {}, fade.New = {}, fade.Work = {};
    fade.Kind = kFadeIdle;
  }
  return true;
}

}  // namespace

bool StateFadePossible(const TsCommonData& data) {
  const ManagerLink* manager = data.SkinManager();
  return manager && manager->Effects().AllowAnimation && !TsSkinManager::SkinIsChanging() &&
         !data.CacheStale && !data.CacheEmpty();
}

FadePlan PlanStateFade(const FadeFrom& from) {
  const double v = std::clamp(from.Value, 0.0, 255.0);
  FadePlan plan{.Count = from.Fast ? 3 : 6};
  const bool afterNormal = from.PreviousKind < kFadeToHot;
  switch (from.Kind) {
    case kFadeToNormal:
      plan.Count *= 2;
      plan.Delta = v / plan.Count;
      break;
    case kFadeToHot:
      plan.Count = afterNormal ? std::max(1, Rounded((255 - v) * 6 / 255)) : 6;
      plan.Delta = (255 - v) / plan.Count;
      break;
    default: plan.Delta = v / plan.Count; break;
  }
  if (from.Kind == kFadeToHot && afterNormal) {
    plan.First = Rounded(v * 6 / 255);
  } else if (from.Kind == kFadeToNormal && from.PreviousKind == kFadeToHot) {
    plan.First = v != 0 ? Rounded((255 - v) * plan.Count / 255) : 0;
  } else if (!from.HasWork) {
    plan.First = std::max(0, (from.PreviousKind == kFadeToNormal ? 12 : 6) - from.Reached);
  }
  return plan;
}

void MixFadeImages(Image32& work, const Image32& old, const Image32& fresh, uint8_t weight) {
  work = old;
  WeighBitmapInto(PixelRows(work), PixelRows(fresh), weight, 0, 0, {0, 0, fresh.Width,
                                                                    fresh.Height});
}

void StartStateFade(TsCommonData& data, int32_t targetKind, const FadeStep& step, bool showGlow,
                    bool fast, bool animate) {
  if (!data.IsSkinned()) return data.RequestRepaint(true);
  if (!animate || !StateFadePossible(data)) {
    RepaintAtOnce(data);
    if (showGlow) GlowAtOnce(data, targetKind);
    return;
  }
  if (showGlow && targetKind < 100 && data.GlowId < 0) ShowGlow(data, 0);
  data.CacheStale = true;
  if (!data.FadeTimer) {
    const TimerCarriers timers = data.Owner().Timers();
    if (!timers) return RepaintAtOnce(data);
    data.FadeTimer = std::make_unique<TacFadeTimer>(timers);
    data.FadeTimer->Value = targetKind == kFadeToNormal ? 255 : 0;
  } else if (data.FadeRunning() && !data.FadeTimer->GlowOnly &&
             data.FadeTimer->Kind == targetKind) {
    return;
  }
  TacFadeTimer& fade = *data.FadeTimer;
  const PixelView cache = data.Cache()->Pixels();
  if (fade.Work.Width != cache.Width || fade.Work.Height != cache.Height) fade.Work = {};
  fade.Old = CopyOfCache(data);
  data.Owner().SendToSelf(Message(EngineCommand::PrepareCache));
  if (data.CacheEmpty() || data.CacheStale) return RepaintAtOnce(data);
  fade.New = CopyOfCache(data);

  fade.SetEnabled(false);
  fade.GlowOnly = false;
  fade.Value = std::clamp(fade.Value, 0.0, 255.0);
  fade.PreviousKind = fade.Kind;
  fade.Kind = targetKind;
  const FadePlan plan = PlanStateFade({fade.Value, targetKind, fade.PreviousKind, fast,
                                       !fade.Work.Empty(), fade.StepIndex});
  const bool fromShown = targetKind == kFadeToPressed ||
                         (targetKind == kFadeToHot && fade.PreviousKind == kFadeToPressed);
  if (fromShown && !fade.Work.Empty()) fade.Old = fade.Work;
  fade.Delta = plan.Delta;
  TacThreadedTimer::StepFunction stepOf = [&data, step](int32_t k) {
    return step ? step(data, k) : DefaultStep(data, k);
  };
  if (!fade.StartSteps(plan.Count, plan.First, kFadeStepMs, std::move(stepOf)))
    fade.Kind = kFadeIdle;
}

}  // namespace velmora::skin
