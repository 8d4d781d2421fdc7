#pragma once
#include <cstdint>
#include <string>

#include "scene/channels.h"
#include "scene/sample_folders.h"
#include "ui/button.h"
#include "ui/check_box.h"
#include "ui/combo_box.h"
#include "ui/radio_button.h"
#include "ui/static_controls.h"
#include "ui/timer.h"
#include "ui/track_bar.h"

namespace velmora::scene {

// The rain's own controls, and those of the crickets and the occasional sounds that a rain
// holds still while it plays.
struct RainControls {
  ui::CheckBox& chk7;  // the cycle's switch
  ui::CheckBox& chk8;  // with thunder
  ui::TrackBar& trckbr9;
  const ui::ComboBox& cbb3;    // period
  const ui::ComboBox& cbb4;    // duration
  const ui::RadioButton& rb7;  // the one twelve-minute recording
  const ui::RadioButton& rb8;  // a looped rain of a drawn duration
  ui::Button& btn1;
  ui::Timer& tmr3;  // period ticks, 100 s
  ui::Timer& tmr4;  // fade steps of 1 s, duration ticks of 100 s
  ui::Label& lbl2;
  ui::Label& lbl3;
  ui::Label& lbl4;
  ui::TrackBar& trckbr6;
  ui::CheckBox& chk5;
  ui::CheckBox& chk6;
  ui::CheckBox& chk9;
  ui::RadioButton& rb5;
  ui::RadioButton& rb6;
};

// The rain cycle: rain-free periods counted by tmr3, a rain that fades in against the crickets
// over 30 one-second ticks, falls for a recording's length or a drawn duration, and fades out
// again. The button's caption is part of the state.
class RainCycle {
 public:
  RainCycle(const RainControls& controls, Channels& channels, const SampleFolders& folders);

  void chk7Click();
  void cbb3Change();
  void cbb4Change();
  void btn1Click();
  void tmr3Timer();
  void tmr4Timer();
  void trckbr9Change() const;

 private:
  void StopRain() const;
  void StartRain();
  void BeginFadeOut();
  void StepFadeIn();
  void TimedRainTick();
  void StepFadeOut();
  void EndRain();
  void EnableSceneControls() const;
  void SetLevels(std::int32_t rainSteps, std::int32_t cricketsSteps, bool thunderToo);
  void RestoreCricketsVolume() const;

  RainControls controls_;
  Channels& channels_;
  const SampleFolders& folders_;
  std::int32_t RainPeriodMin = 0;
  std::int32_t RainPeriodMax = 0;
  std::int32_t RainPeriodTarget = 0;
  std::int32_t RainPeriodTicks = 0;
  std::int32_t RainDurationMin = 0;
  std::int32_t RainDurationMax = 0;
  std::int32_t RainDurationMs = 0;
  std::int32_t RainElapsedMs = 0;
  std::int32_t FadeInCount = 0;
  std::int32_t FadeOutStep = 0;  // 0: no fade-out under way
  double CricketsLevel = 0;
  double RainLevel = 0;
};

}  // namespace velmora::scene
