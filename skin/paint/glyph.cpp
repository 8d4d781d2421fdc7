#include "skin/paint/glyph.h"

#include <algorithm>

#include "skin/paint/blend.h"
#include "skin/paint/cell_copy.h"

namespace velmora::skin {
namespace {

// Non-key pixels half over the destination: (source * 128 + destination * 127) >> 8.
void DrawFaded(const PixelView& dest, int32_t x, int32_t y, const SourceView& image,
               const Rect& picture) {
  CopyArea a{x, y, picture.Left, picture.Top, picture.Width(), picture.Height()};
  if (!ClipCopy(a, dest.Width, dest.Height, image.Width, image.Height)) return;
  for (int32_t row = 0; row < a.H; ++row)
    for (int32_t col = 0; col < a.W; ++col) {
      const uint32_t s = image.At(a.Sx + col, a.Sy + row);
      if (s == kKeyColour) continue;
      uint32_t& d = dest.At(a.Dx + col, a.Dy + row);
      auto mix = [&](int c) { return (Channel(s, c) * 128 + Channel(d, c) * 127) >> 8; };
      d = Pack(mix(0), mix(1), mix(2), Channel(d, 3));
    }
}

// Through the mask layer below the pictures; faded glyphs let 100 more of the destination show.
void DrawLayered(const PixelView& dest, int32_t x, int32_t y, const SourceView& image,
                 const Rect& picture, int32_t maskOffset, int kind) {
  CopyArea a{x, y, picture.Left, picture.Top, picture.Width(), picture.Height()};
  if (!ClipCopy(a, dest.Width, dest.Height, image.Width, image.Height)) return;
  if (a.Sy + maskOffset + a.H > image.Height) return;
  for (int32_t row = 0; row < a.H; ++row)
    for (int32_t col = 0; col < a.W; ++col) {
      const uint32_t i = image.At(a.Sx + col, a.Sy + row);
      uint32_t m = image.At(a.Sx + col, a.Sy + maskOffset + row);
      if (i == kKeyColour || Channel(m, 2) == 255) continue;
      const uint32_t red = Channel(m, 2);
      if (kind == kGlyphFaded) {
        auto lift = [&](int c) { return std::min(Channel(m, c) + 100, 255u); };
        m = Pack(lift(0), lift(1), lift(2), 0);
      }
      uint32_t& d = dest.At(a.Dx + col, a.Dy + row);
      const uint32_t alpha = Channel(d, 3) + ((255 - Channel(d, 3)) * (255 - red) >> 8);
      d = (MixThroughMask(d, i, m) & 0x00FFFFFFu) | alpha << 24;
    }
}

}  // namespace

void DrawGlyph(const PixelView& dest, int32_t x, int32_t y, int32_t state,
               const TacParentBg& parent, const TsMaskData& mask, int kind) {
  const Image32* image = MaskImage(mask);
  if (dest.Empty() || !image || image->Empty() || mask.FrameCount <= 0) return;
  const bool own = mask.Image != nullptr;
  if (own && (image->Width < mask.Rect.Right || image->Height < mask.Rect.Bottom)) return;
  if (!own && mask.Owner == nullptr) return;
  const int32_t frame = std::clamp<int32_t>(state, 0, mask.FrameCount - 1);
  const int32_t cutX = std::max(-x, 0), cutY = std::max(-y, 0);
  const int32_t left = mask.Rect.Left + frame * mask.FrameWidth;
  const Rect picture{left + cutX, mask.Rect.Top + cutY, left + mask.FrameWidth,
                     mask.Rect.Top + mask.FrameHeight};
  if (IsEmpty(picture)) return;
  const SourceView source = PixelRows(*image);
  x += cutX, y += cutY;
  if (mask.MaskLayout > 0) {
    DrawLayered(dest, x, y, source, picture, mask.Rect.Height() / 2, kind);
  } else if (own) {
    TacParentBg keepKeys;
    keepKeys.Ready = true;
    KeyCopy(dest, x, y, source, picture, false, keepKeys, kKeyColour);
  } else if (kind == kGlyphFaded) {
    DrawFaded(dest, x, y, source, picture);
  } else {
    KeyCopy(dest, x, y, source, picture, true, parent, kKeyColour);
  }
}

}  // namespace velmora::skin
