#include "ui/win32/track_bar_view.h"

#include <commctrl.h>

namespace velmora::ui {

TrackBarView::TrackBarView(TrackBar& slider, const ChildPlacement& placement, int thumbLength,
                           DWORD marks)
    : ChildView(slider, placement, TRACKBAR_CLASSW, TBS_HORZ | marks | TBS_FIXEDLENGTH),
      slider_(slider) {
  SendMessageW(handle_, TBM_SETTHUMBLENGTH, static_cast<WPARAM>(thumbLength), 0);
  Refresh();
}

void TrackBarView::Refresh() {
  EnableWindow(handle_, slider_.Enabled());
  SendMessageW(handle_, TBM_SETRANGEMIN, FALSE, slider_.Min());
  SendMessageW(handle_, TBM_SETRANGEMAX, FALSE, slider_.Max());
  SendMessageW(handle_, TBM_SETPOS, TRUE, slider_.Position());
}

void TrackBarView::Scroll(WORD) {
  slider_.SetPosition(static_cast<int>(SendMessageW(handle_, TBM_GETPOS, 0, 0)));
}

}  // namespace velmora::ui
