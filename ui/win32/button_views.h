#pragma once
#include "ui/button.h"
#include "ui/check_box.h"
#include "ui/radio_button.h"
#include "ui/win32/child_view.h"

namespace velmora::ui {

// A button whose check state its control owns: the platform never toggles it by itself, so a
// click reaches the control once and the control decides what changes.
template <typename Checkable, DWORD Style>
class CheckableView : public ChildView {
 public:
  CheckableView(Checkable& control, const ChildPlacement& placement)
      : ChildView(control, placement, L"BUTTON", Style | WrapStyle(control)), control_(control) {
    Refresh();
  }

  void Refresh() override {
    RefreshCommon();
    SendMessageW(handle_, BM_SETCHECK, control_.Checked() ? BST_CHECKED : BST_UNCHECKED, 0);
  }

  void Command(WORD code) override {
    if (code == BN_CLICKED || (code == BN_SETFOCUS && FocusCameByArrow())) control_.UserClick();
  }

 private:
  // An arrow key moves the focus within a radio group (radio buttons tell their focus); as with
  // the platform's automatic radio buttons, the choice moves with it.
  static bool FocusCameByArrow() {
    for (int key : {VK_LEFT, VK_UP, VK_RIGHT, VK_DOWN})
      if (GetKeyState(key) & 0x8000) return true;
    return false;
  }

  static DWORD WrapStyle(const Control& control) {
    return control.HasDefinition() && control.Definition().wordWrap ? BS_MULTILINE : 0;
  }

  Checkable& control_;
};

using CheckBoxView = CheckableView<CheckBox, BS_CHECKBOX>;
using RadioButtonView = CheckableView<RadioButton, BS_RADIOBUTTON | BS_NOTIFY>;

class ButtonView : public ChildView {
 public:
  ButtonView(Button& button, const ChildPlacement& placement);
  void Command(WORD code) override;

 private:
  Button& button_;
};

}  // namespace velmora::ui
