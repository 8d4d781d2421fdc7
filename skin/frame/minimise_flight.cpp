#include "skin/frame/minimise_flight.h"

#include <algorithm>
#include <cmath>

#include "skin/animation/window_frames.h"

namespace velmora::skin {
namespace {

int32_t CentreX(const Rect& r) { return (r.Left + r.Right) / 2; }
int32_t CentreY(const Rect& r) { return (r.Top + r.Bottom) / 2; }

void Move(FlightBox& box, const MinimiseFlight& f, double sign) {
  box.Left += sign * (f.Dx + f.Dw);
  box.Right += sign * (f.Dx - f.Dw);
  box.Top += sign * (f.Dy + f.Dh);
  box.Bottom += sign * (f.Dy - f.Dh);
}

}  // namespace

TaskbarEdge EdgeOf(const Rect& taskbar) {
  if (taskbar.Top != 0)
    return taskbar.Left >= -4 && taskbar.Left <= 0 ? TaskbarEdge::Bottom : TaskbarEdge::Right;
  if (taskbar.Left != 0) return TaskbarEdge::Right;
  return taskbar.Width() > taskbar.Height() ? TaskbarEdge::Top : TaskbarEdge::Left;
}

Rect EdgeTarget(const Rect& taskbar, const Rect& window) {
  int32_t x = CentreX(window), y = CentreY(window);
  switch (EdgeOf(taskbar)) {
    case TaskbarEdge::Left: x = taskbar.Right; break;
    case TaskbarEdge::Right: x = taskbar.Left; break;
    case TaskbarEdge::Top: y = taskbar.Bottom; break;
    case TaskbarEdge::Bottom: y = taskbar.Top; break;
  }
  return {x, y, x, y};
}

MinimiseFlight PlanFlight(int32_t timeMs, int32_t formAlpha, const Rect& window,
                          const Rect& target) {
  MinimiseFlight f;
  f.Steps = std::max(1, timeMs / kFramePeriodMs);
  // A longer flight starts faint: the image is a hint of where the window went.
  f.FinalAlpha = timeMs > kFramePeriodMs ? formAlpha >> 2 : formAlpha;
  f.Alpha = f.FinalAlpha;
  f.AlphaStep = f.FinalAlpha / std::max(1, f.Steps - 1);
  f.Window = window;
  f.Current = {double(window.Left), double(window.Top), double(window.Right),
               double(window.Bottom)};
  const double n = f.Steps;
  f.Dx = (CentreX(target) - CentreX(window)) / n;
  f.Dy = (CentreY(target) - CentreY(window)) / n;
  f.Dw = (window.Width() - target.Width()) / (2 * n);
  f.Dh = (window.Height() - target.Height()) / (2 * n);
  return f;
}

bool StepTowardsTarget(MinimiseFlight& f) {
  Move(f.Current, f, 1);
  f.Alpha = std::max(f.Alpha - f.AlphaStep, 0);
  return f.Alpha > 0;
}

bool StepBack(MinimiseFlight& f) {
  Move(f.Current, f, -1);
  f.Alpha = std::min(f.Alpha + f.AlphaStep, 255);
  return f.Alpha < f.FinalAlpha;
}

FlightFrame FrameOf(const MinimiseFlight& f, int32_t workWidth, int32_t workHeight) {
  const FlightBox& b = f.Current;
  const double w = std::max(b.Right - b.Left, 0.0), h = std::max(b.Bottom - b.Top, 0.0);
  FlightFrame frame;
  frame.Width = int32_t(std::lround(w));
  frame.Height = int32_t(std::lround(h));
  frame.X = int32_t(std::lround(w / 2 + b.Left)) - workWidth / 2;
  frame.Y = int32_t(std::lround(h / 2 + b.Top)) - workHeight / 2;
  const int32_t left = (workWidth - frame.Width) / 2, top = (workHeight - frame.Height) / 2;
  frame.ImageRect = {left, top, left + frame.Width, top + frame.Height};
  return frame;
}

}  // namespace velmora::skin
