#pragma once
#include <windows.h>

#include <functional>
#include <memory>
#include <optional>

#include "skin/manager/manager_host.h"
#include "skin/manager/win32/application_window.h"
#include "skin/manager/win32/window_receivers.h"

namespace velmora::skin {

class SystemColourRedirection;
class Win32ManagerHost;

// The window frame's hooks: made by the frame layer when the default manager installs its hooks
// and freed, with every frame they attached, when it removes them. The frames they attached take
// part in a skin change's fade.
class WindowHooks : public FramedWindows {
 public:
  virtual ~WindowHooks() = default;
  virtual void PrepareSkinChangeFade() = 0;
  virtual void EndSkinChangeFade() = 0;
};
using WindowHooksFactory = std::function<std::unique_ptr<WindowHooks>(Win32ManagerHost& host)>;

// The popup menu painter as the host reaches it: menu windows as the window hook sees them
// created, and the application window's popup messages (0xBCB3, 0xBCB4).
class PopupMenuPainter {
 public:
  virtual void MenuWindowCreated(HWND window) = 0;
  virtual std::optional<LRESULT> PopupMessage(UINT message, WPARAM wParam, LPARAM lParam) = 0;

 protected:
  ~PopupMenuPainter() = default;
};
inline constexpr UINT kPopupItemShown = 0xBCB3;
inline constexpr UINT kPopupWindowCreated = 0xBCB4;

// The desktop side of the skin manager: the application's forms, the display scale setting,
// DPI awareness, the application window and its hook, and the system colour redirection.
class Win32ManagerHost : public ManagerHost {
 public:
  explicit Win32ManagerHost(SkinPlatform& platform);
  Win32ManagerHost(const Win32ManagerHost&) = delete;
  Win32ManagerHost& operator=(const Win32ManagerHost&) = delete;
  ~Win32ManagerHost();

  // An application form; a tag with the no-skin bit keeps it out of the frame hook's reach.
  void AddForm(HWND form, int32_t tag = 0) { forms_.AddForm(form, tag); }
  void RemoveForm(HWND form) { forms_.RemoveForm(form); }
  const FormDirectory& Forms() const { return forms_; }
  void SetWindowHooksFactory(WindowHooksFactory factory) { hooksFactory_ = std::move(factory); }
  void SetPopupPainter(PopupMenuPainter* painter) { popups_ = painter; }
  PopupMenuPainter* PopupPainter() const { return popups_; }
  // The application's hidden main window; nullptr before the first manager hooks it.
  HWND ApplicationHandle() const {
    return applicationWindow_ ? applicationWindow_->Handle() : nullptr;
  }

  SkinPlatform& Platform() override { return platform_; }
  ReceiverDirectory& Receivers() override { return forms_; }
  std::optional<long long> AppliedDpi() override;
  void DeclareDpiAware() override;
  void InstallHooks(const TsSkinManager& manager, bool redirectSystemColours) override;
  void RemoveHooks() override;
  void SetSystemColourRedirection(const TsSkinManager& manager, bool on) override;
  void HookApplicationWindow(TsSkinManager& manager) override;
  void UnhookApplicationWindow() override;
  void PrepareSkinChangeFade() override;
  void EndSkinChangeFade() override;
  void FreeAllGlows() override;

 private:
  std::optional<LRESULT> ApplicationMessage(UINT message, WPARAM wParam, LPARAM lParam);

  SkinPlatform& platform_;
  FormDirectory forms_;
  TsSkinManager* hooked_ = nullptr;
  std::unique_ptr<ApplicationWindow> applicationWindow_;
  std::unique_ptr<SystemColourRedirection> colours_;
  WindowHooksFactory hooksFactory_;
  std::unique_ptr<WindowHooks> windowHooks_;
  PopupMenuPainter* popups_ = nullptr;
};

}  // namespace velmora::skin
