#pragma once
#include <functional>
#include <string>
#include <vector>

#include "ui/control.h"

namespace velmora::ui {

// A drop-down list. Choosing an item from code runs no handler; the user's choice does.
class ComboBox : public Control {
 public:
  using Control::Control;
  void Load(const ControlDefinition& definition) override;

  const std::vector<std::string>& Items() const { return items_; }
  int ItemIndex() const { return itemIndex_; }
  // An index outside the items selects none (-1).
  void SetItemIndex(int index);
  void UserSelect(int index);

  std::function<void()> OnChange;

 private:
  std::vector<std::string> items_;
  int itemIndex_ = -1;
};

}  // namespace velmora::ui
