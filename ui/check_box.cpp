#include "ui/check_box.h"

namespace velmora::ui {

void CheckBox::Load(const ControlDefinition& definition) {
  Control::Load(definition);
  SetChecked(definition.value == 1);
}

void CheckBox::SetChecked(bool checked) {
  if (checked == checked_) return;
  checked_ = checked;
  Changed();
  Fire(OnClick);
}

}  // namespace velmora::ui
