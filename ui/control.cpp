#include "ui/control.h"

namespace velmora::ui {

void Control::Load(const ControlDefinition& definition) {
  definition_ = &definition;
  caption_ = definition.caption;
}

void Control::SetCaption(std::string caption) {
  if (caption == caption_) return;
  caption_ = std::move(caption);
  Changed();
}

void Control::SetEnabled(bool enabled) {
  if (enabled == enabled_) return;
  enabled_ = enabled;
  Changed();
}

}  // namespace velmora::ui
