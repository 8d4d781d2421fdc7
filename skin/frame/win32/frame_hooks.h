#pragma once
// The window-creation hook of the default manager: every form that becomes active gets a frame
// component, every system message box a dialog frame. The attachments live until the hook goes.
#include <windows.h>

#include <memory>
#include <vector>

#include "skin/controls/manager_link.h"
#include "skin/frame/win32/skin_provider.h"
#include "skin/manager/skin_manager.h"
#include "skin/manager/win32/win32_manager_host.h"
#include "ui/win32/handles.h"

namespace velmora::skin {

// What one window received: its frame component.
struct TacProvider {
  HWND Window;
  TsSkinProvider::Kind Kind;
  std::unique_ptr<TsSkinProvider> Frame;
};

class FrameHooks : public WindowHooks {
 public:
  FrameHooks(Win32ManagerHost& host, TsSkinManager& manager);
  ~FrameHooks() override;

  // Decides whether the window gets skinned, and attaches its frame when it does.
  void AttachProvider(HWND window);
  const TacProvider* ProviderOf(HWND window) const;
  void PrepareSkinChangeFade() override;
  void EndSkinChangeFade() override;
  std::vector<HWND> FramedForms() const override { return Framed(TsSkinProvider::Kind::Form); }
  std::vector<HWND> FramedDialogs() const override {
    return Framed(TsSkinProvider::Kind::Dialog);
  }

 private:
  static LRESULT CALLBACK CbtProcedure(int code, WPARAM wParam, LPARAM lParam);
  void WindowCreated(HWND window, const CREATESTRUCTW& create);
  void AttachForm(HWND window, int32_t tag);
  void AttachDialog(HWND window);
  TsSkinProvider::Adapting Adapting(ControlLookup lookup) const;
  int VisibleDialogs() const;
  std::vector<HWND> Framed(TsSkinProvider::Kind kind) const;
  void DropGoneProviders();

  Win32ManagerHost& host_;
  TsSkinManager& manager_;
  TsSkinManagerLink link_{manager_};
  std::vector<std::unique_ptr<TacProvider>> providers_;
  ui::UniqueHook hook_;
};

// The factory the manager's host calls when the default manager installs its hooks.
std::unique_ptr<WindowHooks> MakeFrameHooks(Win32ManagerHost& host);

}  // namespace velmora::skin
