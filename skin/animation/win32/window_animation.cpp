#include "skin/animation/win32/window_animation.h"

#include "skin/paint/fill.h"
#include "skin/paint/resample.h"

namespace velmora::skin {
namespace {

// The frame: clear black, with the image stretched into its place.
void DrawFrame(Image32& frame, const Image32& image, const AnimFrame& f) {
  const PixelView target = PixelRows(frame);
  PaintSolid32(target, target.Bounds(), 0, 0);
  if (!IsEmpty(f.Image))
    StretchCopy(target, f.Image, PixelRows(image), {0, 0, image.Width, image.Height});
}

void WaitUntil(ULONGLONG tick) {
  const ULONGLONG now = GetTickCount64();
  if (now < tick) Sleep(DWORD(tick - now));
}

}  // namespace

void AnimateWindowShow(HWND form, const Image32& image, int32_t timeMs, uint8_t finalAlpha,
                       WindowAnimKind kind) {
  if (image.Empty() || IsIconic(form)) return;
  RECT r{};
  GetWindowRect(form, &r);
  const bool topmost = (GetWindowLongW(form, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
  LayeredOverlay overlay(topmost);
  Image32 frame = MakeImage(image.Width, image.Height);
  const int32_t frames = FrameCount(timeMs);
  ULONGLONG started = GetTickCount64();
  for (int32_t i = 0; frames > 0 && i <= frames; ++i) {
    const AnimFrame f = ShowFrame(kind, i, frames, finalAlpha, image.Width, image.Height);
    DrawFrame(frame, image, f);
    WaitUntil(started + kFramePeriodMs);
    started = GetTickCount64();
    overlay.UpdateLayer(PixelRows(frame), f.Alpha, {r.left, r.top});
  }
  overlay.UpdateLayer(PixelRows(image), finalAlpha, {r.left, r.top});
  const LONG_PTR exStyle = GetWindowLongPtrW(form, GWL_EXSTYLE);
  SetWindowLongPtrW(form, GWL_EXSTYLE, exStyle | WS_EX_LAYERED);
  SetLayeredWindowAttributes(form, 0, 0, LWA_ALPHA);
  ShowWindow(form, SW_SHOWNA);
  SetWindowPos(form, overlay.Handle(), 0, 0, 0, 0, SWP_NOACTIVATE | SWP_NOMOVE | SWP_NOSIZE);
  if (finalAlpha < 255) {
    SetLayeredWindowAttributes(form, 0, finalAlpha, LWA_ALPHA);
  } else {
    SetWindowLongPtrW(form, GWL_EXSTYLE, exStyle & ~LONG_PTR(WS_EX_LAYERED));
  }
  RedrawWindow(form, nullptr, nullptr,
               RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
  if (CompositionOn()) Sleep(2 * kFramePeriodMs);
}

TacHideTimer& TacHideTimer::Instance() {
  static TacHideTimer timer;
  return timer;
}

TacHideTimer::TacHideTimer() {
  timer_.SetEnabled(false);
  timer_.SetInterval(kFramePeriodMs);
  timer_.SetOnTimer([this] { Tick(); });
}

void TacHideTimer::AnimateWindowHide(Image32 image, POINT at, int32_t timeMs, WindowAnimKind kind,
                                     uint8_t startAlpha, bool topmost) {
  Finish();
  frames_ = FrameCount(timeMs);
  if (frames_ <= 0 || image.Empty()) return;
  image_ = std::move(image);
  frame_ = MakeImage(image_.Width, image_.Height);
  at_ = at;
  kind_ = kind;
  startAlpha_ = startAlpha;
  tick_ = 0;
  overlay_ = std::make_unique<LayeredOverlay>(topmost);
  overlay_->UpdateLayer(PixelRows(image_), startAlpha_, at_);
  timer_.SetEnabled(true);
}

void TacHideTimer::Tick() {
  if (!overlay_) return Finish();
  if (++tick_ > frames_) return Finish();
  const AnimFrame f = HideFrame(kind_, tick_, frames_, startAlpha_, image_.Width, image_.Height);
  DrawFrame(frame_, image_, f);
  overlay_->UpdateLayer(PixelRows(frame_), f.Alpha, at_);
}

void TacHideTimer::RunToEnd() {
  while (Running()) {
    Sleep(kFramePeriodMs);
    Tick();
  }
}

void TacHideTimer::Finish() {
  timer_.SetEnabled(false);
  overlay_.reset();
  image_ = {};
  frame_ = {};
}

}  // namespace velmora::skin
