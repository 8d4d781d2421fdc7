#include "app/win32/main_window.h"

#include <algorithm>
#include <climits>
#include <cstdlib>
#include <map>
#include <stdexcept>
#include <string>
#include <vector>

#include "app/main_window_definition.h"
#include "app/win32/resource_ids.h"
#include "app/win32/single_instance.h"
#include "app/win32/stored_skin.h"
#include "scene/settings_file.h"
#include "scene/win32/device_volume.h"
#include "scene/win32/settings_storage.h"
#include "skin/controls/win32/skinned_controls.h"
#include "skin/frame/win32/frame_hooks.h"
#include "skin/frame/win32/minimise_target.h"
#include "skin/data/decoded_image.h"
#include "ui/win32/application.h"
#include "ui/win32/bitmap.h"
#include "ui/win32/combo_box_view.h"
#include "ui/win32/executable.h"
#include "ui/win32/message_box.h"
#include "ui/win32/message_form.h"
#include "ui/win32/text.h"

namespace velmora::app {
namespace {

using ui::ControlKind;

// Children are made after their panels; among siblings, in tab order, which is also the order
// the keyboard visits them.
std::vector<const ui::ControlDefinition*> CreationOrder() {
  std::vector<const ui::ControlDefinition*> order;
  for (const ui::ControlDefinition& entry : MainWindowControls()) order.push_back(&entry);
  const auto key = [](const ui::ControlDefinition* entry) {
    return std::pair(!entry->parent.empty(), entry->tabOrder < 0 ? INT_MAX : entry->tabOrder);
  };
  std::stable_sort(order.begin(), order.end(),
                   [&](auto* a, auto* b) { return key(a) < key(b); });
  return order;
}

HICON ProgramIcon() {
  return LoadIconW(ui::Application::Instance().Module(), MAKEINTRESOURCEW(VELMORA_PROGRAM_ICON));
}

// Switches the skin off (the first parameter 0) and on again while the program runs: a switch
// for the end-to-end tests, which reach the window only by messages.
UINT SkinActiveMessage() {
  static const UINT message = RegisterWindowMessageW(L"Velmora.SkinActive");
  return message;
}

std::wstring SettingsPath() {
  return ui::ExecutableFolder() + L"\\" + ui::WideFromUtf8(scene::kSettingsFileName);
}

}  // namespace

MainWindow::MainWindow()
    : ui::Form(MainWindowDefinition()),
      skinPlatform_(ui::Application::Instance().Title()),
      player_(*this, ui::AnsiFromWide(ui::ExecutableFolder())),
      TrayIcon1(ProgramIcon(), ui::Application::Instance().Title()) {
  skin::TsCommonData::SetDefaultManager(&skinLink_);
  CreateControls();
  LoadPictures();
  CreatePopupMenu();
  CreateTrayIcon();
  for (ui::Timer* timer : {&player_.Timer1, &player_.tmr2, &player_.tmr3, &player_.tmr4,
                           &player_.sknmngr1.HoverTimer()}) {
    AddTimer(*timer);
  }
  // The skin comes once every window exists, so that its one broadcast reaches them all.
  skinHost_.AddForm(Handle());
  skinHost_.SetWindowHooksFactory(skin::MakeFrameHooks);
  player_.sknmngr1.ReadDefinition(MainWindowSkinManager(StoredSkinPackage()));
  player_.FormCreate();
}

MainWindow::~MainWindow() { skin::TsCommonData::SetDefaultManager(nullptr); }

void MainWindow::CreateControls() {
  std::map<std::string_view, HWND> windows;
  for (const ui::ControlDefinition* entry : CreationOrder()) {
    const HWND parent = entry->parent.empty() ? Handle() : windows.at(entry->parent);
    windows[entry->name] = CreateControl(*entry, parent);
    if (!entry->hint.empty()) AddHint(windows[entry->name], entry->hint);
  }
  // The background lies under every other control.
  SetWindowPos(windows.at("img1"), HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
}

HWND MainWindow::CreateControl(const ui::ControlDefinition& definition, HWND parent) {
  const ui::ChildPlacement at = PlacementOf(definition, parent);
  const std::string_view name = definition.name;
  const int thumb = Scale(definition.thumbLength);
  std::unique_ptr<ui::ChildView> view;
  switch (definition.kind) {
    case ControlKind::CheckBox: view = Make<ui::CheckBoxView, ui::CheckBox>(name, at); break;
    case ControlKind::RadioButton:
      view = Make<ui::RadioButtonView, ui::RadioButton>(name, at);
      break;
    case ControlKind::TsRadioButton:
      view = Make<skin::TsRadioButton, ui::RadioButton>(name, at);
      break;
    case ControlKind::TrackBar: view = Make<ui::TrackBarView, ui::TrackBar>(name, at, thumb); break;
    case ControlKind::TsTrackBar:
      view = Make<skin::TsTrackBar, ui::TrackBar>(name, at, thumb);
      static_cast<skin::TsTrackBar&>(*view).ShowFocus = definition.showFocus;
      break;
    case ControlKind::ComboBox:
      view = Make<ui::ComboBoxView, ui::ComboBox>(name, at, Scale(definition.itemHeight));
      break;
    case ControlKind::Button: view = Make<ui::ButtonView, ui::Button>(name, at); break;
    case ControlKind::TsButton: view = Make<skin::TsButton, ui::Button>(name, at); break;
    case ControlKind::Label: view = Make<ui::LabelView, ui::Label>(name, at); break;
    case ControlKind::Memo: view = Make<ui::MemoView, ui::Memo>(name, at); break;
    case ControlKind::Panel: view = Make<ui::PanelView, ui::Panel>(name, at); break;
    case ControlKind::TsPanel: view = Make<skin::TsPanel, ui::Panel>(name, at); break;
    case ControlKind::TsImage: view = Make<skin::TsImage, ui::Image>(name, at); break;
  }
  return AddView(std::move(view)).Handle();
}

void MainWindow::LoadPictures() {
  HINSTANCE module = ui::Application::Instance().Module();
  SetIcons(ProgramIcon(),
           static_cast<HICON>(LoadImageW(module, MAKEINTRESOURCEW(VELMORA_PROGRAM_ICON),
                                         IMAGE_ICON, GetSystemMetrics(SM_CXSMICON),
                                         GetSystemMetrics(SM_CYSMICON), LR_SHARED)));
  skin::Image32 fern = skin::ReadJpeg(ui::ResourceBytes(VELMORA_FERN_PICTURE, RT_RCDATA)).Pixels;
  if (auto* image = dynamic_cast<skin::TsImage*>(ViewOfControl(player_.img1))) {
    // Unskinned, the picture shows as it is; skinned, faintly over the window's texture.
    image->SetPicture(ui::BitmapFromPixels(fern.Width, fern.Height, fern.Pixels));
    image->SetBlend(93);
    image->SkinData().SetSkinSection("CHECKBOX");
    image->SetPicture(std::move(fern));
  }
  for (int id : {VELMORA_TRAY_SOUND_OFF, VELMORA_TRAY_SOUND_ON}) {
    if (ui::UniqueBitmap picture = ui::LoadBitmapResource(id)) ImageList1.Add(picture.get());
  }
}

void MainWindow::CreatePopupMenu() {
  PopupMenu1.AddItem("Показать окно настроек", [this] { N1Click(); });
  PopupMenu1.AddItem("Закрыть", [this] { N2Click(); });
}

void MainWindow::CreateTrayIcon() {
  TrayIcon1.SetHint("Velmora");
  TrayIcon1.SetIconIndex(-1);
  TrayIcon1.SetIcons(&ImageList1);
  TrayIcon1.SetPopupMenu(&PopupMenu1);
  TrayIcon1.OnClick = [this] { player_.TrayIcon1Click(); };
  trayIconMark_ = skin::WindowProperty(Handle(), skin::kTrayIconProperty, TrayIcon1.Handle());
}

LRESULT MainWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_SYSCOMMAND && (wParam & 0xFFF0) == SC_MINIMIZE) {
    ApplicationEvents1Minimize();
    return 0;
  }
  // A minimise by any other route (the taskbar, another program, a shortcut of the desktop)
  // ends here too, rather than leaving an iconic window and no icon.
  if (message == WM_SIZE && wParam == SIZE_MINIMIZED) LeaveForTray();
  // Logging off or shutting down ends the process without a close request; a program left
  // running for days would otherwise lose every change made since it started.
  if (message == WM_ENDSESSION && wParam) player_.btn2.Click();
  if (const UINT skinActive = SkinActiveMessage(); skinActive && message == skinActive) {
    player_.sknmngr1.SetActive(wParam != 0);
    return 0;
  }
  if (message == WM_NCDESTROY) {
    skinHost_.RemoveForm(Handle());
    trayIconMark_.Release();
  }
  return ui::Form::HandleMessage(message, wParam, lParam);
}

// The size notification of the minimised window takes it to the notification area.
void MainWindow::ApplicationEvents1Minimize() {
  if (!IsIconic(Handle())) ShowWindow(Handle(), SW_MINIMIZE);
}

// The window leaves the screen for the notification area, whose picture shows the sound switch.
// When the platform refuses the icon the window comes back, or nothing could reach the program.
void MainWindow::LeaveForTray() {
  ShowWindow(Handle(), SW_HIDE);
  TrayIcon1.SetIcon(ImageList1.IconOf(player_.chk10.Checked() ? 1 : 0).get());
  try {
    TrayIcon1.SetVisible(true);
  } catch (...) {
    RestoreWindow();
    throw;
  }
}

void MainWindow::N1Click() {
  RestoreWindow();
  TrayIcon1.SetVisible(false);
}

void MainWindow::RestoreWindow() {
  ShowWindow(Handle(), SW_RESTORE);
  Show();
  SetForegroundWindow(Handle());
}

bool MainWindow::ClaimSingleInstance() { return app::ClaimSingleInstance(); }

void MainWindow::ShowErrorBox(const std::string& text) {
  ui::ShowMessageBox(nullptr, ui::WideFromUtf8(text), nullptr, MB_OK | MB_ICONERROR);
}

void MainWindow::EndProcess(int exitCode) { std::exit(exitCode); }

void MainWindow::ShowMessage(const std::string& text) {
  ui::MessageForm form(ui::Utf8FromWide(ui::Application::Instance().Title()), text);
  // Known to the skin before it first becomes active, so that it is skinned as a form.
  const HWND handle = form.Handle();
  skinHost_.AddForm(handle);
  form.ShowModal();
  skinHost_.RemoveForm(handle);
}

std::optional<std::string> MainWindow::ReadSettingsFile() {
  return scene::ReadSmallFile(SettingsPath());
}

void MainWindow::WriteSettingsFile(std::string_view content) {
  scene::ReplaceFileContent(SettingsPath(), content);
}

void MainWindow::SetDeviceVolume(std::uint32_t volume) { scene::SetDeviceVolume(volume); }

}  // namespace velmora::app
