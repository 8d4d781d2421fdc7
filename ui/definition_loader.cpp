#include "ui/definition_loader.h"

#include <stdexcept>
#include <string>

#include "ui/control.h"

namespace velmora::ui {
namespace {

Control& FindControl(const ComponentOwner& owner, std::string_view name) {
  auto* control = dynamic_cast<Control*>(owner.FindComponent(name));
  if (!control) throw std::logic_error("the form has no control named " + std::string(name));
  return *control;
}

}  // namespace

void LoadDefinition(ComponentOwner& owner, std::span<const ControlDefinition> definition) {
  owner.SetLoading(true);
  try {
    for (const ControlDefinition& entry : definition) {
      Control& control = FindControl(owner, entry.name);
      control.SetParent(entry.parent.empty() ? nullptr : &FindControl(owner, entry.parent));
      control.Load(entry);
    }
  } catch (...) {
    owner.SetLoading(false);
    throw;
  }
  owner.SetLoading(false);
}

}  // namespace velmora::ui
