#include "skin/frame/win32/title_button_overlay.h"

#include <utility>

#include "skin/animation/win32/platform_timer.h"

namespace velmora::skin {

TitleButtonOverlay::TitleButtonOverlay(HWND form) : form_(form), timer_(PlatformTimers()) {
  timer_.SetEnabled(false);
  timer_.SetInterval(kTitleFadeStepMs);
  timer_.SetOnTimer([this] { Step(); });
}

TitleButtonOverlay::~TitleButtonOverlay() = default;

void TitleButtonOverlay::FadeTo(int32_t state, bool animate, Image32 look, POINT at) {
  if (state != 0) {
    if (look.Empty()) return;
    look_ = std::move(look);
    at_ = at;
  } else if (!overlay_) {
    return;
  }
  fade_.Start(state, animate);
  timer_.SetEnabled(false);
  // A fade that has no step left (a press over a shown look) still owes the screen its new look.
  if (state != 0 && overlay_ && fade_.Arrived())
    overlay_->UpdateLayer(PixelRows(std::as_const(look_)), fade_.Alpha(), at_);
  Step();
  if (overlay_) timer_.SetEnabled(true);
}

// Each step pushes the look at the step's alpha; a fade out that reached nothing frees the window.
void TitleButtonOverlay::Step() {
  if (fade_.Arrived()) return WatchPointer();
  fade_.Advance();
  if (fade_.Out()) {
    timer_.SetEnabled(false);
    overlay_.reset();
    return;
  }
  const bool created = !overlay_;
  if (created)
    overlay_ = std::make_unique<LayeredOverlay>(
        (GetWindowLongW(form_, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0);
  overlay_->UpdateLayer(PixelRows(std::as_const(look_)), fade_.Alpha(), at_);
  if (!created) return;
  // Right above the form: whatever covers the form covers its buttons' looks too.
  const HWND above = GetWindow(form_, GW_HWNDPREV);
  if (above != overlay_->Handle()) overlay_->PlaceBelow(above);
}

// Shown in full, the overlay stands between the pointer and the form, which then cannot learn
// from the platform that the pointer left the button: the overlay tells it.
void TitleButtonOverlay::WatchPointer() {
  POINT pointer;
  const RECT button{at_.x, at_.y, at_.x + look_.Width, at_.y + look_.Height};
  if (GetCursorPos(&pointer) && PtInRect(&button, pointer)) return;
  timer_.SetEnabled(false);
  PostMessageW(form_, WM_NCMOUSELEAVE, 0, 0);
}

}  // namespace velmora::skin
