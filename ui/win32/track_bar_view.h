#pragma once
#include "ui/track_bar.h"
#include "ui/win32/child_view.h"

namespace velmora::ui {

// A horizontal slider with a thumb of the definition's length.
class TrackBarView : public ChildView {
 public:
  TrackBarView(TrackBar& slider, const ChildPlacement& placement, int thumbLength);
  void Refresh() override;
  void Scroll(WORD code) override;

 private:
  TrackBar& slider_;
};

}  // namespace velmora::ui
