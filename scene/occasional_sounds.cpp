#include "scene/occasional_sounds.h"

#include <array>

#include "scene/channel_calls.h"
#include "scene/layer.h"
#include "scene/random_draw.h"

namespace velmora::scene {
namespace {

struct IntervalSeconds {
  std::int32_t min;
  std::int32_t max;  // excluded
};

// The interval lists' items, in order.
constexpr std::array<IntervalSeconds, 5> kIntervals{
    {{2, 7}, {10, 20}, {20, 70}, {70, 140}, {200, 300}}};

}  // namespace

OccasionalSounds::OccasionalSounds(const OccasionalControls& controls, OccasionalSamples samples,
                                   std::string_view oneShotFolder, HSTREAM& channel,
                                   const HSTREAM& rainChannel)
    : controls_(controls),
      samples_(std::move(samples)),
      folder_(oneShotFolder),
      channel_(channel),
      rainChannel_(rainChannel) {}

void OccasionalSounds::SwitchClick() {
  if (!controls_.onSwitch.Checked()) {
    StopAndFree(channel_);
    controls_.timer.SetEnabled(false);
    return;
  }
  elapsedMs_ = 0;
  IntervalChange();
  controls_.timer.SetEnabled(true);
}

void OccasionalSounds::IntervalChange() {
  const int item = controls_.interval.ItemIndex();
  if (item >= 0 && item < static_cast<int>(kIntervals.size())) {
    minSec_ = kIntervals[item].min;
    maxSec_ = kIntervals[item].max;
  }
  targetMs_ = DrawInRange(minSec_, maxSec_) * 1000;
}

// The wait advances only on silent ticks, so it is the silence between two sounds.
void OccasionalSounds::TimerTick() {
  if (IsBusy(channel_) || IsBusy(rainChannel_)) return;
  elapsedMs_ += 1000;
  if (elapsedMs_ < targetMs_) return;
  PlayNext();
  targetMs_ = DrawInRange(minSec_, maxSec_) * 1000;
  elapsedMs_ = 0;
}

void OccasionalSounds::PlayNext() {
  StopAndFree(channel_);
  const std::string path = folder_ + samples_.prefix + std::to_string(samples_.drawNumber());
  channel_ = BASS_StreamCreateFile(0, path.c_str(), 0, 0, 0);
  VolumeChange();
  BASS_ChannelPlay(channel_, 0);
}

void OccasionalSounds::VolumeChange() const {
  SetVolume(channel_, VolumeFromPosition(controls_.volume.Position()));
}

}  // namespace velmora::scene
