#pragma once
#include <string_view>

namespace velmora::ui {

// What a form's definition fixes about its window. Sizes are design pixels (120 dpi); texts are
// UTF-8.
struct FormDefinition {
  std::string_view className;
  std::string_view caption;
  int clientWidth = 0;
  int clientHeight = 0;
  std::string_view fontName;
  int fontHeight = 0;  // pixels
  bool dialog = false;  // a dialog's frame: no minimise box
};

}  // namespace velmora::ui
