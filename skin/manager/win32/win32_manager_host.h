#pragma once
#include <windows.h>

#include <memory>
#include <optional>

#include "skin/manager/manager_host.h"
#include "skin/manager/win32/application_window.h"
#include "skin/manager/win32/window_receivers.h"

namespace velmora::skin {

class SystemColourRedirection;

// The desktop side of the skin manager: the application's forms, the display scale setting,
// DPI awareness, the application window and its hook, and the system colour redirection.
class Win32ManagerHost : public ManagerHost {
 public:
  explicit Win32ManagerHost(SkinPlatform& platform);
  Win32ManagerHost(const Win32ManagerHost&) = delete;
  Win32ManagerHost& operator=(const Win32ManagerHost&) = delete;
  ~Win32ManagerHost();

  void AddForm(HWND form) { forms_.AddForm(form); }
  void RemoveForm(HWND form) { forms_.RemoveForm(form); }

  SkinPlatform& Platform() override { return platform_; }
  ReceiverDirectory& Receivers() override { return forms_; }
  std::optional<long long> AppliedDpi() override;
  void DeclareDpiAware() override;
  void InstallHooks(const TsSkinManager& manager, bool redirectSystemColours) override;
  void RemoveHooks() override;
  void SetSystemColourRedirection(const TsSkinManager& manager, bool on) override;
  void HookApplicationWindow(TsSkinManager& manager) override;
  void UnhookApplicationWindow() override;

 private:
  std::optional<LRESULT> ApplicationMessage(UINT message, WPARAM wParam, LPARAM lParam);

  SkinPlatform& platform_;
  FormDirectory forms_;
  TsSkinManager* hooked_ = nullptr;
  std::unique_ptr<ApplicationWindow> applicationWindow_;
  std::unique_ptr<SystemColourRedirection> colours_;
};

}  // namespace velmora::skin
