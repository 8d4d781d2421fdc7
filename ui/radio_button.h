#pragma once
#include <functional>
#include <vector>

#include "ui/control.h"

namespace velmora::ui {

// A radio button among the radio buttons of its parent. Becoming checked unchecks the others
// silently and clicks this one; unchecking runs no handler.
class RadioButton : public Control {
 public:
  using Control::Control;
  void Load(const ControlDefinition& definition) override;

  bool Checked() const { return checked_; }
  void SetChecked(bool checked);
  void UserClick() { SetChecked(true); }
  // The other radio buttons of the same parent.
  std::vector<RadioButton*> Siblings() const;

  std::function<void()> OnClick;

 private:
  void UncheckSiblings();

  bool checked_ = false;
};

}  // namespace velmora::ui
