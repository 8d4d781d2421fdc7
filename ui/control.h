#pragma once
#include <string>

#include "ui/component.h"
#include "ui/control_definition.h"

namespace velmora::ui {

// The platform's side of a control: told whenever the control's state changed, it reads the
// state and shows it. Kept apart so that control logic is the same natively and on the desktop.
class ControlView {
 public:
  virtual void Refresh() = 0;

 protected:
  ~ControlView() = default;
};

// A visual control: its definition (kind, place, design values), its caption and whether it is
// enabled. The platform view is attached once the window exists.
class Control : public Component {
 public:
  using Component::Component;

  const ControlDefinition& Definition() const { return *definition_; }
  bool HasDefinition() const { return definition_ != nullptr; }
  // The framework's class name of the control's kind; empty before the definition is read.
  std::string_view ClassName() const {
    return definition_ ? FrameworkClassName(definition_->kind) : std::string_view();
  }
  // Called while the owner's definition is read; sets the design caption and value.
  virtual void Load(const ControlDefinition& definition);

  Control* Parent() const { return parent_; }
  void SetParent(Control* parent) { parent_ = parent; }

  const std::string& Caption() const { return caption_; }
  void SetCaption(std::string caption);
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool enabled);

  void AttachView(ControlView* view) { view_ = view; }

 protected:
  void Changed() const {
    if (view_) view_->Refresh();
  }

 private:
  const ControlDefinition* definition_ = nullptr;
  Control* parent_ = nullptr;
  ControlView* view_ = nullptr;
  std::string caption_;
  bool enabled_ = true;
};

}  // namespace velmora::ui
