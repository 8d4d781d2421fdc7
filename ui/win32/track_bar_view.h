#pragma once
#include <windows.h>
#include <commctrl.h>

#include "ui/track_bar.h"
#include "ui/win32/child_view.h"

namespace velmora::ui {

// A horizontal slider with a thumb of the definition's length; `marks` places its thumb's point
// and ticks (the platform's both-sides style by default).
class TrackBarView : public ChildView {
 public:
  TrackBarView(TrackBar& slider, const ChildPlacement& placement, int thumbLength,
               DWORD marks = TBS_BOTH);
  void Refresh() override;
  void Scroll(WORD code) override;

 private:
  TrackBar& slider_;
};

}  // namespace velmora::ui
