#pragma once
#include <string>
#include <vector>

#include "ui/control.h"

namespace velmora::ui {

// Controls that hold no value of their own: what they show is their definition and caption.
class Label : public Control {
 public:
  using Control::Control;
};

class Panel : public Control {
 public:
  using Control::Control;
};

class Image : public Control {
 public:
  using Control::Control;
};

// A multi-line text box; its lines are a plain list that code fills and reads.
class Memo : public Control {
 public:
  using Control::Control;
  std::vector<std::string> Lines;
};

}  // namespace velmora::ui
