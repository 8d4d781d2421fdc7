#include "skin/animation/window_frames.h"

#include <algorithm>
#include <cmath>

namespace velmora::skin {
namespace {

uint8_t ClampAlpha(double alpha) { return uint8_t(std::clamp(std::lround(alpha), 0L, 255L)); }

// The image inset by a share of 1/32 of its size on each side.
Rect Inset(int32_t width, int32_t height, double share) {
  const auto dx = int32_t(std::lround(width / 32.0 * share));
  const auto dy = int32_t(std::lround(height / 32.0 * share));
  return {dx, dy, width - dx, height - dy};
}

}  // namespace

int32_t FrameCount(int32_t timeMs) { return std::max(0, timeMs / kFramePeriodMs); }

AnimFrame ShowFrame(WindowAnimKind kind, int32_t index, int32_t frames, int32_t finalAlpha,
                    int32_t width, int32_t height) {
  AnimFrame f{uint8_t(std::clamp(finalAlpha, 0, 255)), {0, 0, width, height}};
  if (frames <= 0) return f;
  f.Alpha = ClampAlpha(std::min<double>(finalAlpha, double(finalAlpha) / frames * (index + 1)));
  if (kind == WindowAnimKind::Aero) f.Image = Inset(width, height, 1.0 - double(index) / frames);
  if (kind == WindowAnimKind::DropDown) {
    // Each frame closes half of the gap left to the full size.
    const double gap = std::ldexp(1.0, -(index + 1));
    f.Image.Right = width - int32_t(std::lround(width * gap));
    f.Image.Bottom = height - int32_t(std::lround(height * gap));
  }
  return f;
}

AnimFrame HideFrame(WindowAnimKind kind, int32_t tick, int32_t frames, int32_t startAlpha,
                    int32_t width, int32_t height) {
  AnimFrame f{0, {0, 0, width, height}};
  if (frames <= 0) return f;
  f.Alpha = ClampAlpha(startAlpha - double(startAlpha) / frames * tick);
  if (kind == WindowAnimKind::Aero)
    f.Image = Inset(width, height, std::min(1.0, double(tick) / frames));
  return f;
}

AnimFrame SkinChangeFrame(WindowAnimKind kind, int32_t tick, int32_t frames, int32_t width,
                          int32_t height) {
  return HideFrame(kind, tick, frames, 255, width, height);
}

}  // namespace velmora::skin
