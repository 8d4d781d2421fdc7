#pragma once
// The flight of a minimised form's image towards the taskbar and back: where the image is and how
// opaque at each 12 ms step. Pure arithmetic; the platform layer draws and places the overlay.
#include <cstdint>

#include "skin/paint/pixel_view.h"

namespace velmora::skin {

enum class TaskbarEdge { Left, Top, Right, Bottom };

// The taskbar's inner edge, judged from where its rectangle lies on the screen.
TaskbarEdge EdgeOf(const Rect& taskbar);
// The empty rectangle at the point of the taskbar's inner edge nearest the window's centre.
Rect EdgeTarget(const Rect& taskbar, const Rect& window);

// Left, top, right, bottom kept as real numbers, so that small steps add up.
struct FlightBox {
  double Left = 0, Top = 0, Right = 0, Bottom = 0;
};

struct MinimiseFlight {
  int32_t Steps = 1;  // n
  int32_t FinalAlpha = 255;
  int32_t Alpha = 255;  // the overlay's constant alpha now
  int32_t AlphaStep = 255;
  Rect Window;  // where the form was at setup
  FlightBox Current;
  double Dx = 0, Dy = 0, Dw = 0, Dh = 0;  // centre and half-size change per step
};

// A run of `timeMs` from the window to the target for a form of the given alpha.
MinimiseFlight PlanFlight(int32_t timeMs, int32_t formAlpha, const Rect& window,
                          const Rect& target);
// One step towards the target; false when the image has faded out and the run is over.
bool StepTowardsTarget(MinimiseFlight& flight);
// One step back towards the window; false when the alpha has reached (or passed) its end.
bool StepBack(MinimiseFlight& flight);

// Where a step shows the image: stretched to Width x Height and centred in a work image of the
// window's size, whose top-left lands on the screen at (X, Y).
struct FlightFrame {
  int32_t Width = 0, Height = 0;
  int32_t X = 0, Y = 0;
  Rect ImageRect;  // inside the work image
};
FlightFrame FrameOf(const MinimiseFlight& flight, int32_t workWidth, int32_t workHeight);

}  // namespace velmora::skin
