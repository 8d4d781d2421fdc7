#include "app/form_player.h"

#include <array>

#include "app/main_window_definition.h"
#include "audio/bass_api.h"
#include "ui/definition_loader.h"

namespace velmora::app {
namespace {

constexpr BASS_DWORD kEngineRelease = 0x0204;

// The checked variant's file; empty when neither is checked, so the layer replays its last file.
std::string_view ChosenFile(const ui::RadioButton& first, std::string_view firstFile,
                            const ui::RadioButton& second, std::string_view secondFile) {
  std::string_view file;
  if (first.Checked()) file = firstFile;
  if (second.Checked()) file = secondFile;
  return file;
}

std::string_view DrumFile(const ui::ComboBox& list) {
  static constexpr std::array<std::string_view, 5> kFiles{"buben1", "buben2", "buben3", "buben4",
                                                          "buben5"};
  const int item = list.ItemIndex();
  return item >= 0 && item < static_cast<int>(kFiles.size()) ? kFiles[item] : std::string_view{};
}

}  // namespace

TForm_player::TForm_player(FormPlatform& platform, std::string_view executableFolder)
    : sknmngr1(*this, "sknmngr1", platform.SkinManagerHost()),
      platform_(platform),
      folders_(executableFolder) {
  ConnectHandlers();
  ui::LoadDefinition(*this, MainWindowControls());
}

void TForm_player::ConnectHandlers() {
  chk1.OnClick = rb1.OnClick = rb2.OnClick = [this] { chk1Click(); };
  chk2.OnClick = rb3.OnClick = rb4.OnClick = [this] { chk2Click(); };
  chk3.OnClick = rb9.OnClick = rb10.OnClick = [this] { chk3Click(); };
  chk5.OnClick = rb5.OnClick = rb6.OnClick = [this] { chk5Click(); };
  chk4.OnClick = RadioButton1.OnClick = RadioButton2.OnClick = [this] { chk4Click(); };
  chk11.OnClick = cbb5.OnChange = [this] { chk11Click(); };

  TrackBar1.OnChange = [this] { stream_.SetVolume(TrackBar1.Position()); };
  TrackBar2.OnChange = [this] { stream_.SetBalance(TrackBar2.Position()); };
  trckbr4.OnChange = [this] { stream_.SetSpeed(trckbr4.Position()); };
  trckbr1.OnChange = [this] { campfire_.SetVolume(trckbr1.Position()); };
  trckbr2.OnChange = [this] { campfire_.SetBalance(trckbr2.Position()); };
  trckbr5.OnChange = [this] { campfire_.SetSpeed(trckbr5.Position()); };
  trckbr3.OnChange = [this] { wind_.SetVolume(trckbr3.Position()); };
  trckbr6.OnChange = [this] { crickets_.SetVolume(trckbr6.Position()); };
  trckbr8.OnChange = [this] { swamp_.SetVolume(trckbr8.Position()); };
  strckbr1.OnChange = [this] { drum_.SetVolume(strckbr1.Position()); };

  ConnectSceneEventHandlers();
  chk10.OnClick = [this] { chk10Click(); };
  strckbr11.OnChange = [this] { strckbr11Change(); };
  btn2.OnClick = [this] { btn2Click(); };
  btn3.OnClick = [this] { btn3Click(); };
  btn4.OnClick = [this] { btn4Click(); };
}

void TForm_player::FormCreate() {
  if (!platform_.ClaimSingleInstance()) platform_.EndProcess(0);
  SettingsError.clear();
  SetSliderRanges();
  CheckAndOpenEngine();
  btn3.Click();
  if (!SettingsError.empty()) btn4.Click();
  // Whatever the settings changed, every sound now matches its controls.
  chk1Click();
  chk2Click();
  chk3Click();
  chk5Click();
  chk9Click();
  chk6Click();
  chk4Click();
  chk7Click();
  chk10Click();
  chk11Click();
}

void TForm_player::SetSliderRanges() {
  struct Range {
    ui::TrackBar& slider;
    int min;
    int max;
  };
  for (const Range& range : {Range{TrackBar1, 0, 20}, Range{TrackBar2, -5, 5},
                             Range{trckbr1, 0, 20}, Range{trckbr2, -5, 5}, Range{trckbr4, -5, 50},
                             Range{trckbr5, -5, 50}, Range{trckbr3, 0, 20}, Range{trckbr6, 0, 20},
                             Range{trckbr7, 0, 20}, Range{trckbr8, 0, 20}, Range{trckbr9, 0, 20},
                             Range{trckbr10, 0, 20}, Range{strckbr11, 0, 100},
                             Range{strckbr1, 0, 20}}) {
    range.slider.SetMin(range.min);
    range.slider.SetMax(range.max);
  }
}

void TForm_player::CheckAndOpenEngine() {
  if (BASS_GetVersion() >> 16 != kEngineRelease) FailStart("Не корректная версия BASS.DLL");
  if (!BASS_Init(-1, 44100, 0, platform_.WindowHandle(), nullptr)) {
    FailStart("Ошибка инициализация аудио");
  }
}

// Nothing is stored: the scene was never restored. A failed start is no success, so the exit
// code says so.
void TForm_player::FailStart(std::string_view message) {
  platform_.ShowErrorBox(std::string(message));
  platform_.EndProcess(1);
}

bool TForm_player::FormCloseQuery() {
  btn2.Click();
  BASS_Stop();
  // The drum's stream goes with the engine's release.
  for (HSTREAM channel : {channels_.StreamChannel, channels_.CampfireChannel,
                          channels_.WindChannel, channels_.CricketsChannel,
                          channels_.ExtraCricketsChannel, channels_.OwlsChannel,
                          channels_.SwampChannel, channels_.RainChannel, channels_.ThunderChannel}) {
    BASS_StreamFree(channel);
  }
  BASS_Free();
  return true;
}

void TForm_player::chk1Click() {
  stream_.Apply(chk1.Checked(), folders_.loops, ChosenFile(rb1, "ruchey1", rb2, "ruchey2"),
                {TrackBar1.Position(), TrackBar2.Position(), trckbr4.Position()});
}

void TForm_player::chk2Click() {
  campfire_.Apply(chk2.Checked(), folders_.loops, ChosenFile(rb3, "koster1", rb4, "koster2"),
                  {trckbr1.Position(), trckbr2.Position(), trckbr5.Position()});
}

void TForm_player::chk3Click() {
  wind_.Apply(chk3.Checked(), folders_.loops, ChosenFile(rb9, "veter1", rb10, "veter2"),
              {.volume = trckbr3.Position()});
}

void TForm_player::chk5Click() {
  crickets_.Apply(chk5.Checked(), folders_.loops, ChosenFile(rb5, "sverch1", rb6, "sverch2"),
                  {.volume = trckbr6.Position()});
}

void TForm_player::chk4Click() {
  swamp_.Apply(chk4.Checked(), folders_.loops,
               ChosenFile(RadioButton1, "bol1", RadioButton2, "bol2"),
               {.volume = trckbr8.Position()});
}

void TForm_player::chk11Click() {
  drum_.Apply(chk11.Checked(), folders_.loops, DrumFile(cbb5), {.volume = strckbr1.Position()});
}

}  // namespace velmora::app
