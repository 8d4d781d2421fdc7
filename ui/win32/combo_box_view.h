#pragma once
#include "ui/combo_box.h"
#include "ui/win32/child_view.h"

namespace velmora::ui {

// A drop-down list without an edit field, owner-drawn with a fixed item height; drawn plainly
// until the skin draws it.
class ComboBoxView : public ChildView {
 public:
  ComboBoxView(ComboBox& list, const ChildPlacement& placement, int itemHeight);
  void Refresh() override;
  void Command(WORD code) override;
  void MeasureItem(MEASUREITEMSTRUCT& item) override;
  void DrawItem(const DRAWITEMSTRUCT& item) override;

 private:
  ComboBox& list_;
  int itemHeight_;
};

}  // namespace velmora::ui
