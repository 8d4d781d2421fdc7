#pragma once
#include "ui/button.h"
#include "ui/check_box.h"
#include "ui/radio_button.h"
#include "ui/win32/child_view.h"

namespace velmora::ui {

// Buttons whose check state the control owns: the platform never toggles them by itself, so a
// click reaches the control once and the control decides what changes.
class CheckBoxView : public ChildView {
 public:
  CheckBoxView(CheckBox& box, const ChildPlacement& placement);
  void Refresh() override;
  void Command(WORD code) override;

 private:
  CheckBox& box_;
};

class RadioButtonView : public ChildView {
 public:
  RadioButtonView(RadioButton& button, const ChildPlacement& placement);
  void Refresh() override;
  void Command(WORD code) override;

 private:
  RadioButton& button_;
};

class ButtonView : public ChildView {
 public:
  ButtonView(Button& button, const ChildPlacement& placement);
  void Command(WORD code) override;

 private:
  Button& button_;
};

}  // namespace velmora::ui
