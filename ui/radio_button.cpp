#include "ui/radio_button.h"

namespace velmora::ui {

void RadioButton::Load(const ControlDefinition& definition) {
  Control::Load(definition);
  SetChecked(definition.value == 1);
}

void RadioButton::SetChecked(bool checked) {
  if (checked == checked_) return;
  checked_ = checked;
  Changed();
  if (!checked) return;
  UncheckSiblings();
  Fire(OnClick);
}

void RadioButton::UncheckSiblings() {
  for (Component* component : Owner().Components()) {
    auto* other = dynamic_cast<RadioButton*>(component);
    if (other && other != this && other->Parent() == Parent() && other->checked_) {
      other->checked_ = false;
      other->Changed();
    }
  }
}

}  // namespace velmora::ui
