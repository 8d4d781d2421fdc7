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

std::vector<RadioButton*> RadioButton::Siblings() const {
  std::vector<RadioButton*> siblings;
  for (Component* component : Owner().Components()) {
    auto* other = dynamic_cast<RadioButton*>(component);
    if (other && other != this && other->Parent() == Parent()) siblings.push_back(other);
  }
  return siblings;
}

void RadioButton::UncheckSiblings() {
  for (RadioButton* other : Siblings()) {
    if (!other->checked_) continue;
    other->checked_ = false;
    other->Changed();
  }
}

}  // namespace velmora::ui
