// The settings file, the defaults button, the master volume and the sound switch.
#include <stdexcept>

#include "app/form_player.h"
#include "scene/master_volume.h"
#include "scene/settings_file.h"

namespace velmora::app {
namespace {

[[noreturn]] void NoStoredControl(std::size_t line) {
  throw std::logic_error("no stored control " + std::string(scene::kSettingsLines[line].control));
}

// The other radio button of the pair that shares a panel with `named`.
ui::RadioButton& PartnerOf(const ui::RadioButton& named) {
  const std::vector<ui::RadioButton*> siblings = named.Siblings();
  if (siblings.empty()) throw std::logic_error("no partner for " + named.Name());
  return *siblings.front();
}

}  // namespace

// A stored check box or radio button is 1 when checked; a slider, its position; a list, its item.
std::int32_t TForm_player::StoredValue(std::size_t line) const {
  const ui::Component* control = FindComponent(scene::kSettingsLines[line].control);
  if (auto* box = dynamic_cast<const ui::CheckBox*>(control)) return box->Checked() ? 1 : 0;
  if (auto* radio = dynamic_cast<const ui::RadioButton*>(control)) return radio->Checked() ? 1 : 0;
  if (auto* slider = dynamic_cast<const ui::TrackBar*>(control)) return slider->Position();
  if (auto* list = dynamic_cast<const ui::ComboBox*>(control)) return list->ItemIndex();
  NoStoredControl(line);
}

// Through the controls, so a switch or a slider that really changes runs its handler.
void TForm_player::ApplyStoredValue(std::size_t line, std::int32_t value) {
  ui::Component* control = FindComponent(scene::kSettingsLines[line].control);
  if (auto* box = dynamic_cast<ui::CheckBox*>(control)) {
    box->SetChecked(value == 1);
  } else if (auto* radio = dynamic_cast<ui::RadioButton*>(control)) {
    (value == 1 ? *radio : PartnerOf(*radio)).SetChecked(true);
  } else if (auto* slider = dynamic_cast<ui::TrackBar*>(control)) {
    slider->SetPosition(value);
  } else if (auto* list = dynamic_cast<ui::ComboBox*>(control)) {
    list->SetItemIndex(value);
  } else {
    NoStoredControl(line);
  }
}

void TForm_player::btn2Click() {
  mmo1.Lines.clear();
  for (std::size_t line = 0; line < scene::kSettingsLineCount; ++line) {
    mmo1.Lines.push_back(std::to_string(StoredValue(line)));
  }
  platform_.WriteSettingsFile(scene::JoinLines(mmo1.Lines));
}

void TForm_player::btn3Click() {
  mmo1.Lines.clear();
  const std::optional<std::string> content = platform_.ReadSettingsFile();
  if (!content) {
    platform_.ShowMessage("файл параметров не найден");
    SettingsError = scene::kUnreadableMark;
    return;
  }
  mmo1.Lines = scene::SplitLines(*content);
  SettingsError = scene::ReadSettingsLines(
      mmo1.Lines, [this](std::size_t line, std::int32_t value) { ApplyStoredValue(line, value); });
  if (!SettingsError.empty()) platform_.ShowMessage("файл параметров содержит ошибки");
}

// Levels and lists only: switches and variants stay as the user left them.
void TForm_player::btn4Click() {
  for (auto [slider, position] :
       {std::pair{&TrackBar1, 10}, {&TrackBar2, 0}, {&trckbr1, 10}, {&trckbr2, 0}, {&trckbr4, 0},
        {&trckbr5, 0}, {&trckbr3, 10}, {&trckbr6, 10}, {&trckbr7, 10}, {&trckbr8, 10},
        {&trckbr9, 10}, {&trckbr10, 10}}) {
    slider->SetPosition(position);
  }
  cbb1.SetItemIndex(2);
  cbb2.SetItemIndex(2);
  cbb3.SetItemIndex(0);
  cbb4.SetItemIndex(0);
  strckbr11.SetPosition(50);
  chk10.SetChecked(true);
  strckbr1.SetPosition(10);
}

// Moving the slider makes the sound audible even while the switch is off.
void TForm_player::strckbr11Change() {
  platform_.SetDeviceVolume(scene::DeviceVolumeFor(strckbr11.Position()));
}

void TForm_player::chk10Click() {
  const bool on = chk10.Checked();
  platform_.SetDeviceVolume(on ? scene::DeviceVolumeFor(strckbr11.Position())
                               : scene::kDeviceSilent);
  platform_.SetTrayIconIndex(on ? 1 : 0);
}

// The switch's own handler runs with the flip, and once more after it.
void TForm_player::TrayIcon1Click() {
  chk10.SetChecked(!chk10.Checked());
  chk10Click();
}

}  // namespace velmora::app
