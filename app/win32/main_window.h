#pragma once
#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>

#include "app/form_platform.h"
#include "app/form_player.h"
#include "skin/controls/manager_link.h"
#include "skin/controls/win32/window_property.h"
#include "skin/data/win32/win32_skin_platform.h"
#include "skin/manager/win32/win32_manager_host.h"
#include "skin/popups/win32/skinable_menus.h"
#include "ui/control_definition.h"
#include "ui/win32/form.h"
#include "ui/win32/image_list.h"
#include "ui/win32/popup_menu.h"
#include "ui/win32/tray_icon.h"

namespace velmora::app {

// The program's one window on the desktop: it reads the window definition, shows every control
// of TForm_player in its place and gives the logic what it needs of the desktop. Construction
// ends with the create handler, so a copy that must not run ends before the window shows.
class MainWindow : public ui::Form, private FormPlatform {
 public:
  MainWindow();
  ~MainWindow() override;

 protected:
  bool CloseQuery() override { return player_.FormCloseQuery(); }
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  bool ClaimSingleInstance() override;
  void ShowErrorBox(const std::string& text) override;
  [[noreturn]] void EndProcess(int exitCode) override;
  void* WindowHandle() const override { return Handle(); }
  void ShowMessage(const std::string& text) override;
  std::optional<std::string> ReadSettingsFile() override;
  void WriteSettingsFile(std::string_view content) override;
  void SetDeviceVolume(std::uint32_t volume) override;
  void SetTrayIconIndex(int index) override { TrayIcon1.SetIconIndex(index); }
  skin::ManagerHost& SkinManagerHost() override { return skinHost_; }

  void CreateControls();
  HWND CreateControl(const ui::ControlDefinition& definition, HWND parent);
  // The view of the named control of the logic, which must be of kind Control.
  template <typename View, typename Control, typename... Extra>
  std::unique_ptr<ui::ChildView> Make(std::string_view name, const ui::ChildPlacement& at,
                                      Extra... extra) {
    auto* control = dynamic_cast<Control*>(player_.FindComponent(name));
    if (!control) throw std::logic_error("the form has no control " + std::string(name));
    return std::make_unique<View>(*control, at, extra...);
  }
  void LoadPictures();
  void CreatePopupMenu();
  void CreateTrayIcon();
  void ApplicationEvents1Minimize();
  void LeaveForTray();
  void N1Click();
  void N2Click() { Close(); }
  void RestoreWindow();

  skin::Win32SkinPlatform skinPlatform_;
  skin::Win32ManagerHost skinHost_{skinPlatform_};
  TForm_player player_;
  // The manager as the skinned controls' skin data see it; theirs by default.
  skin::TsSkinManagerLink skinLink_{player_.sknmngr1};
  // The manager's popup menu painter: every popup menu, the tray icon's among them, from the skin.
  skin::TsSkinableMenus popupMenus_{player_.sknmngr1, skinHost_};
  ui::ImageList ImageList1{20, 20};
  ui::PopupMenu PopupMenu1;
  ui::TTrayIcon TrayIcon1;
  // Names the icon to the window's frame: a minimise flies there.
  skin::WindowProperty trayIconMark_;
};

}  // namespace velmora::app
