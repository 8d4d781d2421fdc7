#pragma once
#include <span>
#include <string_view>

#include "ui/control_definition.h"
#include "ui/form_definition.h"

namespace velmora::app {

const ui::FormDefinition& MainWindowDefinition();
// Every control of the main window, parents before their children.
std::span<const ui::ControlDefinition> MainWindowControls();

}  // namespace velmora::app
