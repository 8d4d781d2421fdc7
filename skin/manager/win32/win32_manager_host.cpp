#include "skin/manager/win32/win32_manager_host.h"

#include <span>

#include "skin/controls/glow_effect.h"
#include "skin/manager/preview_record.h"
#include "skin/manager/skin_manager.h"
#include "skin/manager/win32/system_colour_redirection.h"
#include "ui/win32/application.h"

namespace velmora::skin {
namespace {

constexpr UINT kRepaintAllForms = 0xB000;

bool IsEngineCommand(UINT message, WPARAM wParam, EngineCommand command) {
  return message == kEngineMessage && HIWORD(wParam) == uint16_t(command);
}

}  // namespace

Win32ManagerHost::Win32ManagerHost(SkinPlatform& platform) : platform_(platform) {}

Win32ManagerHost::~Win32ManagerHost() = default;

std::optional<long long> Win32ManagerHost::AppliedDpi() {
  DWORD value = 0;
  DWORD size = sizeof(value);
  if (RegGetValueW(HKEY_CURRENT_USER, L"Control Panel\\Desktop\\WindowMetrics", L"AppliedDPI",
                   RRF_RT_REG_DWORD, nullptr, &value, &size) != ERROR_SUCCESS) {
    return std::nullopt;
  }
  return value;
}

// Looked up, as older systems lack it.
void Win32ManagerHost::DeclareDpiAware() {
  using SetAware = BOOL(WINAPI*)();
  if (HMODULE user = GetModuleHandleW(L"user32.dll")) {
    if (auto set = reinterpret_cast<SetAware>(
            reinterpret_cast<void*>(GetProcAddress(user, "SetProcessDPIAware")))) {
      set();
    }
  }
}

void Win32ManagerHost::InstallHooks(const TsSkinManager& manager, bool redirectSystemColours) {
  SetSystemColourRedirection(manager, redirectSystemColours);
  if (hooksFactory_) windowHooks_ = hooksFactory_(*this);
  forms_.SetFrames(windowHooks_.get());
}

void Win32ManagerHost::RemoveHooks() {
  forms_.SetFrames(nullptr);
  windowHooks_.reset();
  colours_.reset();
}

void Win32ManagerHost::SetSystemColourRedirection(const TsSkinManager& manager, bool on) {
  colours_.reset();
  if (on) colours_ = std::make_unique<SystemColourRedirection>(manager);
}

void Win32ManagerHost::HookApplicationWindow(TsSkinManager& manager) {
  hooked_ = &manager;
  applicationWindow_ = std::make_unique<ApplicationWindow>(
      ui::Application::Instance().Title(),
      [this](UINT message, WPARAM wParam, LPARAM lParam) {
        return ApplicationMessage(message, wParam, lParam);
      });
}

void Win32ManagerHost::UnhookApplicationWindow() {
  applicationWindow_.reset();
  hooked_ = nullptr;
}

// Before the hooks there are no frames, and nothing shown in a skin to fade.
void Win32ManagerHost::PrepareSkinChangeFade() {
  if (windowHooks_) windowHooks_->PrepareSkinChangeFade();
}

void Win32ManagerHost::EndSkinChangeFade() {
  if (windowHooks_) windowHooks_->EndSkinChangeFade();
}

void Win32ManagerHost::FreeAllGlows() { skin::FreeAllGlows(); }

std::optional<LRESULT> Win32ManagerHost::ApplicationMessage(UINT message, WPARAM wParam,
                                                            LPARAM lParam) {
  if (!hooked_) return std::nullopt;
  if (message == WM_COPYDATA && wParam == kPreviewCopyDataId) {
    // Any process may send this, with no record at all.
    const auto* data = reinterpret_cast<const COPYDATASTRUCT*>(lParam);
    if (!data) return std::nullopt;
    const std::span<const uint8_t> bytes(static_cast<const uint8_t*>(data->lpData),
                                         data->lpData ? data->cbData : 0);
    if (!hooked_->ReceiveSkinRecord(bytes)) return std::nullopt;
    PostMessageW(applicationWindow_->Handle(), kEngineMessage,
                 EngineWParam(EngineCommand::LoadSharedSkin), 0);
    return TRUE;
  }
  if (IsEngineCommand(message, wParam, EngineCommand::LoadSharedSkin)) {
    hooked_->LoadReceivedSkin();
    return 0;
  }
  if ((message == kPopupItemShown || message == kPopupWindowCreated) && popups_ &&
      hooked_->SkinnedPopups()) {
    return popups_->PopupMessage(message, wParam, lParam);
  }
  if (message == WM_THEMECHANGED) return 0;
  if (message == kRepaintAllForms) {
    for (CommandReceiver* form : forms_.ApplicationForms()) {
      if (form->Describe().HasWindow) form->Deliver({EngineCommand::Repaint}, Delivery::Sent);
    }
    return std::nullopt;
  }
  return std::nullopt;
}

}  // namespace velmora::skin
