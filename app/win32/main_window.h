#pragma once
#include "ui/win32/form.h"

namespace velmora::app {

// The program's one window.
class TForm_player : public ui::Form {
 public:
  TForm_player();
};

}  // namespace velmora::app
