#include "ui/component.h"

namespace velmora::ui {

Component* ComponentOwner::FindComponent(std::string_view name) const {
  for (Component* component : components_) {
    if (component->Name() == name) return component;
  }
  return nullptr;
}

Component::Component(ComponentOwner& owner, std::string name)
    : owner_(owner), name_(std::move(name)) {
  owner_.components_.push_back(this);
}

}  // namespace velmora::ui
