#pragma once
#include <span>

#include "ui/component.h"
#include "ui/control_definition.h"

namespace velmora::ui {

// Reads a form's definition into its controls: each entry's control gets its parent, caption and
// design value, with the owner's handlers held back. A name the owner lacks is a programming
// error and throws std::logic_error.
void LoadDefinition(ComponentOwner& owner, std::span<const ControlDefinition> definition);

}  // namespace velmora::ui
