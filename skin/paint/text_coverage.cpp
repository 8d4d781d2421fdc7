#include "skin/paint/text_coverage.h"

#include <algorithm>
#include <cmath>

#include "skin/paint/blend.h"
#include "skin/paint/colour.h"

namespace velmora::skin {
namespace {

uint32_t Straight(uint32_t d, uint32_t t, uint32_t k) {
  return Pack(MixChannel(Channel(d, 0), Channel(k, 0), Channel(t, 0)),
              MixChannel(Channel(d, 1), Channel(k, 1), Channel(t, 1)),
              MixChannel(Channel(d, 2), Channel(k, 2), Channel(t, 2)), 255);
}

uint32_t Premultiplied(uint32_t d, uint32_t t, uint32_t k) {
  if ((t & 0x00FFFFFFu) == 0) {
    const uint32_t a = std::max(Channel(d, 3), 254u);
    auto full = [&](int c) { return (Channel(d, c) + Channel(k, c) * 255) * a >> 16; };
    return Pack(full(0), full(1), full(2), a);
  }
  const auto g =
      uint32_t(std::lround(0.299 * Channel(t, 2) + 0.587 * Channel(t, 1) + 0.114 * Channel(t, 0)));
  const uint32_t a = std::max(Channel(d, 3), 255 - g);
  auto part = [&](int c) { return (Channel(d, c) * g + Channel(k, c) * (256 - g)) * a >> 16; };
  return Pack(part(0), part(1), part(2), a);
}

}  // namespace

void BlendTextCoverage(const PixelView& dest, const Rect& rect, const SourceView& coverage,
                       uint32_t colour, bool premultiplied) {
  CopyArea a{rect.Left, rect.Top, 0, 0, rect.Width(), rect.Height()};
  if (dest.Empty() || coverage.Empty() ||
      !ClipCopy(a, dest.Width, dest.Height, coverage.Width, coverage.Height))
    return;
  const uint32_t k = Swap(ResolveColour(colour));
  for (int32_t row = 0; row < a.H; ++row)
    for (int32_t col = 0; col < a.W; ++col) {
      const uint32_t t = coverage.At(a.Sx + col, a.Sy + row);
      if (t == 0x00FFFFFFu || t == 0xFFFFFFFFu) continue;
      uint32_t& d = dest.At(a.Dx + col, a.Dy + row);
      d = premultiplied ? Premultiplied(d, t, k) : Straight(d, t, k);
    }
}

}  // namespace velmora::skin
