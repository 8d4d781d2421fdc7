#pragma once
#include <functional>

#include "ui/control.h"

namespace velmora::ui {

// A slider. Its position always lies inside its range; a change of position from code or from
// the user runs the change handler, only when the position really changes.
class TrackBar : public Control {
 public:
  using Control::Control;
  void Load(const ControlDefinition& definition) override;

  int Min() const { return min_; }
  int Max() const { return max_; }
  int Position() const { return position_; }
  // A minimum above the maximum takes the maximum along, and the other way round.
  void SetMin(int min);
  void SetMax(int max);
  void SetPosition(int position);

  std::function<void()> OnChange;

 private:
  int min_ = 0;
  int max_ = 10;
  int position_ = 0;
};

}  // namespace velmora::ui
