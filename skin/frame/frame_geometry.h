#pragma once
// Where the frame's parts lie in a window that keeps the platform's own frame metrics.
#include <array>
#include <cstdint>

#include "skin/paint/pixel_view.h"

namespace velmora::skin {

struct FrameGeometry {
  int32_t Width = 0, Height = 0;              // the window
  int32_t ClientWidth = 0, ClientHeight = 0;  // its client area
  int32_t Border = 0;                         // b: the frame width plus the form's BorderWidth
  int32_t Caption = 0;                        // c: the caption height, 0 without a caption
  bool HasBorderStyle = false;
};

struct FramePoint {
  int32_t X = 0, Y = 0;
};

inline int32_t TitleBottom(const FrameGeometry& g) { return g.Border + g.Caption; }
// The top band the non-client paint copies: everything above the client area with a caption.
int32_t TopBandHeight(const FrameGeometry& g);
// Where the client area starts within the window.
FramePoint ClientOffset(const FrameGeometry& g);
// Top band, left, bottom and right strips of the non-client area, in window coordinates.
std::array<Rect, 4> NonClientStrips(const FrameGeometry& g);

}  // namespace velmora::skin
