#pragma once
// The program's own skinned controls. For now each is its standard control; painting from the
// skin replaces what these draw, not how they behave.
#include "skin/controls/win32/button.h"
#include "skin/controls/win32/image.h"
#include "skin/controls/win32/track_bar.h"
#include "ui/win32/button_views.h"
#include "ui/win32/static_views.h"

namespace velmora::skin {

class TsRadioButton : public ui::RadioButtonView {
 public:
  using ui::RadioButtonView::CheckableView;
};

class TsPanel : public ui::PanelView {
 public:
  using PanelView::PanelView;
};

}  // namespace velmora::skin
