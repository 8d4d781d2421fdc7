#include "skin/controls/track_bar_paint.h"

#include <algorithm>
#include <cmath>

#include "skin/controls/adapter_paint.h"
#include "skin/data/skin_registry.h"
#include "skin/paint/borders_mask.h"
#include "skin/paint/focus_frame.h"
#include "skin/paint/glyph.h"
#include "skin/paint/section_paint.h"

namespace velmora::skin {
namespace {

constexpr int32_t kTickLength = 4;

int32_t RoundHalfEven(double v) { return int32_t(std::nearbyint(v)); }

const TsMaskData* MaskOf(const SkinRegistry& skin, int32_t index) {
  return skin.IsValidMaskIndex(index) ? &skin.Masks()[size_t(index)] : nullptr;
}

void PaintTicks(const PixelView& cache, const SkinRegistry& skin, const TrackBarLook& look,
                const TrackBarGeometry& g) {
  const TsMaskData* tick = MaskOf(skin, look.Masks.Tick);
  if (!tick) return;  // a skinned slider without tick glyphs draws its raised lines elsewhere
  const TacParentBg self = ParentFromBitmap(cache, 0, 0);
  const TickRows rows = TickRowsOf(g);
  for (const int32_t x : TickPositions(g, tick->FrameWidth)) {
    for (const int32_t y : {rows.Below, rows.Above})
      if (y >= 0) DrawGlyph(cache, x - tick->FrameWidth, y, look.ThumbState, self, *tick,
                            kGlyphNormal);
  }
}

void PaintThumb(const PixelView& cache, const SkinRegistry& skin, const TrackBarLook& look,
                const TrackBarGeometry& g) {
  const TsMaskData* thumb = MaskOf(skin, look.Masks.Thumb);
  if (!thumb) return;
  const int32_t x = g.Thumb.Left + (g.Thumb.Width() - thumb->FrameWidth) / 2;
  const int32_t y = g.Thumb.Top + (g.Thumb.Height() - thumb->FrameHeight) / 2;
  DrawGlyph(cache, x, y, look.ThumbState, ParentFromBitmap(cache, 0, 0), *thumb, kGlyphNormal);
}

void PaintProgress(const PixelView& cache, const SkinRegistry& skin, const TrackBarLook& look,
                   const TrackBarGeometry& g) {
  const TsMaskData* mask = MaskOf(skin, look.Masks.Progress);
  if (!mask) return;
  const Span span = ProgressSpan(g.Channel.Width(), look.Range);
  Rect r = g.Channel;
  r.Left = g.Channel.Left + span.From, r.Right = g.Channel.Left + span.To;
  if (!IsEmpty(r))
    DrawBordersMask(cache, r, ParentFromBitmap(cache, 0, 0), true, std::min(look.State, 1), *mask);
}

}  // namespace

Span ProgressSpan(int32_t width, const TrackBarRange& range) {
  const int32_t span = range.Max - range.Min;
  const int32_t from = std::max(range.ProgressFrom - range.Min, 0);
  int32_t l = range.Position - range.Min, f = from;
  // An empty range has nothing to divide by: the raw differences are the lengths.
  if (span != 0) {
    l = RoundHalfEven(double(width) * l / span);
    f = RoundHalfEven(double(f) * width / span);
  }
  return {std::min(l, f), std::max(l, f)};
}

TrackBarMasks ResolveTrackBarMasks(const SkinRegistry& skin, int32_t sectionIndex) {
  const TrackBarIndexes& ready = skin.Indexes().TrackBars[1];
  if (sectionIndex == ready.SkinIndex && sectionIndex >= 0)
    return {ready.ChannelMask, ready.SliderMask, ready.TickMask, ready.ProgressMask};
  return {skin.GetMaskIndex(sectionIndex, "SLIDERCHANNEL"),
          skin.GetMaskIndex(sectionIndex, "SLIDERMASK"), skin.GetMaskIndex(sectionIndex, "TICKHORZ"),
          skin.GetMaskIndex(sectionIndex, "PROGHORZ")};
}

void CentreAcross(TrackBarGeometry& g, int32_t clientHeight, int32_t thumbLength) {
  const int32_t channelHeight = g.Channel.Height();
  g.Channel.Top = (clientHeight - channelHeight) / 2;
  g.Channel.Bottom = g.Channel.Top + channelHeight;
  g.Thumb.Top = g.Channel.Top + (channelHeight - thumbLength) / 2;
  g.Thumb.Bottom = g.Thumb.Top + thumbLength;
}

Rect SkinnedChannel(const Rect& channel, int32_t maskFrameHeight) {
  Rect r = channel;
  r.Top += (channel.Height() - maskFrameHeight + 1) / 2;
  r.Bottom = r.Top + maskFrameHeight - 1;
  r.Left += 1, r.Right -= 1;
  return r;
}

std::vector<int32_t> TickPositions(const TrackBarGeometry& g, int32_t tickMaskWidth) {
  std::vector<int32_t> out;
  const int32_t n = g.TickCount;
  if (g.Ticks == TickStyle::tsNone || n <= 0) return out;
  const int32_t s = tickMaskWidth >= 0 ? tickMaskWidth / 2 + 1 : 2;
  const int32_t left = g.Channel.Left + s, right = g.Channel.Right + s;
  const int32_t t = g.Thumb.Width() / 2;
  if (g.Ticks == TickStyle::tsAuto) {
    // One tick has no spacing to divide: it sits where the first would.
    const double spacing =
        n > 1 ? double(g.Channel.Width() - g.Thumb.Width()) / double(n - 1) : 0.0;
    for (int32_t i = 0; i < n; ++i) out.push_back(RoundHalfEven(i * spacing + left + t));
    return out;
  }
  out.push_back(left + t);
  for (size_t i = 0; i + 2 < size_t(n) && i < g.ManualTicks.size(); ++i)
    out.push_back(g.ManualTicks[i]);
  if (n > 1) out.push_back(right - t);
  return out;
}

TickRows TickRowsOf(const TrackBarGeometry& g) {
  const int32_t q = (g.Thumb.Height() - g.Channel.Height()) / 2 + 2;
  TickRows rows;
  if (g.Ticks == TickStyle::tsNone) return rows;
  if (g.Marks != TickMarks::tmTopLeft) rows.Below = g.Channel.Bottom + q;
  if (g.Marks != TickMarks::tmBottomRight) rows.Above = g.Channel.Top - q - kTickLength;
  return rows;
}

void PaintTrackBar(const PixelView& cache, const SkinRegistry& skin, const TrackBarLook& look,
                   const TrackBarGeometry& g, const TacParentBg& parent) {
  PaintTarget target{cache, cache.Bounds(), look.State, parent};
  PaintControlSection(target, &skin, ControlLook{look.SectionIndex}, true);
  if (!skin.IsValidSkinIndex(look.SectionIndex)) return;
  if (const TsMaskData* channel = MaskOf(skin, look.Masks.Channel)) {
    const Rect r = SkinnedChannel(g.Channel, channel->FrameHeight);
    DrawBordersMask(cache, r, ParentFromBitmap(cache, 0, 0), true, std::min(look.State, 1),
                    *channel);
  }
  if (look.ShowProgress) PaintProgress(cache, skin, look, g);
  PaintTicks(cache, skin, look, g);
  PaintThumb(cache, skin, look, g);
  if (look.FocusFrame)
    DrawFocusFrame(cache, {0, 1, cache.Width, cache.Height - 1},
                   FocusFrameColour(skin, look.SectionIndex));
}

}  // namespace velmora::skin
