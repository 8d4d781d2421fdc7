#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "app/form_platform.h"
#include "scene/channels.h"
#include "scene/layer.h"
#include "scene/occasional_sounds.h"
#include "scene/rain_cycle.h"
#include "scene/random_draw.h"
#include "scene/sample_folders.h"
#include "skin/manager/skin_manager.h"
#include "ui/button.h"
#include "ui/check_box.h"
#include "ui/combo_box.h"
#include "ui/component.h"
#include "ui/radio_button.h"
#include "ui/static_controls.h"
#include "ui/timer.h"
#include "ui/track_bar.h"

namespace velmora::app {

// The main window's logic: its controls, which carry every setting of the scene, and the event
// handlers that drive the audio engine from them. The desktop window that shows these controls
// is built from the same definition (app/win32/main_window.h).
class TForm_player : public ui::ComponentOwner {
 public:
  TForm_player(FormPlatform& platform, std::string_view executableFolder);

  // Start-up, after the definition is read and before the window shows.
  void FormCreate();
  // Every close request; a close is always allowed.
  bool FormCloseQuery();

  // The notification-area icon's left click: the sound switch flips.
  void TrayIcon1Click();

  // Background and headers.
  ui::Image img1{*this, "img1"};
  ui::Label Label3{*this, "Label3"}, Label4{*this, "Label4"}, lbl1{*this, "lbl1"};
  // Layers: switches, variants, sliders.
  ui::CheckBox chk1{*this, "chk1"}, chk2{*this, "chk2"}, chk3{*this, "chk3"}, chk4{*this, "chk4"},
      chk5{*this, "chk5"}, chk11{*this, "chk11"};
  ui::Panel pnl1{*this, "pnl1"}, pnl2{*this, "pnl2"}, pnl3{*this, "pnl3"}, Panel1{*this, "Panel1"},
      spnl1{*this, "spnl1"};
  ui::RadioButton rb1{*this, "rb1"}, rb2{*this, "rb2"}, rb3{*this, "rb3"}, rb4{*this, "rb4"},
      rb5{*this, "rb5"}, rb6{*this, "rb6"}, rb9{*this, "rb9"}, rb10{*this, "rb10"},
      RadioButton1{*this, "RadioButton1"}, RadioButton2{*this, "RadioButton2"};
  ui::TrackBar TrackBar1{*this, "TrackBar1"}, TrackBar2{*this, "TrackBar2"},
      trckbr1{*this, "trckbr1"}, trckbr2{*this, "trckbr2"}, trckbr3{*this, "trckbr3"},
      trckbr4{*this, "trckbr4"}, trckbr5{*this, "trckbr5"}, trckbr6{*this, "trckbr6"},
      trckbr8{*this, "trckbr8"}, strckbr1{*this, "strckbr1"};
  ui::ComboBox cbb5{*this, "cbb5"};
  // Occasional sounds.
  ui::CheckBox chk9{*this, "chk9"}, chk6{*this, "chk6"};
  ui::TrackBar trckbr10{*this, "trckbr10"}, trckbr7{*this, "trckbr7"};
  ui::ComboBox cbb1{*this, "cbb1"}, cbb2{*this, "cbb2"};
  // Rain.
  ui::CheckBox chk7{*this, "chk7"}, chk8{*this, "chk8"};
  ui::TrackBar trckbr9{*this, "trckbr9"};
  ui::ComboBox cbb3{*this, "cbb3"}, cbb4{*this, "cbb4"};
  ui::Button btn1{*this, "btn1"};
  ui::Panel pnl4{*this, "pnl4"};
  ui::RadioButton rb7{*this, "rb7"}, rb8{*this, "rb8"};
  // Master volume and settings.
  ui::Label Label1{*this, "Label1"};
  ui::TrackBar strckbr11{*this, "strckbr11"};
  ui::CheckBox chk10{*this, "chk10"};
  ui::Button btn4{*this, "btn4"}, btn2{*this, "btn2"}, btn3{*this, "btn3"};
  ui::Memo mmo1{*this, "mmo1"}, mmo2{*this, "mmo2"};
  ui::Label lbl2{*this, "lbl2"}, lbl3{*this, "lbl3"}, lbl4{*this, "lbl4"};
  // The skin manager reads its own definition once the form's windows exist.
  skin::TsSkinManager sknmngr1;
  // Timers.
  ui::Timer Timer1{*this, "Timer1", 1000}, tmr2{*this, "tmr2", 1000},
      tmr3{*this, "tmr3", 100000}, tmr4{*this, "tmr4", 1000};

  // Empty until the last load of the settings succeeded.
  std::string SettingsError;

 private:
  void ConnectHandlers();
  void ConnectSceneEventHandlers();
  void SetSliderRanges();
  void CheckAndOpenEngine();
  void FailStart(std::string_view message);

  // Layer switches.
  void chk1Click();
  void chk2Click();
  void chk3Click();
  void chk5Click();
  void chk4Click();
  void chk11Click();
  // Occasional sounds and the rain cycle (form_player_scene_events.cpp).
  void chk9Click();
  void chk6Click();
  void chk7Click();

  // Settings file, defaults and master volume (form_player_settings.cpp).
  void btn2Click();
  void btn3Click();
  void btn4Click();
  void strckbr11Change();
  void chk10Click();
  void ApplyStoredValue(std::size_t line, std::int32_t value);
  std::int32_t StoredValue(std::size_t line) const;

  FormPlatform& platform_;
  scene::SampleFolders folders_;
  scene::Channels channels_;
  scene::Layer stream_{channels_.StreamChannel, scene::LayerStream::Tempo};
  scene::Layer campfire_{channels_.CampfireChannel, scene::LayerStream::Tempo};
  scene::Layer wind_{channels_.WindChannel, scene::LayerStream::Looping};
  scene::Layer crickets_{channels_.CricketsChannel, scene::LayerStream::Looping};
  scene::Layer swamp_{channels_.SwampChannel, scene::LayerStream::Looping};
  scene::Layer drum_{channels_.DrumChannel, scene::LayerStream::Looping};
  scene::OccasionalSounds extraCrickets_{
      {chk9, trckbr10, cbb1, Timer1},
      {"sverch", [this] { return ExtraCricketNumber(); }},
      folders_.oneShots, channels_.ExtraCricketsChannel, channels_.RainChannel};
  scene::OccasionalSounds owls_{{chk6, trckbr7, cbb2, tmr2},
                                {"ptic", [] { return scene::DrawInRange(1, 11); }},
                                folders_.oneShots, channels_.OwlsChannel, channels_.RainChannel};
  scene::RainCycle rain_{{chk7, chk8, trckbr9, cbb3, cbb4, rb7, rb8, btn1, tmr3, tmr4, lbl2, lbl3,
                          lbl4, trckbr6, chk5, chk6, chk9, rb5, rb6},
                         channels_, folders_};

  // sverch10 and sverch11 have frogs in them: only with the swamp on.
  std::int32_t ExtraCricketNumber() const;
};

}  // namespace velmora::app
