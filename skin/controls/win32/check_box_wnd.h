#pragma once
// The adapter of standard check boxes and radio buttons: the platform clicks, checks, groups and
// takes the keyboard; the skin draws the section, the glyph and the caption.
#include <windows.h>

#include <optional>

#include "skin/controls/win32/main_wnd.h"
#include "skin/controls/win32/mouse_presence.h"

namespace velmora::skin {

class TacCheckBoxWnd : public TacMainWnd {
 public:
  TacCheckBoxWnd(HWND window, ManagerLink* manager, int listIndex);

 private:
  struct State {
    bool OwnerDraw = false;  // its owner draws the content; the adapter only the background
    MousePresence Mouse;
  };

  static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                    UINT_PTR, DWORD_PTR self);
  std::optional<LRESULT> React(UINT message, WPARAM wParam, LPARAM lParam);
  std::optional<intptr_t> Command(const EngineMessage& message);
  LRESULT StateChange(UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT ThenPaint(UINT message, WPARAM wParam, LPARAM lParam);
  void MouseEntered();
  void MouseLeft();
  bool BuildCache();
  void Paint(HDC dc);
  void EraseOwnerDrawn(HDC dc);

  State state_;
  WindowSubclass subclass_;
};

}  // namespace velmora::skin
