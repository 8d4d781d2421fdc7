#include "ui/win32/button_views.h"

namespace velmora::ui {

ButtonView::ButtonView(Button& button, const ChildPlacement& placement)
    : ChildView(button, placement, L"BUTTON", BS_PUSHBUTTON), button_(button) {}

void ButtonView::Command(WORD code) {
  if (code == BN_CLICKED) button_.Click();
}

}  // namespace velmora::ui
