#pragma once
#include <functional>

#include "ui/control.h"

namespace velmora::ui {

// A push button. Clicking it from code runs exactly its click handler.
class Button : public Control {
 public:
  using Control::Control;
  void Click() const { Fire(OnClick); }

  std::function<void()> OnClick;
};

}  // namespace velmora::ui
