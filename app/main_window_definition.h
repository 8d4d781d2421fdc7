#pragma once
#include <span>
#include <string_view>

#include "ui/control_definition.h"

namespace velmora::app {

// The main window itself, at the design resolution.
struct WindowDefinition {
  std::string_view className;
  std::string_view caption;
  int clientWidth;
  int clientHeight;
  std::string_view fontName;
  int fontHeight;  // pixels
  int designDpi;
};

const WindowDefinition& MainWindowDefinition();
// Every control of the main window, parents before their children.
std::span<const ui::ControlDefinition> MainWindowControls();

}  // namespace velmora::app
