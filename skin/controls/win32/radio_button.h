#pragma once
#include <windows.h>

#include <optional>

#include "skin/controls/button_paint.h"
#include "skin/controls/win32/mouse_presence.h"
#include "skin/controls/win32/skinned_window.h"
#include "ui/win32/button_views.h"

namespace velmora::skin {

// A radio button drawn from the skin: its radio glyph and caption over what lies behind it. The
// press is its own, by the left button or the space key, with the platform's rules: a release off
// the button or a lost capture ends it without a click. The check goes through the platform's
// click notification as before.
class TsRadioButton : public ui::RadioButtonView {
 public:
  TsRadioButton(ui::RadioButton& button, const ui::ChildPlacement& placement);
  TsCommonData& SkinData() { return skinned_.Data(); }
  bool ReadOnly = false;
  bool ShowFocus = true;
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
  enum class Press { None, Key, Mouse };
  void BeginPress(Press how);
  void EndPress(bool click);
  bool PressedLook() const { return press_ == Press::Key || (press_ == Press::Mouse && inside_); }

  SkinnedWindow skinned_;
  MousePresence mouse_;
  Press press_ = Press::None;
  bool inside_ = false;  // the pointer of a mouse press is over the button
  WindowSubclass subclass_;
};

}  // namespace velmora::skin
