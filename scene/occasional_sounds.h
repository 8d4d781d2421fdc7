#pragma once
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "audio/bass_api.h"
#include "ui/check_box.h"
#include "ui/combo_box.h"
#include "ui/timer.h"
#include "ui/track_bar.h"

namespace velmora::scene {

// The controls that carry one channel's settings.
struct OccasionalControls {
  const ui::CheckBox& onSwitch;
  const ui::TrackBar& volume;
  const ui::ComboBox& interval;
  ui::Timer& timer;
};

// What one channel plays: a sample name prefix and the draw of its number, which may look at
// other controls.
struct OccasionalSamples {
  std::string prefix;
  std::function<std::int32_t()> drawNumber;
};

// One channel of occasional sounds (extra crickets, or owls and wolves): a randomly chosen
// one-shot, then a wait drawn from the chosen interval, counted in the timer's silent seconds.
// Rain holds the wait.
class OccasionalSounds {
 public:
  OccasionalSounds(const OccasionalControls& controls, OccasionalSamples samples,
                   std::string_view oneShotFolder, HSTREAM& channel, const HSTREAM& rainChannel);

  void SwitchClick();     // the switch changed
  void IntervalChange();  // the interval list changed: a new target, the time waited kept
  void TimerTick();
  void VolumeChange() const;

 private:
  void PlayNext();

  OccasionalControls controls_;
  OccasionalSamples samples_;
  std::string folder_;
  HSTREAM& channel_;
  const HSTREAM& rainChannel_;
  std::int32_t minSec_ = 0;
  std::int32_t maxSec_ = 0;
  std::int32_t targetMs_ = 0;
  std::int32_t elapsedMs_ = 0;
};

}  // namespace velmora::scene
