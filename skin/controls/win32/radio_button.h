#pragma once
#include <windows.h>

#include <optional>

#include "skin/controls/button_paint.h"
#include "skin/controls/win32/mouse_presence.h"
#include "skin/controls/win32/skinned_window.h"
#include "ui/win32/button_views.h"

namespace velmora::skin {

// A radio button drawn from the skin: its radio glyph and caption over what lies behind it. The
// press is its own; the check goes through the platform's click notification as before.
class TsRadioButton : public ui::RadioButtonView {
 public:
  TsRadioButton(ui::RadioButton& button, const ui::ChildPlacement& placement);
  TsCommonData& SkinData() { return skinned_.Data(); }
  bool ReadOnly = false;
  RadioLayout Layout;

 private:
  static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                    UINT_PTR, DWORD_PTR self);
  std::optional<LRESULT> React(UINT message, WPARAM wParam, LPARAM lParam);
  std::optional<intptr_t> Command(const EngineMessage& message);
  bool BuildCache();
  void Paint(HDC dc);
  void Repaint();
  void ShowState(int32_t kind);

  SkinnedWindow skinned_;
  MousePresence mouse_;
  bool pressed_ = false;
  WindowSubclass subclass_;
};

}  // namespace velmora::skin
