#pragma once
#include <functional>

#include "ui/control.h"

namespace velmora::ui {

// A check box; setting its state from code clicks it exactly as the user does, but only when
// the state really changes.
class CheckBox : public Control {
 public:
  using Control::Control;
  void Load(const ControlDefinition& definition) override;

  bool Checked() const { return checked_; }
  void SetChecked(bool checked);
  // The user's click: the state flips.
  void UserClick() { SetChecked(!checked_); }

  std::function<void()> OnClick;

 private:
  bool checked_ = false;
};

}  // namespace velmora::ui
