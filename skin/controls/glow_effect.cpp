#include "skin/controls/glow_effect.h"

#include <algorithm>
#include <cmath>
#include <memory>
#include <utility>
#include <vector>

#include "skin/controls/paint_adjustments.h"
#include "skin/controls/state_fade.h"
#include "skin/data/skin_registry.h"
#include "skin/manager/skin_manager.h"
#include "skin/paint/borders_mask.h"

namespace velmora::skin {
namespace {

// Indexes stay valid while their glow lives: a removed glow leaves its slot empty for the next.
std::vector<std::unique_ptr<TacGlowEffect>>& Glows() {
  static std::vector<std::unique_ptr<TacGlowEffect>> glows;
  return glows;
}

TacGlowEffect* Effect(int32_t glowId) {
  auto& glows = Glows();
  return glowId >= 0 && size_t(glowId) < glows.size() ? glows[size_t(glowId)].get() : nullptr;
}

int32_t FreeSlot() {
  auto& glows = Glows();
  const auto empty = std::find(glows.begin(), glows.end(), nullptr);
  if (empty != glows.end()) return int32_t(empty - glows.begin());
  glows.emplace_back();
  return int32_t(glows.size() - 1);
}

void Push(TacGlowEffect& glow) {
  glow.Window->UpdateLayer(PixelRows(std::as_const(glow.Bitmap)), glow.Alpha, glow.Place.Left,
                           glow.Place.Top);
}

void RemoveGlow(TsCommonData& data) {
  if (data.GlowId < 0) return;
  if (TacGlowEffect* glow = Effect(data.GlowId); glow && glow->Data == &data)
    Glows()[size_t(data.GlowId)].reset();
  data.GlowId = -1;
}

bool AnimationAllowed(const TsCommonData& data) {
  const ManagerLink* manager = data.SkinManager();
  return manager && manager->Effects().AllowAnimation && !TsSkinManager::SkinIsChanging();
}

// One step of the glow's own fade out: its alpha falls by the step; at zero the glow goes.
bool GlowFadeStep(TsCommonData& data, double& value, int32_t step) {
  TacFadeTimer& fade = *data.FadeTimer;
  value = std::max(0.0, value - fade.Delta);
  SetGlowAlpha(data.GlowId, uint8_t(std::lround(value)));
  if (step >= fade.StepCount) {
    RemoveGlow(data);
    fade.GlowOnly = false;
  }
  return true;
}

void StartGlowFadeOut(TsCommonData& data) {
  if (!data.FadeTimer) {
    const TimerCarriers timers = data.Owner().Timers();
    if (!timers) return RemoveGlow(data);
    data.FadeTimer = std::make_unique<TacFadeTimer>(timers);
  } else if (data.FadeRunning() &&
             (data.FadeTimer->GlowOnly || data.FadeTimer->Kind == kFadeToNormal)) {
    return;  // a fade to normal takes the glow with it
  }
  TacFadeTimer& fade = *data.FadeTimer;
  fade.SetEnabled(false);
  fade.GlowOnly = true;
  fade.Delta = kGlowFadeStep;
  const double from = GlowAt(data.GlowId)->Alpha;
  // As many steps as the show took to raise it; the last one reaches zero.
  const int32_t steps = std::max(1, int32_t(std::ceil(from / kGlowFadeStep)));
  fade.StartSteps(steps - 1, 0, kFadeStepMs, [&data, value = from](int32_t step) mutable {
    return GlowFadeStep(data, value, step);
  });
}

}  // namespace

Rect GlowWindowRect(const Rect& control, const TsMaskData& mask, int32_t margin) {
  const int32_t left = control.Left + margin - mask.LeftWidth;
  const int32_t top = control.Top + margin - mask.TopWidth;
  const int32_t width = control.Width() + mask.LeftWidth + mask.RightWidth - 2 * margin;
  const int32_t height = control.Height() + mask.TopWidth + mask.BottomWidth - 2 * margin;
  return {left, top, left + width, top + height};
}

Image32 MakeGlowBitmap(int32_t width, int32_t height, const TsMaskData& mask,
                       const Adjustments& adjust) {
  Image32 bitmap = MakeImage(width, height, 0);  // black, alpha 0
  const PixelView pixels = PixelRows(bitmap);
  DrawBordersMask(pixels, pixels.Bounds(), TacParentBg{}, false, 0, mask);
  if (adjust) adjust(pixels);
  return bitmap;
}

bool GlowAllowed(const TsCommonData& data) {
  const ManagerLink* manager = data.SkinManager();
  const TsGeneralData* section = data.Section();
  return manager && manager->Effects().AllowGlowing && !manager->Options().NoMouseHover &&
         data.IsSkinned() && section && section->GlowSize >= 1 && data.Owner().GlowPossible();
}

int32_t ShowGlow(TsCommonData& data, uint8_t alpha) {
  if (!GlowAllowed(data)) return -1;
  const SkinRegistry& skin = *data.Skin();
  const int32_t maskIndex = skin.GetMaskIndex(data.SectionIndex, "GLOW0");
  const std::optional<Rect> bounds = data.Owner().ScreenBounds();
  if (!skin.IsValidMaskIndex(maskIndex) || !bounds) return -1;
  const TsMaskData& mask = skin.Masks()[size_t(maskIndex)];
  const int32_t margin = data.Section()->GlowMargin;
  const Rect place = GlowWindowRect(*bounds, mask, margin);
  if (IsEmpty(place)) return -1;
  std::unique_ptr<GlowWindow> window = data.Owner().MakeGlowWindow();
  if (!window) return -1;
  RemoveGlow(data);
  auto glow = std::make_unique<TacGlowEffect>(TacGlowEffect{
      .Data = &data,
      .MaskIndex = maskIndex,
      .Margin = margin,
      .Bitmap = MakeGlowBitmap(place.Width(), place.Height(), mask, PaintAdjustments(data)),
      .Place = place,
      .Alpha = alpha,
      .Window = std::move(window)});
  Push(*glow);
  data.GlowId = FreeSlot();
  Glows()[size_t(data.GlowId)] = std::move(glow);
  return data.GlowId;
}

void HideGlow(TsCommonData& data, bool animate) {
  if (!Effect(data.GlowId)) return void(data.GlowId = -1);
  if (animate && AnimationAllowed(data)) return StartGlowFadeOut(data);
  RemoveGlow(data);
  // The images of a finished fade are not needed again soon; a running fade still shows them.
  if (data.FadeTimer && !data.FadeRunning()) {
    data.FadeTimer->Old = {}, data.FadeTimer->New = {}, data.FadeTimer->Work = {};
  }
}

void SetGlowAlpha(int32_t glowId, uint8_t alpha) {
  TacGlowEffect* glow = Effect(glowId);
  if (!glow) return;
  glow->Alpha = alpha;
  Push(*glow);
}

void FreeAllGlows() {
  auto& glows = Glows();
  for (const auto& glow : glows)
    if (glow) glow->Data->GlowId = -1;
  glows.clear();
}

const TacGlowEffect* GlowAt(int32_t glowId) { return Effect(glowId); }

}  // namespace velmora::skin
