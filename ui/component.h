#pragma once
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace velmora::ui {

class Component;

// The form side of ownership: it knows its components by name, and while its definition is read
// no event handler runs, so design values land silently.
class ComponentOwner {
 public:
  ComponentOwner() = default;
  ComponentOwner(const ComponentOwner&) = delete;
  ComponentOwner& operator=(const ComponentOwner&) = delete;

  Component* FindComponent(std::string_view name) const;
  const std::vector<Component*>& Components() const { return components_; }
  bool Loading() const { return loading_; }
  void SetLoading(bool loading) { loading_ = loading; }

 private:
  friend class Component;
  std::vector<Component*> components_;
  bool loading_ = false;
};

// A named part of a form: a control or a non-visual component such as a timer.
class Component {
 public:
  Component(ComponentOwner& owner, std::string name);
  Component(const Component&) = delete;
  Component& operator=(const Component&) = delete;
  virtual ~Component() = default;

  const std::string& Name() const { return name_; }
  ComponentOwner& Owner() const { return owner_; }

 protected:
  // Runs an event handler as the framework does: not while the owner reads its definition.
  void Fire(const std::function<void()>& handler) const {
    if (handler && !owner_.Loading()) handler();
  }

 private:
  ComponentOwner& owner_;
  std::string name_;
};

}  // namespace velmora::ui
