#include "skin/frame/frame_geometry.h"

namespace velmora::skin {

int32_t TopBandHeight(const FrameGeometry& g) {
  return g.Caption > 0 ? g.Height - g.ClientHeight - g.Border : g.Border;
}

FramePoint ClientOffset(const FrameGeometry& g) {
  return {(g.Width - g.ClientWidth) / 2,
          g.Height - g.ClientHeight - (g.HasBorderStyle ? g.Border : 0)};
}

std::array<Rect, 4> NonClientStrips(const FrameGeometry& g) {
  const int32_t top = TopBandHeight(g), b = g.Border;
  return {Rect{0, 0, g.Width, top}, Rect{0, top, b, g.Height},
          Rect{0, g.Height - b, g.Width, g.Height}, Rect{g.Width - b, top, g.Width, g.Height}};
}

}  // namespace velmora::skin
