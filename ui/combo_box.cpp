#include "ui/combo_box.h"

namespace velmora::ui {

void ComboBox::Load(const ControlDefinition& definition) {
  Control::Load(definition);
  items_.assign(definition.items.begin(), definition.items.end());
  SetItemIndex(definition.value);
}

void ComboBox::SetItemIndex(int index) {
  if (index < 0 || index >= static_cast<int>(items_.size())) index = -1;
  if (index == itemIndex_) return;
  itemIndex_ = index;
  Changed();
}

void ComboBox::UserSelect(int index) {
  SetItemIndex(index);
  Fire(OnChange);
}

}  // namespace velmora::ui
