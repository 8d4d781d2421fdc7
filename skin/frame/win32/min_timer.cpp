#include "skin/frame/win32/min_timer.h"

#include "skin/animation/window_frames.h"
#include "skin/frame/win32/platform_animation.h"
#include "skin/paint/colour.h"
#include "skin/paint/fill.h"
#include "skin/paint/resample.h"
#include "ui/win32/handles.h"

namespace velmora::skin {
namespace {

Rect WindowRect(HWND window) {
  RECT r{};
  GetWindowRect(window, &r);
  return {r.left, r.top, r.right, r.bottom};
}

}  // namespace

TacMinTimer::TacMinTimer(HWND form) : form_(form) {
  timer_.SetEnabled(false);
  timer_.SetInterval(kFramePeriodMs);
  timer_.SetOnTimer([this] { Tick(); });
}

TacMinTimer::~TacMinTimer() {
  if (formHidden_ && IsWindow(form_)) GiveFormAlphaBack();
}

bool TacMinTimer::TakeImage(const std::vector<Rect>& cornerKeys) {
  const Rect r = WindowRect(form_);
  if (IsEmpty(r)) return false;
  DibBitmap image = DibBitmap::Make(r.Width(), r.Height());
  if (image.Pixels().Empty()) return false;
  {
    const ui::WindowDc screen(nullptr);
    BitBlt(image.Dc(), 0, 0, r.Width(), r.Height(), screen.Get(), r.Left, r.Top, SRCCOPY);
    GdiFlush();
  }
  StampAlpha(image.Pixels(), image.Pixels().Bounds(), 255, kNoColour);
  for (const Rect& corner : cornerKeys) PaintSolid32(image.Pixels(), corner, 0, 0);
  image_ = std::move(image);
  windowRect_ = r;
  HideForm();
  return true;
}

void TacMinTimer::HideForm() {
  if (formHidden_) return;
  const LONG_PTR exStyle = GetWindowLongPtrW(form_, GWL_EXSTYLE);
  formLayered_ = (exStyle & WS_EX_LAYERED) != 0;
  BYTE alpha = 255;
  DWORD flags = 0;
  formAlpha_ = formLayered_ && GetLayeredWindowAttributes(form_, nullptr, &alpha, &flags) &&
                       (flags & LWA_ALPHA)
                   ? alpha
                   : 255;
  SetWindowLongPtrW(form_, GWL_EXSTYLE, exStyle | WS_EX_LAYERED);
  SetLayeredWindowAttributes(form_, 0, 0, LWA_ALPHA);
  formHidden_ = true;
}

void TacMinTimer::GiveFormAlphaBack() {
  formHidden_ = false;
  if (formLayered_) {
    SetLayeredWindowAttributes(form_, 0, formAlpha_, LWA_ALPHA);
    return;
  }
  SetWindowLongPtrW(form_, GWL_EXSTYLE,
                    GetWindowLongPtrW(form_, GWL_EXSTYLE) & ~LONG_PTR(WS_EX_LAYERED));
}

void TacMinTimer::StartMinimise(int32_t timeMs, const Rect& target) {
  restoring_ = minimised_ = false;
  flight_ = PlanFlight(timeMs, formAlpha_, windowRect_, target);
  const Rect& w = flight_.Window;
  work_ = MakeImage(w.Width(), w.Height());
  overlay_ = std::make_unique<LayeredOverlay>(true);
  Tick();
  if (!minimised_) timer_.SetEnabled(true);
}

bool TacMinTimer::StartRestore() {
  if (restoring_ || image_.Pixels().Empty() || work_.Empty()) return false;
  restoring_ = true;
  HideForm();
  if (!overlay_) overlay_ = std::make_unique<LayeredOverlay>(true);
  timer_.SetEnabled(true);
  return true;
}

void TacMinTimer::Tick() {
  if (!overlay_ || !IsWindow(overlay_->Handle())) return Stop();
  if (restoring_) {
    if (StepBack(flight_)) ShowStep();
    else EndRestore();
  } else {
    if (StepTowardsTarget(flight_)) ShowStep();
    else EndMinimise();
  }
}

void TacMinTimer::ShowStep() {
  const PixelView work = PixelRows(work_);
  PaintSolid32(work, work.Bounds(), 0, 0);
  const FlightFrame frame = FrameOf(flight_, work.Width, work.Height);
  if (!IsEmpty(frame.ImageRect))
    StretchCopy(work, frame.ImageRect, image_.Pixels(), image_.Pixels().Bounds());
  overlay_->UpdateLayer(PixelRows(work_), uint8_t(flight_.Alpha), {frame.X, frame.Y});
  if (const HWND taskbar = FindWindowW(L"Shell_TrayWnd", nullptr)) overlay_->PlaceBelow(taskbar);
}

void TacMinTimer::Stop() {
  timer_.SetEnabled(false);
  overlay_.reset();
}

void TacMinTimer::EndMinimise() {
  Stop();
  GiveFormAlphaBack();
  minimised_ = true;
  if (OnMinimised) OnMinimised();
}

void TacMinTimer::EndRestore() {
  timer_.SetEnabled(false);
  const Rect& w = flight_.Window;
  overlay_->UpdateLayer(image_.Pixels(), formAlpha_, {w.Left, w.Top});
  if (!IsWindowVisible(form_)) {
    const PlatformAnimationPause pause;
    ShowWindow(form_, IsZoomed(form_) ? SW_SHOWMAXIMIZED : SW_SHOWNOACTIVATE);
  }
  GiveFormAlphaBack();
  restoring_ = minimised_ = false;
  RedrawWindow(form_, nullptr, nullptr,
               RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
  Stop();
  if (OnRestored) OnRestored();
}

}  // namespace velmora::skin
