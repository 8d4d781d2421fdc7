#include "scene/rain_cycle.h"

#include <array>
#include <initializer_list>

#include "scene/channel_calls.h"
#include "scene/layer.h"
#include "scene/random_draw.h"

namespace velmora::scene {
namespace {

constexpr std::int32_t kFadeSteps = 30;
constexpr unsigned kFadeTickMs = 1000;
constexpr unsigned kDurationTickMs = 100000;
constexpr std::int32_t kForeverItem = 4;
constexpr const char* kStartCaption = "Дождя!";
constexpr const char* kStopCaption = "Хватит дождя!";

struct Range {
  std::int32_t min;
  std::int32_t max;  // excluded
};

// Rain-free periods in ticks of 100 s, by item of the period list.
constexpr std::array<Range, 4> kPeriods{{{6, 18}, {18, 36}, {36, 54}, {54, 72}}};
// Steady rain in units of 100 s, by item of the duration list; the last item, "forever", is only
// drawn for the record: a looped rain then lasts until it is stopped.
constexpr std::array<Range, 5> kDurations{{{3, 6}, {6, 9}, {9, 18}, {18, 36}, {40, 40}}};

template <std::size_t N>
void TakeRange(const std::array<Range, N>& table, int item, std::int32_t& min, std::int32_t& max) {
  if (item < 0 || item >= static_cast<int>(N)) return;
  min = table[item].min;
  max = table[item].max;
}

void SetEnabled(std::initializer_list<ui::Control*> controls, bool enabled) {
  for (ui::Control* control : controls) control->SetEnabled(enabled);
}

}  // namespace

RainCycle::RainCycle(const RainControls& controls, Channels& channels, const SampleFolders& folders)
    : controls_(controls), channels_(channels), folders_(folders) {}

void RainCycle::chk7Click() {
  StopRain();
  if (controls_.chk7.Checked()) {
    RainPeriodTicks = 0;
    cbb3Change();
    cbb4Change();
    controls_.tmr3.SetEnabled(true);
    controls_.tmr4.SetEnabled(false);
  } else {
    controls_.tmr3.SetEnabled(false);
    controls_.tmr4.SetEnabled(false);
    // Thunder only means something with the cycle on; unticking it runs this handler again.
    controls_.chk8.SetChecked(false);
  }
  EnableSceneControls();
  RestoreCricketsVolume();
  controls_.btn1.SetCaption(kStartCaption);
}

void RainCycle::cbb3Change() {
  TakeRange(kPeriods, controls_.cbb3.ItemIndex(), RainPeriodMin, RainPeriodMax);
  RainPeriodTarget = DrawInRange(RainPeriodMin, RainPeriodMax);
  controls_.lbl2.SetCaption(std::to_string(RainPeriodTarget));
}

void RainCycle::cbb4Change() {
  TakeRange(kDurations, controls_.cbb4.ItemIndex(), RainDurationMin, RainDurationMax);
  RainDurationMs = DrawInRange(RainDurationMin, RainDurationMax) * 100000;
  controls_.lbl3.SetCaption(std::to_string(RainDurationMs));
}

// Two independent looks at the caption; a countdown matches neither.
void RainCycle::btn1Click() {
  if (controls_.btn1.Caption() == kStartCaption) StartRain();
  if (controls_.btn1.Caption() == kStopCaption) BeginFadeOut();
}

void RainCycle::tmr3Timer() {
  if (IsBusy(channels_.RainChannel)) return;
  ++RainPeriodTicks;
  controls_.lbl4.SetCaption(std::to_string(RainPeriodTicks));
  if (RainPeriodTicks < RainPeriodTarget) return;
  btn1Click();
  RainPeriodTarget = DrawInRange(RainPeriodMin, RainPeriodMax);
  controls_.lbl2.SetCaption(std::to_string(RainPeriodTarget));
  RainPeriodTicks = 0;
}

void RainCycle::tmr4Timer() {
  ++FadeInCount;
  if (FadeInCount <= kFadeSteps) StepFadeIn();
  if (FadeInCount == kFadeSteps + 1) {
    controls_.btn1.SetEnabled(true);
    controls_.btn1.SetCaption(kStopCaption);
  }
  if (controls_.rb8.Checked()) TimedRainTick();
  // A recording that has ended, or a rain that could not be played, starts the fade-out.
  if (!IsBusy(channels_.RainChannel) && FadeOutStep == 0) FadeOutStep = 1;
  if (FadeOutStep > 0) StepFadeOut();
  if (FadeOutStep == kFadeSteps + 1) EndRain();
}

void RainCycle::trckbr9Change() const {
  SetVolume(channels_.RainChannel, VolumeFromPosition(controls_.trckbr9.Position()));
}

void RainCycle::StopRain() const {
  StopAndFree(channels_.RainChannel);
  StopAndFree(channels_.ThunderChannel);
}

void RainCycle::StartRain() {
  StopRain();
  FadeInCount = 0;
  FadeOutStep = 0;
  RainElapsedMs = 0;
  controls_.tmr4.SetInterval(kFadeTickMs);
  controls_.tmr4.SetEnabled(true);
  const auto startSilent = [](HSTREAM& channel, const std::string& path, BASS_DWORD flags) {
    channel = BASS_StreamCreateFile(0, path.c_str(), 0, 0, flags);
    SetVolume(channel, 0);
    BASS_ChannelPlay(channel, 0);
  };
  if (controls_.rb7.Checked()) {
    startSilent(channels_.RainChannel,
                folders_.oneShots + (controls_.chk8.Checked() ? "dogd_gr3" : "dogd2"), 0);
  }
  if (controls_.rb8.Checked()) {
    if (controls_.chk8.Checked()) {
      startSilent(channels_.ThunderChannel, folders_.loops + "dogd_gr", BASS_STREAM_LOOP);
    }
    startSilent(channels_.RainChannel, folders_.loops + "dogd", BASS_STREAM_LOOP);
  }
}

void RainCycle::BeginFadeOut() {
  controls_.tmr4.SetInterval(kFadeTickMs);
  controls_.tmr4.SetEnabled(true);
  controls_.lbl3.SetCaption("interval2");
  FadeOutStep = 1;
}

void RainCycle::StepFadeIn() {
  SetLevels(FadeInCount, kFadeSteps - FadeInCount, true);
  SetEnabled({&controls_.btn1, &controls_.trckbr6, &controls_.chk5, &controls_.chk6,
              &controls_.chk9, &controls_.rb5, &controls_.rb6},
             false);
  controls_.btn1.SetCaption(std::to_string(kFadeSteps - FadeInCount));
}

// A looped rain falls for its drawn duration, counted in ticks of 100 s; "forever" stops the
// timer instead, so only the button or the switch ends it.
void RainCycle::TimedRainTick() {
  if (FadeInCount == kFadeSteps + 1) {
    if (controls_.cbb4.ItemIndex() == kForeverItem) controls_.tmr4.SetEnabled(false);
    controls_.tmr4.SetInterval(kDurationTickMs);
    controls_.lbl2.SetCaption("interval");
  }
  if (FadeInCount > kFadeSteps + 1 && FadeOutStep == 0) {
    RainElapsedMs += static_cast<std::int32_t>(kDurationTickMs);
    controls_.lbl4.SetCaption(std::to_string(RainElapsedMs));
    if (RainDurationMs - RainElapsedMs <= 0) {
      controls_.tmr4.SetInterval(kFadeTickMs);
      controls_.lbl3.SetCaption("interval2");
      FadeOutStep = 1;
    }
  }
}

// The thunder keeps the level the fade-in left it at and stops with the rain.
void RainCycle::StepFadeOut() {
  controls_.lbl4.SetCaption(std::to_string(FadeOutStep));
  SetEnabled({&controls_.btn1, &controls_.trckbr6, &controls_.trckbr9}, false);
  controls_.btn1.SetCaption(std::to_string(kFadeSteps - FadeOutStep));
  SetLevels(kFadeSteps - FadeOutStep, FadeOutStep, false);
  ++FadeOutStep;
}

void RainCycle::EndRain() {
  StopRain();
  RainDurationMs = DrawInRange(RainDurationMin, RainDurationMax) * 100000;
  controls_.lbl3.SetCaption(std::to_string(RainDurationMs));
  RainElapsedMs = 0;
  controls_.tmr4.SetEnabled(false);
  EnableSceneControls();
  controls_.btn1.SetCaption(kStartCaption);
}

void RainCycle::EnableSceneControls() const {
  SetEnabled({&controls_.btn1, &controls_.trckbr6, &controls_.trckbr9, &controls_.chk5,
              &controls_.chk6, &controls_.chk9, &controls_.rb5, &controls_.rb6},
             true);
}

// Fade steps of 1/30 of each slider's volume, in double precision.
void RainCycle::SetLevels(std::int32_t rainSteps, std::int32_t cricketsSteps, bool thunderToo) {
  RainLevel = rainSteps * (controls_.trckbr9.Position() / 20.0 / 30.0);
  CricketsLevel = cricketsSteps * (controls_.trckbr6.Position() / 20.0 / 30.0);
  SetVolume(channels_.RainChannel, RainLevel);
  if (thunderToo) SetVolume(channels_.ThunderChannel, RainLevel);
  SetVolume(channels_.CricketsChannel, CricketsLevel);
}

void RainCycle::RestoreCricketsVolume() const {
  SetVolume(channels_.CricketsChannel, VolumeFromPosition(controls_.trckbr6.Position()));
}

}  // namespace velmora::scene
