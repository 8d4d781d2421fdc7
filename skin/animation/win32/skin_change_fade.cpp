#include "skin/animation/win32/skin_change_fade.h"

#include "skin/animation/win32/platform_timer.h"
#include "skin/animation/win32/screen_image.h"
#include "skin/paint/fill.h"
#include "skin/paint/resample.h"

namespace velmora::skin {
namespace {

bool Topmost(HWND window) { return (GetWindowLongW(window, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0; }

}  // namespace

TacSkinFade::TacSkinFade(HWND form, WindowAnimKind kind, int32_t frames)
    : form_(form), kind_(kind), frames_(frames), timer_(PlatformTimers()) {
  timer_.SetEnabled(false);
  timer_.SetInterval(kFramePeriodMs);
  timer_.SetOnTimer([this] { Tick(); });
  RECT r{};
  GetWindowRect(form_, &r);
  image_ = ScreenImage(r);
  if (image_.Empty() || frames_ <= 0) {
    image_ = {};
    return;
  }
  frame_ = MakeImage(image_.Width, image_.Height);
  at_ = {r.left, r.top};
  overlay_ = std::make_unique<LayeredOverlay>(Topmost(form_));
  overlay_->UpdateLayer(PixelRows(image_), 255, at_);
  // Right above the form: whatever covered the form covers its old look too.
  const HWND above = GetWindow(form_, GW_HWNDPREV);
  if (above != overlay_->Handle()) overlay_->PlaceBelow(above);
}

TacSkinFade::~TacSkinFade() = default;

void TacSkinFade::Start() {
  if (started_ || !overlay_) return;
  started_ = true;
  timer_.SetEnabled(true);
}

// The last frame would show nothing: the overlay goes instead.
void TacSkinFade::Tick() {
  if (!overlay_ || ++tick_ >= frames_) return End();
  const AnimFrame f = SkinChangeFrame(kind_, tick_, frames_, image_.Width, image_.Height);
  const PixelView frame = PixelRows(frame_);
  PaintSolid32(frame, frame.Bounds(), 0, 0);
  if (!IsEmpty(f.Image))
    StretchCopy(frame, f.Image, PixelRows(image_), {0, 0, image_.Width, image_.Height});
  overlay_->UpdateLayer(PixelRows(frame_), f.Alpha, at_);
}

void TacSkinFade::End() {
  timer_.SetEnabled(false);
  overlay_.reset();
  image_ = {};
  frame_ = {};
}

}  // namespace velmora::skin
