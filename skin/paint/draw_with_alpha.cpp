#include "skin/paint/draw_with_alpha.h"

#include <algorithm>

#include "skin/paint/blend.h"

namespace velmora::skin {
namespace {

// blend(d, x, w) = ((x - d) * w + d * 256) >> 8 on the three colour channels; d's alpha kept.
uint32_t Blend(uint32_t d, uint32_t x, uint32_t w) {
  return WeighRgb(x, w, d, 256 - w) | (d & 0xFF000000u);
}

bool Visible(uint32_t s) { return s != kKeyColour && Channel(s, 3) > 16; }

// The tint lifted to full value, as a pixel-ordered colour.
uint32_t LiftTint(uint32_t tint) {
  const uint32_t p = Swap(tint);
  const uint32_t lift = 255 - std::max({Channel(p, 0), Channel(p, 1), Channel(p, 2)});
  return Pack(Channel(p, 0) + lift, Channel(p, 1) + lift, Channel(p, 2) + lift, 0);
}

// The tinted colour of a source pixel: the lifted tint scaled by the pixel's grey.
uint32_t TintTarget(uint32_t s, uint32_t lifted) {
  const uint32_t gray = Channel(s, 2) / 4 + Channel(s, 1) / 2 + Channel(s, 0) / 4;
  return Pack(Channel(lifted, 0) * gray / 256, Channel(lifted, 1) * gray / 256,
              Channel(lifted, 2) * gray / 256, Channel(s, 3));
}

struct Drawing {
  const AlphaDrawing& how;
  const TacParentBg& parent;
  uint32_t n = 100;  // opacity percent
  uint32_t lifted = 0;

  // One pixel; the template flags are the drawing's constants, hoisted out of the row loops.
  template <bool Tinted, bool Transparent>
  void Pixel(uint32_t& d, uint32_t s, int32_t x, int32_t y) const {
    if (parent.Ready && !Visible(s)) {
      uint32_t behind;
      if (how.FillFromParent && parent.PixelAt(x, y, behind)) d = behind;
      return;
    }
    const uint32_t sa = Channel(s, 3);
    const uint32_t w = Transparent ? n * sa / 100 : sa;
    const uint32_t blended = Blend(d, Tinted ? TintTarget(s, lifted) : s, w);
    uint32_t alpha = Channel(d, 3);
    if (!Transparent) {
      if (!Tinted)
        alpha = std::max(alpha, sa);
      else if (!parent.Ready)
        alpha = alpha + ((255 - alpha) * sa >> 8);
    }
    d = (blended & 0x00FFFFFFu) | alpha << 24;
  }

  template <bool Tinted, bool Transparent>
  void Rows(const PixelView& dest, const SourceView& source, const CopyArea& a) const {
    for (int32_t y = 0; y < a.H; ++y) {
      uint32_t* d = dest.Row(a.Dy + y) + a.Dx;
      const uint32_t* s = source.Row(a.Sy + y) + a.Sx;
      for (int32_t x = 0; x < a.W; ++x)
        Pixel<Tinted, Transparent>(d[x], s[x], a.Dx + x, a.Dy + y);
    }
  }

  void Draw(const PixelView& dest, const SourceView& source, const CopyArea& a) const {
    const bool tinted = how.Tint != kNoColour, transparent = how.Transparency > 0;
    if (tinted)
      transparent ? Rows<true, true>(dest, source, a) : Rows<true, false>(dest, source, a);
    else
      transparent ? Rows<false, true>(dest, source, a) : Rows<false, false>(dest, source, a);
  }
};

void DrawReflection(const PixelView& dest, const SourceView& source, const CopyArea& a,
                    const Drawing& drawing) {
  const int32_t destBottom = a.Dy + a.H, sourceBottom = a.Sy + a.H;
  const int32_t n = std::min(a.H / 2 - 1, dest.Height - destBottom - 1);
  const bool tinted = drawing.how.Tint != kNoColour;
  uint32_t f = 255;
  const uint32_t fadeStep = 255 / uint32_t(source.Height);
  for (int32_t k = 1; k <= n; ++k) {
    uint32_t* d = dest.Row(destBottom + k) + a.Dx;
    const uint32_t* s = source.Row(sourceBottom - 1 - k) + a.Sx;
    for (int32_t x = 0; x < a.W; ++x) {
      if (!Visible(s[x])) continue;
      const uint32_t fade = Channel(s[x], 3) * uint32_t(n - k) / uint32_t(n);
      uint32_t w = tinted ? fade / 4 : fade * f / 512;
      if (drawing.how.Transparency > 0) w = w * drawing.n / 100;
      d[x] = Blend(d[x], tinted ? TintTarget(s[x], drawing.lifted) : s[x], w);
    }
    f = f >= fadeStep ? f - fadeStep : 0;
  }
}

}  // namespace

void DrawWithAlpha(const PixelView& dest, const Rect& destRect, const SourceView& source,
                   const Rect& sourceRect, const AlphaDrawing& how, const TacParentBg& parent) {
  if (dest.Empty() || source.Empty()) return;
  CopyArea a{destRect.Left, destRect.Top, sourceRect.Left, sourceRect.Top,
             std::min(destRect.Width(), sourceRect.Width()),
             std::min(destRect.Height(), sourceRect.Height())};
  if (!ClipCopy(a, dest.Width, dest.Height, source.Width, source.Height)) return;
  Drawing drawing{how, parent};
  drawing.n = uint32_t(std::clamp(100 - how.Transparency, 0, 100));
  if (how.Tint != kNoColour) drawing.lifted = LiftTint(how.Tint);
  drawing.Draw(dest, source, a);
  if (how.Reflect) DrawReflection(dest, source, a, drawing);
}

}  // namespace velmora::skin
