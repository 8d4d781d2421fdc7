#include "ui/track_bar.h"

#include <algorithm>

namespace velmora::ui {

void TrackBar::Load(const ControlDefinition& definition) {
  Control::Load(definition);
  SetMin(definition.min);
  SetMax(definition.max);
  SetPosition(definition.value);
}

void TrackBar::SetMin(int min) {
  if (min == min_) return;
  min_ = min;
  max_ = std::max(max_, min_);
  Changed();
  SetPosition(position_);
}

void TrackBar::SetMax(int max) {
  if (max == max_) return;
  max_ = max;
  min_ = std::min(min_, max_);
  Changed();
  SetPosition(position_);
}

void TrackBar::SetPosition(int position) {
  position = std::clamp(position, min_, max_);
  if (position == position_) return;
  position_ = position;
  Changed();
  Fire(OnChange);
}

}  // namespace velmora::ui
