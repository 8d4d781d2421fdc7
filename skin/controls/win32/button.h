#pragma once
#include <windows.h>

#include <optional>

#include "skin/controls/button_paint.h"
#include "skin/controls/win32/mouse_presence.h"
#include "skin/controls/win32/skinned_window.h"
#include "ui/win32/button_views.h"

namespace velmora::skin {

// The window's defaults button: the platform's button clicks, the skin draws every pixel. On
// release the pressed look stays at least 30 ms, so even a quick click is seen.
class TsButton : public ui::ButtonView {
 public:
  TsButton(ui::Button& button, const ui::ChildPlacement& placement);
  ~TsButton() override;

  // Skinned, the skin has drawn it already; without a skin the platform's style is drawn here.
  void DrawItem(const DRAWITEMSTRUCT& item) override;
  TsCommonData& SkinData() { return skinned_.Data(); }
  int32_t State();
  bool Flashing() const { return flash_; }
  int32_t ContentMargin = 6;
  int32_t FocusMargin = 1;
  bool ShowFocus = true;
  bool WordWrap = true;

 private:
  static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                    UINT_PTR, DWORD_PTR self);
  std::optional<LRESULT> React(UINT message, WPARAM wParam, LPARAM lParam);
  std::optional<intptr_t> Command(const EngineMessage& message);
  LRESULT AfterDefault(UINT message, WPARAM wParam, LPARAM lParam);
  bool BuildCache();
  void Paint(HDC dc);
  void ShowState(int32_t kind);
  void MouseEntered();
  void MouseLeft();
  void Release(LPARAM point);
  void PressLost();
  void EndFlash();

  SkinnedWindow skinned_;
  MousePresence mouse_;
  bool pressMarked_ = false;
  bool flash_ = false;  // the pressed look held after a release, until its timer
  WindowSubclass subclass_;
};

}  // namespace velmora::skin
