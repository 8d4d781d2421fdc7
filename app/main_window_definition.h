#pragma once
#include <cstdint>
#include <span>
#include <string_view>

#include "skin/manager/skin_manager_definition.h"
#include "ui/control_definition.h"
#include "ui/form_definition.h"

namespace velmora::app {

const ui::FormDefinition& MainWindowDefinition();
// Every control of the main window, parents before their children.
std::span<const ui::ControlDefinition> MainWindowControls();
// The skin manager "sknmngr1" with its stored skin, whose package bytes the program holds.
skin::SkinManagerDefinition MainWindowSkinManager(std::span<const std::uint8_t> storedSkin);

}  // namespace velmora::app
