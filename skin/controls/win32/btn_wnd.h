#pragma once
// The adapter of standard push buttons: the platform clicks and takes the keyboard; the skin
// draws the face, the caption and the focus frame.
#include <windows.h>

#include <optional>

#include "skin/controls/win32/main_wnd.h"
#include "skin/controls/win32/mouse_presence.h"

namespace velmora::skin {

class TacBtnWnd : public TacMainWnd {
 public:
  TacBtnWnd(HWND window, ManagerLink* manager, int listIndex);

 private:
  struct State {
    MousePresence Mouse;
  };

  static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                    UINT_PTR, DWORD_PTR self);
  std::optional<LRESULT> React(UINT message, WPARAM wParam, LPARAM lParam);
  std::optional<intptr_t> Command(const EngineMessage& message);
  LRESULT StateChange(UINT message, WPARAM wParam, LPARAM lParam);
  void FocusChange(UINT message, WPARAM wParam, LPARAM lParam);
  void MouseEntered();
  void MouseLeft();
  int32_t ButtonState();
  bool BuildCache();
  void Paint(HDC dc);

  State state_;
  WindowSubclass subclass_;
};

}  // namespace velmora::skin
